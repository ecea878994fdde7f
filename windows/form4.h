#pragma once

#include "forms/controls.h"
#include "forms/window.h"

using namespace Qt::Literals::StringLiterals;

// The text-editor page: eight shortcut buttons; a click names the action and
// shows the keyboard with the keys of the combination outlined in red. The
// pictures come from hidden stores on the same window.
class Form4 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form4";

    Form4();

    forms::ControlArray<forms::Label> l1 { this, u"l1"_s,
        {
            { 0,
                { .rect = { 0, 120, 5535, 975 }, .points = 15.75,
                    .caption = u"Комбинации клавиш при работе с текстовыми редакторами"_s,
                    .align = forms::Align::Centre, .tabIndex = 0 } },
            { 1, { .rect = { 240, 4440, 5055, 495 }, .points = 15.75, .align = forms::Align::Centre, .tabIndex = 9 } },
        } };
    forms::CommandButton Command2 { this, u"Command2"_s,
        { .rect = { 240, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+A"_s, .tabIndex = 1 } };
    forms::CommandButton Command3 { this, u"Command3"_s,
        { .rect = { 1560, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+C"_s, .tabIndex = 3 } };
    forms::CommandButton Command5 { this, u"Command5"_s,
        { .rect = { 2880, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+Z"_s, .tabIndex = 5 } };
    forms::CommandButton Command7 { this, u"Command7"_s,
        { .rect = { 4200, 1200, 1095, 375 }, .points = 12, .caption = u"Ctrl+O"_s, .tabIndex = 7 } };
    forms::CommandButton Command1 { this, u"Command1"_s,
        { .rect = { 240, 1680, 1095, 375 }, .points = 12, .caption = u"Shift+F3"_s, .tabIndex = 2 } };
    forms::CommandButton Command4 { this, u"Command4"_s,
        { .rect = { 1560, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+V"_s, .tabIndex = 4 } };
    forms::CommandButton Command6 { this, u"Command6"_s,
        { .rect = { 2880, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+Y"_s, .tabIndex = 6 } };
    forms::CommandButton Command8 { this, u"Command8"_s,
        { .rect = { 4200, 1680, 1095, 375 }, .points = 12, .caption = u"Ctrl+S"_s, .tabIndex = 8 } };
    forms::Image I1 { this, u"I1"_s, { .rect = { 180, 2280, 5205, 1815 }, .picture = u":/pictures/keyboard.jpg"_s } };
    forms::CommandButton Command9 { this, u"Command9"_s,
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/back.ico"_s,
            .toolTip = u"Назад"_s, .tabIndex = 10 } };

    // The picture stores: hidden, each holding the picture a button shows. The
    // eight shortcut pictures are made from the plain keyboard when the window
    // is built (see the outline table in the window's source).
    forms::Image SF { this, u"SF"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CA { this, u"CA"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CC { this, u"CC"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CV { this, u"CV"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CZ { this, u"CZ"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CY { this, u"CY"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CO { this, u"CO"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image CS { this, u"CS"_s, { .rect = { 240, 2280, 5205, 1815 }, .visible = false } };
    forms::Image I { this, u"I"_s,
        { .rect = { 240, 2400, 5205, 1815 }, .picture = u":/pictures/keyboard.jpg"_s, .visible = false } };

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
