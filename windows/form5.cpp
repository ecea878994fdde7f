#include "windows/form5.h"

#include "windows/form2.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Lines of a topic text lie 19 pixels apart at 12 pt; the 9.75 pt list of
// letters keeps the same proportion at 15 pixels, so its fourteen lines fit.
constexpr int linePitch = 19;
constexpr int smallLinePitch = 15;

} // namespace

Form5::Form5()
    : Window(className, { .caption = u"Ворсилан "_s, .backColor = QColor(0xE0, 0xE0, 0xE0) })
{
    y1.setTopicLayout(topicItems(content::mailGeneralTopic, {}), linePitch);
    y2.setTopicLayout(topicItems(content::mailListTopic, {}), smallLinePitch);
    y3.setTopicLayout(topicItems(content::mailReadingTopic, {}), linePitch);
    y4.setTopicLayout(topicItems(content::mailWritingTopic, {}), linePitch);
    y5.setTopicLayout(topicItems(content::mailPersonalTopic, {}), linePitch);
    onClick(Command1, &Form5::Command1_Click);
    onClick(Command2, &Form5::Command2_Click);
    onClick(Command3, &Form5::Command3_Click);
    onClick(Command4, &Form5::Command4_Click);
    onClick(Command5, &Form5::Command5_Click);
    onClick(Command6, &Form5::Command6_Click);
}

void Form5::Command2_Click()
{
    showOnly(y1);
}

void Form5::Command3_Click()
{
    showOnly(y2);
}

void Form5::Command5_Click()
{
    showOnly(y3);
}

void Form5::Command1_Click()
{
    showOnly(y4);
}

void Form5::Command4_Click()
{
    showOnly(y5);
}

// A topic button sets the visibility of all five topic texts, in order, each
// one explicitly: its own becomes visible, the others hidden.
void Form5::showOnly(const forms::Label& topic)
{
    y1.setVisible(&topic == &y1);
    y2.setVisible(&topic == &y2);
    y3.setVisible(&topic == &y3);
    y4.setVisible(&topic == &y4);
    y5.setVisible(&topic == &y5);
}

void Form5::Command6_Click()
{
    hide();
    forms::window<Form2>().show();
    y1.setVisible(false);
    y2.setVisible(false);
    y3.setVisible(false);
    y4.setVisible(false);
    y5.setVisible(false);
}
