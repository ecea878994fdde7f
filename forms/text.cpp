#include "forms/text.h"

#include <algorithm>
#include <functional>

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
    // Horspool keeps a long pasted query against a long topic text linear in
    // practice, whatever code units the query holds.
    const auto found = std::search(searched.begin(), searched.end(),
        std::boyer_moore_horspool_searcher(sought.begin(), sought.end()));
    return found == searched.end() ? 0 : static_cast<std::size_t>(found - searched.begin()) + 1;
}

} // namespace forms
