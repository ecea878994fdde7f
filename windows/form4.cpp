#include "windows/form4.h"

#include "content/texts.h"
#include "windows/form2.h"

Form4::Form4()
    : Window(className, { .caption = u"Ворсилан "_s, .backColor = QColor(0xE0, 0xE0, 0xE0) })
{
    onClick(Command1, &Form4::Command1_Click);
    onClick(Command2, &Form4::Command2_Click);
    onClick(Command3, &Form4::Command3_Click);
    onClick(Command4, &Form4::Command4_Click);
    onClick(Command5, &Form4::Command5_Click);
    onClick(Command6, &Form4::Command6_Click);
    onClick(Command7, &Form4::Command7_Click);
    onClick(Command8, &Form4::Command8_Click);
    onClick(Command9, &Form4::Command9_Click);
}

void Form4::Command1_Click()
{
    showShortcut(content::changeFontAction, SF);
}

void Form4::Command2_Click()
{
    showShortcut(content::selectAllAction, CA);
}

void Form4::Command3_Click()
{
    showShortcut(content::copyAction, CC);
}

void Form4::Command4_Click()
{
    showShortcut(content::pasteAction, CV);
}

void Form4::Command5_Click()
{
    showShortcut(content::undoAction, CZ);
}

void Form4::Command6_Click()
{
    showShortcut(content::redoAction, CY);
}

void Form4::Command7_Click()
{
    showShortcut(content::openAction, CO);
}

void Form4::Command8_Click()
{
    showShortcut(content::saveAction, CS);
}

// A shortcut button names its action, then shows its store's very picture.
void Form4::showShortcut(std::u16string_view action, const forms::Image& store)
{
    l1.item(1).setCaption(action);
    I1.setPicture(store.picture());
}

void Form4::Command9_Click()
{
    forms::window<Form2>().show();
    hide();
    I1.setPicture(I.picture());
    l1.item(1).setCaption(u"");
}
