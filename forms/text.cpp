#include "forms/text.h"

#include <vector>

namespace forms {

bool strEqual(std::u16string_view a, std::u16string_view b)
{
    return a == b;
}

std::size_t inStr(std::u16string_view searched, std::u16string_view sought)
{
    if (sought.empty())
        return 1;
    if (sought.size() > searched.size())
        return 0;
    // Knuth-Morris-Pratt never steps back in the searched text, so any query,
    // however long or repetitive (a pasted run of blanks against the runs of
    // blanks in a topic text), costs at most the two lengths added together.
    // QStringView::indexOf is quicker on typical queries but, on a query that
    // differs from a repetitive text only in its first unit, takes a hundred
    // times as long (bench/search.cpp).
    // border[i] is the length of the longest proper prefix of sought[0..i] that
    // is also its suffix.
    std::vector<std::size_t> border(sought.size(), 0);
    for (std::size_t i = 1, k = 0; i < sought.size(); ++i) {
        while (k > 0 && sought[i] != sought[k])
            k = border[k - 1];
        if (sought[i] == sought[k])
            ++k;
        border[i] = k;
    }
    for (std::size_t i = 0, k = 0; i < searched.size(); ++i) {
        while (k > 0 && searched[i] != sought[k])
            k = border[k - 1];
        if (searched[i] == sought[k])
            ++k;
        if (k == sought.size())
            return i + 2 - k;
    }
    return 0;
}

QStringView firstLine(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            return text.first(i);
    }
    return text;
}

} // namespace forms
