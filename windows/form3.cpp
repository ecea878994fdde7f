#include "windows/form3.h"

#include "windows/form2.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Lines of a topic text lie 285 twips (19 pixels) apart. The Windows-key icons
// are 20 pixels wide at the label's left edge; the entries they mark begin just
// right of them. A run of 130 or more blanks leaves an empty line behind the
// entry it follows.
constexpr int linePitch = 19;
constexpr TopicStyle style { .iconIndent = 22, .emptyLineAfterRun = 130 };

} // namespace

Form3::Form3()
    : Window(className, { .caption = u"Ворсилан"_s, .backColor = std::nullopt })
{
    Brauz2.setTopicLayout(topicItems(content::browserTopic, style), linePitch);
    wind3.setTopicLayout(topicItems(content::windowsTopic, style), linePitch);
    onClick(Command1, &Form3::Command1_Click);
}

void Form3::Command1_Click()
{
    hide();
    forms::window<Form2>().show();
    Brauz2.setVisible(false);
    wind3.setVisible(false);
    w1.setVisible(false);
    w2.setVisible(false);
    w3.setVisible(false);
    w4.setVisible(false);
}
