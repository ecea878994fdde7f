#pragma once

#include <string_view>

// The fixed texts that handlers write into controls. Texts that only stand in a
// window's description live beside the control that shows them.
namespace content {

// The credits of the start window: the starting line of the second credit
// label, and the two lines shown while the credits letter is held down.
inline constexpr std::u16string_view creditStart = u"Справочник горячих клавиш";
inline constexpr std::u16string_view creditLine1 = u"Тексты собрал автор программы Ворсилан";
inline constexpr std::u16string_view creditLine2 = u"Рисунки нарисованы программой, 2026 г.";

// The headings that the section menu gives the Windows and browser page.
inline constexpr std::u16string_view browserHeading = u"Комбинации клавиш при работе в браузере";
inline constexpr std::u16string_view windowsHeading = u"Комбинации клавиш при работе в Windows";

} // namespace content

// What the shortcut buttons of the text-editor page do.
namespace content {

inline constexpr std::u16string_view changeFontAction = u"Изменить вид шрифта";
inline constexpr std::u16string_view selectAllAction = u"Выделить весь текст";
inline constexpr std::u16string_view copyAction = u"Скопировать выделенный текст";
inline constexpr std::u16string_view pasteAction = u"Вставить выделенный текст";
inline constexpr std::u16string_view undoAction = u"Отмена действия";
inline constexpr std::u16string_view redoAction = u"Вернуть предыдущее действие";
inline constexpr std::u16string_view openAction = u"Открыть документ";
inline constexpr std::u16string_view saveAction = u"Сохранить документ";

} // namespace content
