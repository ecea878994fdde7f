#include "content/catalogue.h"

#include "content/texts.h"

#include <string_view>

namespace content {

namespace {

// A text-editor row is titled by its section and, in parentheses, the action
// that the same button names on the text-editor page.
std::u16string editorTitle(std::u16string_view action)
{
    std::u16string title = u"При работе с текстовыми редакторами (";
    title += action;
    title += u')';
    return title;
}

} // namespace

const std::array<CatalogueRow, 15>& catalogue()
{
    static const std::array<CatalogueRow, 15> rows { {
        { u"При работе в Windows", Source::Form3_wind3 },
        { u"При работе в браузере", Source::Form3_Brauz2 },
        { u"Общие на Yandex-почте", Source::Form5_y1 },
        { u"Список писем на Yandex-почте", Source::Form5_y2 },
        { u"Чтение письма на Yandex-почте", Source::Form5_y3 },
        { u"Написание письма на Yandex-почте", Source::Form5_y4 },
        { u"Персональные кнопки на Yandex-почте", Source::Form5_y5 },
        { editorTitle(changeFontAction), Source::Form4_Command1 },
        { editorTitle(selectAllAction), Source::Form4_Command2 },
        { editorTitle(copyAction), Source::Form4_Command3 },
        { editorTitle(pasteAction), Source::Form4_Command4 },
        { editorTitle(undoAction), Source::Form4_Command5 },
        { editorTitle(redoAction), Source::Form4_Command6 },
        { editorTitle(openAction), Source::Form4_Command7 },
        { editorTitle(saveAction), Source::Form4_Command8 },
    } };
    return rows;
}

} // namespace content
