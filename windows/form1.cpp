#include "windows/form1.h"

#include "content/catalogue.h"
#include "content/texts.h"
#include "forms/text.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

using namespace Qt::Literals::StringLiterals;

Form1::Form1()
    : Window(className, { .caption = u"Ворсилан "_s, .backColor = QColor(0xE0, 0xE0, 0xE0) })
{
    onClick(Command1, &Form1::Command1_Click);
    onClick(Command2, &Form1::Command2_Click);
    onClick(Command3, &Form1::Command3_Click);
    onClick(Label1, &Form1::Label1_Click);
    onMouseDown(Label4, &Form1::Label4_MouseDown);
    onMouseUp(Label4, &Form1::Label4_MouseUp);
}

void Form1::Command1_Click()
{
    forms::window<Form2>().show();
    hide();
}

namespace {

// The caption of a catalogue row's source control. Every call refers to the
// control's window afresh, which creates a page that was never visited,
// hidden, and reads the live control.
QString sourceCaption(content::Source source)
{
    using content::Source;
    switch (source) {
    case Source::Form3_wind3: return forms::window<Form3>().wind3.caption();
    case Source::Form3_Brauz2: return forms::window<Form3>().Brauz2.caption();
    case Source::Form5_y1: return forms::window<Form5>().y1.caption();
    case Source::Form5_y2: return forms::window<Form5>().y2.caption();
    case Source::Form5_y3: return forms::window<Form5>().y3.caption();
    case Source::Form5_y4: return forms::window<Form5>().y4.caption();
    case Source::Form5_y5: return forms::window<Form5>().y5.caption();
    case Source::Form4_Command1: return forms::window<Form4>().Command1.caption();
    case Source::Form4_Command2: return forms::window<Form4>().Command2.caption();
    case Source::Form4_Command3: return forms::window<Form4>().Command3.caption();
    case Source::Form4_Command4: return forms::window<Form4>().Command4.caption();
    case Source::Form4_Command5: return forms::window<Form4>().Command5.caption();
    case Source::Form4_Command6: return forms::window<Form4>().Command6.caption();
    case Source::Form4_Command7: return forms::window<Form4>().Command7.caption();
    case Source::Form4_Command8: return forms::window<Form4>().Command8.caption();
    }
    return {};
}

} // namespace

void Form1::Command2_Click()
{
    if (forms::strEqual(t1.text(), u""))
        return;
    lt1.clear();
    for (const content::CatalogueRow& row : content::catalogue()) {
        const QString source = sourceCaption(row.source);
        const QString query = t1.text();
        if (forms::inStr(source, query) > 0)
            lt1.addItem(row.title);
    }
    lt1.setVisible(true);
}

void Form1::Command3_Click()
{
    lt1.setVisible(false);
    t1.setText(u"");
}

void Form1::Label1_Click()
{
    forms::end();
}

void Form1::Label4_MouseDown(forms::MouseEvent)
{
    l3.setCaption(content::creditLine1);
    l4.setCaption(content::creditLine2);
}

void Form1::Label4_MouseUp(forms::MouseEvent)
{
    l3.setCaption(u"");
    l4.setCaption(content::creditStart);
}
