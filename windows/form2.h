#pragma once

#include "forms/controls.h"
#include "forms/window.h"

// The section menu: a "Далее" button beside each of the four sections, and the
// home button that leads back to the start window.
class Form2 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form2";

    Form2();

    // The declarations read like the window's table, a row each; the
    // formatter leaves them as they stand.
    // clang-format off
    forms::Label Label2 { this, u"Label2",
        { .rect = { 0, 0, 5535, 735 }, .points = 26.25, .caption = u"Комбинации клавиш ",
            .align = forms::Align::Centre, .tabIndex = 5 } };
    forms::CommandButton Command2 { this, u"Command2",
        { .rect = { 360, 1080, 1335, 375 }, .points = 12, .caption = u"Далее", .tabIndex = 1 } };
    forms::Label Label1 { this, u"Label1",
        { .rect = { 1800, 1080, 3495, 735 }, .points = 14.25, .caption = u"При работе с текстовыми редакторами",
            .align = forms::Align::Centre, .tabIndex = 6 } };
    forms::CommandButton Command4 { this, u"Command4",
        { .rect = { 360, 2040, 1335, 375 }, .points = 12, .caption = u"Далее", .tabIndex = 3 } };
    forms::Label Label3 { this, u"Label3",
        { .rect = { 1800, 2040, 3135, 495 }, .points = 14.25, .caption = u"При работе в браузере",
            .align = forms::Align::Centre, .tabIndex = 7 } };
    forms::CommandButton Command5 { this, u"Command5",
        { .rect = { 360, 3000, 1335, 375 }, .points = 12, .caption = u"Далее", .tabIndex = 4 } };
    forms::Label Label4 { this, u"Label4",
        { .rect = { 1800, 3000, 3135, 495 }, .points = 14.25, .caption = u"При работе в Windows",
            .align = forms::Align::Centre, .tabIndex = 8 } };
    forms::CommandButton Command3 { this, u"Command3",
        { .rect = { 360, 3960, 1335, 375 }, .points = 12, .caption = u"Далее", .tabIndex = 2 } };
    forms::Label Label5 { this, u"Label5",
        { .rect = { 1800, 3960, 2295, 735 }, .points = 14.25, .caption = u"На Yandex-почте",
            .align = forms::Align::Centre, .tabIndex = 9 } };
    forms::CommandButton Command1 { this, u"Command1",
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/home.ico",
            .toolTip = u"Закончить", .tabIndex = 0 } };
    // clang-format on

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
};
