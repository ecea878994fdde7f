#pragma once

#include "content/topics.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "windows/topictext.h"

// The page of the Windows and browser sections: the section menu sets its
// heading and shows one of its two topic texts; the Windows topic shows the
// Windows-key icons in front of the entries that use the key.
class Form3 final : public forms::Window {
public:
    static constexpr QStringView className = u"Form3";

    Form3();

    // The declarations read like the window's table, a row each; the
    // formatter leaves them as they stand.
    // clang-format off
    forms::Label l1 { this, u"l1",
        { .rect = { 0, 120, 5535, 975 }, .points = 15.75, .caption = u"Комбинации клавиш при работе ",
            .align = forms::Align::Centre, .tabIndex = 1 } };
    forms::Label Brauz2 { this, u"Brauz2",
        { .rect = { 240, 1200, 5055, 3495 }, .points = 12, .caption = topicCaption(content::browserTopic),
            .tabIndex = 2, .visible = false } };
    forms::Label wind3 { this, u"wind3",
        { .rect = { 240, 1200, 5055, 3495 }, .points = 12, .caption = topicCaption(content::windowsTopic),
            .tabIndex = 3, .visible = false } };
    forms::Image w1 { this, u"w1",
        { .rect = { 240, 1780, 300, 300 }, .picture = u":/pictures/winkey.ico",
            .accessibleName = u"Win", .visible = false } };
    forms::Image w2 { this, u"w2",
        { .rect = { 240, 2340, 300, 300 }, .picture = u":/pictures/winkey.ico",
            .accessibleName = u"Win", .visible = false } };
    forms::Image w3 { this, u"w3",
        { .rect = { 240, 2640, 300, 300 }, .picture = u":/pictures/winkey.ico",
            .accessibleName = u"Win", .visible = false } };
    forms::Image w4 { this, u"w4",
        { .rect = { 240, 3780, 300, 300 }, .picture = u":/pictures/winkey.ico",
            .accessibleName = u"Win", .visible = false } };
    forms::CommandButton Command1 { this, u"Command1",
        { .rect = { 4920, 4920, 615, 615 }, .points = 9, .picture = u":/pictures/back.ico",
            .toolTip = u"Назад", .tabIndex = 0 } };
    // clang-format on

private:
    void Command1_Click();
};
