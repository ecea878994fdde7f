#pragma once

#include "content/texts.h"
#include "forms/controls.h"
#include "forms/window.h"

// The start window: the program's title, the start button, the search row with
// its result list, the exit label and the credits.
class Form1 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form1";

    Form1();

    // The declarations read like the window's table, a row each; the
    // formatter leaves them as they stand.
    // clang-format off
    forms::CommandButton Command1 { this, u"Command1",
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/start.ico",
            .toolTip = u"Начать", .tabIndex = 0 } };
    forms::Label Label2 { this, u"Label2",
        { .rect = { 120, 480, 5415, 1935 }, .points = 26.25, .caption = u"Ворсилан ",
            .align = forms::Align::Centre, .tabIndex = 1 } };
    forms::TextBox t1 { this, u"t1",
        { .rect = { 240, 4320, 3975, 405 }, .points = 9.75, .caption = u"Поисковая строка",
            .accessibleName = u"Поисковая строка", .tabIndex = 2 } };
    forms::Label Label1 { this, u"Label1",
        { .rect = { 5040, 0, 495, 375 }, .points = 14.25, .caption = u"X", .align = forms::Align::Centre,
            .toolTip = u"Выход", .tabIndex = 3 } };
    forms::CommandButton Command2 { this, u"Command2",
        { .rect = { 4440, 4320, 375, 375 }, .points = 9, .picture = u":/pictures/search.ico",
            .toolTip = u"Поиск", .tabIndex = 4 } };
    forms::ListBox lt1 { this, u"lt1",
        { .rect = { 240, 2640, 5055, 1230 }, .accessibleName = u"Результаты поиска", .tabIndex = 5,
            .visible = false } };
    forms::CommandButton Command3 { this, u"Command3",
        { .rect = { 4920, 4320, 375, 375 }, .points = 9, .picture = u":/pictures/hide.ico",
            .toolTip = u"Скрыть результаты поиска", .tabIndex = 6 } };
    forms::Label l3 { this, u"l3",
        { .rect = { 840, 4920, 3735, 375 }, .points = 9.75, .align = forms::Align::Centre, .tabIndex = 7 } };
    forms::Label Label4 { this, u"Label4",
        { .rect = { 0, 4920, 615, 615 }, .points = 21.75, .caption = u"М", .align = forms::Align::Centre,
            .tabIndex = 8 } };
    forms::Label l4 { this, u"l4",
        { .rect = { 600, 5160, 4215, 375 }, .points = 9.75, .caption = content::creditStart,
            .align = forms::Align::Centre, .tabIndex = 9 } };
    // clang-format on

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label1_Click();
    void Label4_MouseDown(forms::MouseEvent);
    void Label4_MouseUp(forms::MouseEvent);
};
