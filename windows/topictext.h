#pragma once

#include "content/topics.h"
#include "forms/topiclayout.h"

#include <QString>

#include <climits>
#include <vector>

// How the pages lay out their topic texts: every entry on a new line; an entry
// that begins with "+" leaves `iconIndent` pixels for the Windows-key icon in
// front of it; an entry followed by at least `emptyLineAfterRun` blanks gets an
// empty line after it.
struct TopicStyle {
    int iconIndent = 0;
    int emptyLineAfterRun = INT_MAX;
};

std::vector<forms::TopicItem> topicItems(content::Topic topic, TopicStyle style);

inline QString topicCaption(content::Topic topic)
{
    const std::u16string text = content::caption(topic);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
