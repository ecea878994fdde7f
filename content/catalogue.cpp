#include "content/catalogue.h"

namespace content {

namespace {

// Each title is written out in full. A text-editor row names, in parentheses,
// the action that its button names on the text-editor page; the search tests
// check that the two agree.
constexpr std::array<CatalogueRow, 15> rows { {
    { u"При работе в Windows", Source::Form3_wind3 },
    { u"При работе в браузере", Source::Form3_Brauz2 },
    { u"Общие на Yandex-почте", Source::Form5_y1 },
    { u"Список писем на Yandex-почте", Source::Form5_y2 },
    { u"Чтение письма на Yandex-почте", Source::Form5_y3 },
    { u"Написание письма на Yandex-почте", Source::Form5_y4 },
    { u"Персональные кнопки на Yandex-почте", Source::Form5_y5 },
    { u"При работе с текстовыми редакторами (Изменить вид шрифта)", Source::Form4_Command1 },
    { u"При работе с текстовыми редакторами (Выделить весь текст)", Source::Form4_Command2 },
    { u"При работе с текстовыми редакторами (Скопировать выделенный текст)", Source::Form4_Command3 },
    { u"При работе с текстовыми редакторами (Вставить выделенный текст)", Source::Form4_Command4 },
    { u"При работе с текстовыми редакторами (Отмена действия)", Source::Form4_Command5 },
    { u"При работе с текстовыми редакторами (Вернуть предыдущее действие)", Source::Form4_Command6 },
    { u"При работе с текстовыми редакторами (Открыть документ)", Source::Form4_Command7 },
    { u"При работе с текстовыми редакторами (Сохранить документ)", Source::Form4_Command8 },
} };

} // namespace

const std::array<CatalogueRow, 15>& catalogue()
{
    return rows;
}

} // namespace content
