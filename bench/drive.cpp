#include "drive.h"

#include "forms/runtime.h"
#include "forms/widgets.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

using forms::window;

void click(forms::CommandButton& button)
{
    button.button()->click();
}

void mouse(QEvent::Type type, forms::Label& label)
{
    const QPointF at(10, 10);
    QMouseEvent event(type, at, label.widget()->mapToGlobal(at), Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label.widget(), &event);
}

int visibleWindow()
{
    for (forms::Window* w : forms::Runtime::current().windows()) {
        if (w->isVisible())
            return w->name().back().digitValue();
    }
    return 0;
}

// Back to the section menu from wherever the program stands.
void toMenu()
{
    switch (visibleWindow()) {
    case 1: click(window<Form1>().Command1); break;
    case 3: click(window<Form3>().Command1); break;
    case 4: click(window<Form4>().Command9); break;
    case 5: click(window<Form5>().Command6); break;
    default: break;
    }
}

void toStart()
{
    if (visibleWindow() != 1) {
        toMenu();
        click(window<Form2>().Command1);
    }
}

void toPage(int page)
{
    if (visibleWindow() == page)
        return;
    toMenu();
    Form2& menu = window<Form2>();
    click(page == 4 ? menu.Command2 : page == 5 ? menu.Command3 : menu.Command4);
}

void setQuery(const QString& query)
{
    window<Form1>().t1.lineEdit()->setText(query);
}

} // namespace

std::vector<Handler> everyHandler()
{
    std::vector<Handler> handlers;
    auto add = [&handlers](std::string name, std::function<void()> prepare, std::function<void()> run) {
        handlers.push_back({ std::move(name), std::move(prepare), std::move(run) });
    };

    // One handler a line: its name, how to get there, the handler itself.
    // clang-format off
    add("Form1 start button", toStart, [] { click(window<Form1>().Command1); });
    add("Form1 search for \"+\"", [] { toStart(); setQuery(u"+"_s); }, [] { click(window<Form1>().Command2); });
    add("Form1 search, no match", [] { toStart(); setQuery(u"Ctrl+Shift+Alt+Q"_s); },
        [] { click(window<Form1>().Command2); });
    // Each handler below finds the controls it changes in the other state.
    add("Form1 hide results", [] { toStart(); setQuery(u"Ctrl"_s); click(window<Form1>().Command2); },
        [] { click(window<Form1>().Command3); });
    add("Form1 credits pressed", [] { toStart(); mouse(QEvent::MouseButtonRelease, window<Form1>().Label4); },
        [] { mouse(QEvent::MouseButtonPress, window<Form1>().Label4); });
    add("Form1 credits released", [] { toStart(); mouse(QEvent::MouseButtonPress, window<Form1>().Label4); },
        [] { mouse(QEvent::MouseButtonRelease, window<Form1>().Label4); });

    add("Form2 home button", toMenu, [] { click(window<Form2>().Command1); });
    add("Form2 text editors", toMenu, [] { click(window<Form2>().Command2); });
    add("Form2 web mail", toMenu, [] { click(window<Form2>().Command3); });
    add("Form2 browser", toMenu, [] { click(window<Form2>().Command4); });
    add("Form2 Windows", toMenu, [] { click(window<Form2>().Command5); });

    add("Form3 back button", [] { toPage(3); }, [] { click(window<Form3>().Command1); });

    // A shortcut button, after the button before it in the grid's order.
    const char* shortcuts[] = { "Shift+F3", "Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+Z", "Ctrl+Y", "Ctrl+O", "Ctrl+S" };
    auto shortcut = [](int i) -> forms::CommandButton& {
        Form4& page = window<Form4>();
        forms::CommandButton* buttons[] = { &page.Command1, &page.Command2, &page.Command3, &page.Command4,
            &page.Command5, &page.Command6, &page.Command7, &page.Command8 };
        return *buttons[i];
    };
    for (int i = 0; i < 8; ++i) {
        add(std::string("Form4 ") + shortcuts[i], [i, shortcut] { toPage(4); click(shortcut((i + 7) % 8)); },
            [i, shortcut] { click(shortcut(i)); });
    }
    add("Form4 back button", [] { toPage(4); }, [] { click(window<Form4>().Command9); });

    const char* topics[] = { "general", "list of letters", "reading a letter", "writing a letter",
        "personal buttons" };
    auto topic = [](int i) -> forms::CommandButton& {
        Form5& page = window<Form5>();
        forms::CommandButton* buttons[] = { &page.Command2, &page.Command3, &page.Command5, &page.Command1,
            &page.Command4 };
        return *buttons[i];
    };
    // A topic button, after the button of another topic.
    for (int i = 0; i < 5; ++i) {
        add(std::string("Form5 topic, ") + topics[i], [i, topic] { toPage(5); click(topic((i + 4) % 5)); },
            [i, topic] { click(topic(i)); });
    }
    add("Form5 back button", [] { toPage(5); }, [] { click(window<Form5>().Command6); });
    // clang-format on
    return handlers;
}

std::vector<std::function<void()>> round()
{
    return {
        [] { click(window<Form1>().Command1); },
        [] { click(window<Form2>().Command2); },
        [] { click(window<Form4>().Command3); },
        [] { click(window<Form4>().Command1); },
        [] { click(window<Form4>().Command9); },
        [] { click(window<Form2>().Command3); },
        [] { click(window<Form5>().Command2); },
        [] { click(window<Form5>().Command5); },
        [] { click(window<Form5>().Command4); },
        [] { click(window<Form5>().Command6); },
        [] { click(window<Form2>().Command4); },
        [] { click(window<Form3>().Command1); },
        [] { click(window<Form2>().Command5); },
        [] { click(window<Form3>().Command1); },
        [] { click(window<Form2>().Command1); },
        [] { setQuery(u"+"_s); },
        [] { click(window<Form1>().Command2); },
        [] { click(window<Form1>().Command3); },
        [] { mouse(QEvent::MouseButtonPress, window<Form1>().Label4); },
        [] { mouse(QEvent::MouseButtonRelease, window<Form1>().Label4); },
    };
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace bench
