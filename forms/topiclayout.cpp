#include "forms/topiclayout.h"

#include <algorithm>

namespace forms {

namespace {

constexpr char16_t blank = u' ';

// Where the line that begins `rest` ends: the longest run of whole words that
// fits, or the first word alone when not even that fits.
std::size_t lineEnd(std::u16string_view rest, double room, const MeasureText& measure)
{
    if (measure(rest) <= room)
        return rest.size();
    std::size_t fits = std::u16string_view::npos;
    for (std::size_t pos = rest.find(blank); pos != std::u16string_view::npos; pos = rest.find(blank, pos + 1)) {
        if (pos == 0 || rest[pos - 1] == blank)
            continue;
        if (measure(rest.substr(0, pos)) > room)
            break;
        fits = pos;
    }
    if (fits != std::u16string_view::npos)
        return fits;
    return std::min(rest.find(blank), rest.size());
}

} // namespace

std::vector<TopicLine> layoutTopic(std::span<const TopicItem> items, double width, const MeasureText& measure)
{
    std::vector<TopicLine> lines;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TopicItem& item = items[i];
        const int entry = static_cast<int>(i);
        std::u16string_view rest = item.text;
        int part = 0;
        int indent = item.indent;
        do {
            const std::size_t end = lineEnd(rest, width - indent, measure);
            lines.push_back({ entry, part, indent, std::u16string(rest.substr(0, end)) });
            rest.remove_prefix(end);
            rest.remove_prefix(std::min(rest.find_first_not_of(blank), rest.size()));
            ++part;
            indent = 0;
        } while (!rest.empty());
        if (item.emptyLineAfter)
            lines.push_back({});
    }
    return lines;
}

} // namespace forms
