#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Line breaking of topic texts: plain C++, no widgets, so that it can be tested
// with any width function.
namespace forms {

// One entry of a topic text as the label lays it out: its text, how far in from
// the left edge its first line begins (to leave room for an icon), and whether
// an empty line follows it.
struct TopicItem {
    std::u16string_view text;
    int indent = 0;
    bool emptyLineAfter = false;
};

// One line of the layout. `entry` is the index of the item whose text it holds
// (-1 for an empty line) and `part` which line of that entry it is (0 first).
struct TopicLine {
    int entry = -1;
    int part = 0;
    int indent = 0;
    std::u16string text;

    bool operator==(const TopicLine&) const = default;
};

// The width of a text in pixels with the label's font.
using MeasureText = std::function<double(std::u16string_view)>;

// Lays the items out on lines of at most `width` pixels: every item begins a new
// line; an item wider than its line breaks at a blank, the blanks at the break
// dropped; a single word wider than a whole line stands on a line of its own.
std::vector<TopicLine> layoutTopic(std::span<const TopicItem> items, double width, const MeasureText& measure);

} // namespace forms
