#include "windows/form1.h"

#include "content/texts.h"
#include "windows/form2.h"

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

void Form1::Command2_Click()
{
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
