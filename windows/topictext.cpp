#include "windows/topictext.h"

std::vector<forms::TopicItem> topicItems(content::Topic topic, TopicStyle style)
{
    std::vector<forms::TopicItem> items;
    items.reserve(topic.size());
    for (const content::Entry& entry : topic) {
        items.push_back({ .text = entry.text,
            .indent = entry.text.starts_with(u'+') ? style.iconIndent : 0,
            .emptyLineAfter = entry.blanksAfter >= style.emptyLineAfterRun });
    }
    return items;
}
