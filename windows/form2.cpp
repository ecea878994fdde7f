#include "windows/form2.h"

#include "content/texts.h"
#include "windows/form1.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

using namespace Qt::Literals::StringLiterals;

Form2::Form2()
    : Window(className, { .caption = u"Ворсилан"_s, .backColor = QColor(0xE0, 0xE0, 0xE0) })
{
    onClick(Command1, &Form2::Command1_Click);
    onClick(Command2, &Form2::Command2_Click);
    onClick(Command3, &Form2::Command3_Click);
    onClick(Command4, &Form2::Command4_Click);
    onClick(Command5, &Form2::Command5_Click);
    // Four buttons read "Далее"; a screen reader tells them apart by the
    // section beside each.
    Command2.describeBy(Label1);
    Command4.describeBy(Label3);
    Command5.describeBy(Label4);
    Command3.describeBy(Label5);
}

void Form2::Command1_Click()
{
    forms::window<Form1>().show();
    hide();
}

void Form2::Command2_Click()
{
    forms::window<Form4>().show();
    hide();
}

void Form2::Command3_Click()
{
    forms::window<Form5>().show();
    hide();
}

void Form2::Command4_Click()
{
    forms::window<Form3>().show();
    hide();
    forms::window<Form3>().l1.setCaption(content::browserHeading);
    forms::window<Form3>().Brauz2.setVisible(true);
}

void Form2::Command5_Click()
{
    forms::window<Form3>().show();
    hide();
    forms::window<Form3>().l1.setCaption(content::windowsHeading);
    forms::window<Form3>().wind3.setVisible(true);
    forms::window<Form3>().w1.setVisible(true);
    forms::window<Form3>().w2.setVisible(true);
    forms::window<Form3>().w3.setVisible(true);
    forms::window<Form3>().w4.setVisible(true);
}
