#pragma once

#include "content/topics.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "windows/topictext.h"

// The web-mail page: five topic buttons, each showing its own topic text in the
// one rectangle the five texts share.
class Form5 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form5";

    Form5();

    // The declarations read like the window's table, a row each; the
    // formatter leaves them as they stand.
    // clang-format off
    forms::ControlArray<forms::Label> l1 { this, u"l1",
        { { 0,
            { .rect = { 0, 120, 5535, 495 }, .points = 15.75, .caption = u"Комбинации клавиш на Yandex-почте",
                .align = forms::Align::Centre, .tabIndex = 0 } } } };
    forms::CommandButton Command2 { this, u"Command2",
        { .rect = { 240, 720, 1095, 375 }, .points = 12, .caption = u"Общие", .tabIndex = 5 } };
    forms::CommandButton Command3 { this, u"Command3",
        { .rect = { 1560, 720, 1695, 375 }, .points = 12, .caption = u"Список писем", .tabIndex = 3 } };
    forms::CommandButton Command5 { this, u"Command5",
        { .rect = { 3480, 720, 1815, 375 }, .points = 12, .caption = u"Чтение письма", .tabIndex = 1 } };
    forms::CommandButton Command1 { this, u"Command1",
        { .rect = { 240, 1200, 2175, 375 }, .points = 12, .caption = u"Написание письма", .tabIndex = 4 } };
    forms::CommandButton Command4 { this, u"Command4",
        { .rect = { 2640, 1200, 2655, 375 }, .points = 12, .caption = u"Персональные кнопки", .tabIndex = 2 } };
    forms::Label y1 { this, u"y1",
        { .rect = { 240, 1680, 5055, 3255 }, .points = 12, .caption = topicCaption(content::mailGeneralTopic),
            .tabIndex = 10, .visible = false } };
    forms::Label y2 { this, u"y2",
        { .rect = { 240, 1680, 5055, 3255 }, .points = 9.75, .caption = topicCaption(content::mailListTopic),
            .tabIndex = 11, .visible = false } };
    forms::Label y3 { this, u"y3",
        { .rect = { 240, 1680, 5055, 3255 }, .points = 12, .caption = topicCaption(content::mailReadingTopic),
            .tabIndex = 7, .visible = false } };
    forms::Label y4 { this, u"y4",
        { .rect = { 240, 1680, 5055, 3255 }, .points = 12, .caption = topicCaption(content::mailWritingTopic),
            .tabIndex = 8, .visible = false } };
    forms::Label y5 { this, u"y5",
        { .rect = { 240, 1680, 5055, 3255 }, .points = 12, .caption = topicCaption(content::mailPersonalTopic),
            .tabIndex = 9, .visible = false } };
    forms::CommandButton Command6 { this, u"Command6",
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/back.ico",
            .toolTip = u"Назад", .tabIndex = 6 } };
    // clang-format on

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    void showOnly(const forms::Label& topic);
};
