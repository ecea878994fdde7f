#include "content/topics.h"

namespace content {

std::u16string caption(Topic topic)
{
    std::u16string result;
    for (const Entry& entry : topic) {
        result += entry.text;
        result.append(static_cast<std::size_t>(entry.blanksAfter), u' ');
    }
    return result;
}

} // namespace content
