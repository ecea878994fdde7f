#pragma once

#include <span>
#include <string>
#include <string_view>

// The topic texts: lists of shortcuts, each entry the keys, " - " and what they
// do. A caption is the entries joined, each followed by its run of blanks; the
// whole caption, blanks included, is what the search reads, so not one blank
// may be lost.
namespace content {

struct Entry {
    std::u16string_view text;
    int blanksAfter = 0;
};

using Topic = std::span<const Entry>;

// The caption of a topic text: every entry followed by its blanks, the last by
// none.
std::u16string caption(Topic topic);

// The Windows page. Entries that use the Windows key begin with "+": the page
// shows the key as an icon in front of them.
inline constexpr Entry windowsTopic[] = {
    { u"Alt+Tab - переключение между окнами", 142 },
    { u"+D - сворачивание окон и отображение рабочего стола", 84 },
    { u"+Down - свернуть окно", 59 },
    { u"+Up - развернуть окно", 132 },
    { u"Alt+Ctrl+Delete - открыть диспечер задач", 138 },
    { u"+L - блокирование компьютера или смена пользователей", 0 },
};

// The browser page.
inline constexpr Entry browserTopic[] = {
    { u"Alt+D - выделить текст в адресной строке", 1 },
    { u"Ctrl+Enter - автоматически добавить www. в начало и .com в конце выделенного вами слова и открыть эту страницу",
        157 },
    { u"Ctrl+T - открыть новую вкладку", 22 },
    { u"Ctrl+Tab - переключение на следующую вкладку, т.е. на одну вправо", 31 },
    { u"Ctrl+W - закрыть текущую вкладку", 130 },
    { u"Ctrl+N - открыть новое окно браузера", 9 },
    { u"Alt+F4 - закрыть текущее окно браузера", 0 },
};

// The web-mail page: general shortcuts.
inline constexpr Entry mailGeneralTopic[] = {
    { u"F9 - проверить почту", 59 },
    { u"W, C - написать письмо", 53 },
    { u"Ctrl+I -  перейти во \"Входящие\"", 28 },
    { u"Shif+P - распечатать", 65 },
    { u"/ - поиск", 93 },
    { u"? - помощь по горячим клавишам", 23 },
    { u"Left/Right - перемещение между колонками", 1 },
    { u"Up/Down - перемещение по папкам и меткам", 1 },
    { u"Space - свернуть/развернуть список папок", 0 },
};

// The web-mail page: the list of letters.
inline constexpr Entry mailListTopic[] = {
    { u"Left/Right - перемещение между колонками", 22 },
    { u"Up/Down - предыдущее/следующее письмо", 20 },
    { u"Enter - свернуть/развернуть обсуждения, открыть выбранное письмо", 48 },
    { u"Shift+Up/Down - выделить/снять выделение", 17 },
    { u"Ctrl+A - выделить все письма", 56 },
    { u"L - поставить метку на выбранное письмо", 30 },
    { u"M - переложить в папку выбранные письма", 27 },
    { u"Q -  пометить прочитанным", 58 },
    { u"U - пометить непрочитанным/показать непрочитанные", 8 },
    { u"F - переслать выбранные письма", 49 },
    { u"I - пометить выбранные письма как важные/показать важные", 90 },
    { u"Delete - удалить выбранные письма", 0 },
};

// The web-mail page: reading a letter.
inline constexpr Entry mailReadingTopic[] = {
    { u"Shift+U - пометить письмо непрочитанным", 1 },
    { u"Shift+S - пометить письмо как спам/не спам", 1 },
    { u"Shift+I - пометить письмо как важное/не важное", 1 },
    { u"Shift+L - поставить на письмо метку", 11 },
    { u"Shift+M - переложить письмо в папку", 13 },
    { u"Shift+F - переслать письмо", 38 },
    { u"Shift+E - ответить", 56 },
    { u"Shift+S - ответить всем", 49 },
    { u"Ctrl+S - сохранить в виде архив", 0 },
};

// The web-mail page: writing a letter.
inline constexpr Entry mailWritingTopic[] = {
    { u"+ - прикрепить файл", 64 },
    { u"Ctrl+Enter - отправить письмо", 30 },
    { u"Ctrl+S - сохранить как черновик", 0 },
};

// The web-mail page: the personal buttons.
inline constexpr Entry mailPersonalTopic[] = {
    { u"A - архивировать", 61 },
    { u"Alt+F - переслать указанному получателю", 7 },
    { u"Alt+M - переложить в папку, выбранную заранее", 82 },
    { u"Alt+L - поставить метку", 46 },
    { u"Alt+R - ответить на письмо заданным текстом", 0 },
};

} // namespace content
