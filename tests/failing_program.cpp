// The real program with one operation made to fail, for the runtime tests to
// run in a process of its own: the failure goes through the real message box
// and the real end of the program, which a test cannot do in its own process.
//
//     failing_program "Kind Object.Member" start|credits
//
// It starts the program as the real start-up does, makes the named operation
// fail, and presses the start button or the credits label. It prints the text
// of every message box that appears ("message: ", line breaks as "\n") and its
// buttons ("button: "), then answers it with its default button, as a user
// would. The exit status is the one the program ends with.

#include "support.h"

#include "forms/runtime.h"
#include "windows/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

void print(const QString& line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 || (arguments.at(2) != u"start" && arguments.at(2) != u"credits")) {
        std::fputs("usage: failing_program \"Kind Object.Member\" start|credits\n", stderr);
        return 2;
    }
    const QString failing = arguments.at(1);
    const bool credits = arguments.at(2) == u"credits";

    forms::Runtime runtime;
    runtime.setFailureHook([failing](QStringView kind, QStringView object, QStringView member) {
        return support::operationName(kind, object, member) == failing;
    });

    // The message box is modal: it runs its own loop, in which this watcher
    // finds it and answers it.
    bool answered = false;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&answered] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            print(u"message: "_s + QString(box->text()).replace(u'\n', u"\\n"_s));
            for (QAbstractButton* button : box->buttons())
                print(u"button: "_s + button->text());
            QAbstractButton* answer = box->defaultButton();
            if (!answer)
                answer = box->buttons().value(0);
            if (answer)
                answer->click();
            else
                box->done(0);
            answered = true;
            return;
        }
    });
    watcher.start();

    QTimer::singleShot(0, [&answered, credits] {
        Form1& start = forms::window<Form1>();
        if (credits)
            QTest::mousePress(start.Label4.widget(), Qt::LeftButton);
        else
            QTest::mouseClick(start.Command1.button(), Qt::LeftButton);
        // The handler returns only once the failure has been answered; without
        // a message box the program would run on, so it stops here instead.
        if (!answered) {
            print(u"no message box"_s);
            QCoreApplication::exit(3);
        }
    });

    return runtime.run<Form1>();
}
