#pragma once

#include "forms/controls.h"
#include "forms/window.h"

// The text-editor page: eight shortcut buttons; a click names the action and
// shows the keyboard with the keys of the combination outlined in red. The
// pictures come from hidden stores on the same window.
class Form4 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form4";

    Form4();

    // The declarations read like the window's table, a row each; the
    // formatter leaves them as they stand.
    // clang-format off
    forms::ControlArray<forms::Label> l1 { this, u"l1",
        {
            { 0,
                { .rect = { 0, 120, 5535, 975 }, .points = 15.75,
                    .caption = u"Комбинации клавиш при работе с текстовыми редакторами",
                    .align = forms::Align::Centre, .tabIndex = 0 } },
            { 1, { .rect = { 240, 4440, 5055, 495 }, .points = 15.75, .align = forms::Align::Centre, .tabIndex = 9 } },
        } };
    forms::CommandButton Command2 { this, u"Command2",
        { .rect = { 240, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+A", .tabIndex = 1 } };
    forms::CommandButton Command3 { this, u"Command3",
        { .rect = { 1560, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+C", .tabIndex = 3 } };
    forms::CommandButton Command5 { this, u"Command5",
        { .rect = { 2880, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+Z", .tabIndex = 5 } };
    forms::CommandButton Command7 { this, u"Command7",
        { .rect = { 4200, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+O", .tabIndex = 7 } };
    forms::CommandButton Command1 { this, u"Command1",
        { .rect = { 240, 1680, 1095, 375 }, .points = 12, .caption = u"Shift+F3", .tabIndex = 2 } };
    forms::CommandButton Command4 { this, u"Command4",
        { .rect = { 1560, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+V", .tabIndex = 4 } };
    forms::CommandButton Command6 { this, u"Command6",
        { .rect = { 2880, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+Y", .tabIndex = 6 } };
    forms::CommandButton Command8 { this, u"Command8",
        { .rect = { 4200, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+S", .tabIndex = 8 } };
    forms::Image I1 { this, u"I1", { .rect = { 180, 2280, 5205, 1815 }, .picture = u":/pictures/keyboard.jpg" } };
    forms::CommandButton Command9 { this, u"Command9",
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/back.ico",
            .toolTip = u"Назад", .tabIndex = 10 } };

    // The picture stores: hidden, each holding the picture a button shows. The
    // eight shortcut pictures are made from the plain keyboard when the window
    // is built (see the outline table in the window's source).
    forms::Image SF { this, u"SF", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CA { this, u"CA", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CC { this, u"CC", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CV { this, u"CV", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CZ { this, u"CZ", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CY { this, u"CY", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CO { this, u"CO", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CS { this, u"CS", { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image I { this, u"I",
        { .rect = { 240, 2400, 5205, 1815 }, .picture = u":/pictures/keyboard.jpg", .visible = false } };
    // clang-format on

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();

    void showShortcut(std::u16string_view action, const forms::Image& store);
};
