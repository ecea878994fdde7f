#include "support.h"

#include "forms/controls.h"
#include "forms/window.h"
#include "windows/form1.h"

#include <QFontDatabase>
#include <QPoint>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace support {

void Program::start()
{
    // Only one runtime may exist at a time.
    m_runtime.reset();
    m_runtime = std::make_unique<forms::Runtime>();
    ends.clear();
    failures.clear();
    operations.clear();
    m_runtime->setEndHook([this](int status) { ends.append(status); });
    m_runtime->setFailureReporter([this](const forms::Error& error) {
        failures.append(operationName(error.kind(), error.object(), error.member()));
        forms::Runtime::current().end(1);
    });
    // The start-up: the startup window is created and shown.
    forms::window<Form1>().show();
}

void Program::stop()
{
    m_runtime.reset();
}

void Program::recordOperations()
{
    operations.clear();
    m_runtime->setFailureHook([this](QStringView kind, QStringView object, QStringView member) {
        operations.append(operationName(kind, object, member));
        return false;
    });
}

void Program::failOn(const QString& operation)
{
    m_runtime->setFailureHook([operation](QStringView kind, QStringView object, QStringView member) {
        return operationName(kind, object, member) == operation;
    });
}

void Program::failOn(QStringView kind, QStringView object, QStringView member)
{
    failOn(operationName(kind, object, member));
}

QString operationName(QStringView kind, QStringView object, QStringView member)
{
    return kind.toString() + u' ' + object.toString() + u'.' + member.toString();
}

QStringList operationsOf(const QStringList& operations, std::initializer_list<QStringView> kinds)
{
    QStringList result;
    for (const QString& operation : operations) {
        const qsizetype blank = operation.indexOf(u' ');
        if (blank < 0)
            continue;
        for (QStringView kind : kinds) {
            if (QStringView(operation).first(blank) == kind)
                result.append(operation.mid(blank + 1));
        }
    }
    return result;
}

QStringList moves(const QStringList& operations)
{
    QStringList result;
    for (const QString& step : operationsOf(operations, { u"Form" })) {
        if (step.endsWith(u".Show") || step.endsWith(u".Hide"))
            result.append(step);
    }
    return result;
}

QStringList visibleWindows()
{
    QStringList names;
    for (forms::Window* w : forms::Runtime::current().windows()) {
        if (w->isVisible())
            names.append(w->name());
    }
    return names;
}

void click(forms::CommandButton& button)
{
    QTest::mouseClick(button.button(), Qt::LeftButton);
}

QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QImage paintedAlone(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QRect inkBox(const QImage& image, const QRect& band, int alphaAbove)
{
    QRect box;
    const QRect area = band.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(image.pixel(x, y)) > alphaAbove)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QRect inkBox(const QImage& image)
{
    return inkBox(image, image.rect(), 0);
}

const QStringList titles {
    u"При работе в Windows"_s,
    u"При работе в браузере"_s,
    u"Общие на Yandex-почте"_s,
    u"Список писем на Yandex-почте"_s,
    u"Чтение письма на Yandex-почте"_s,
    u"Написание письма на Yandex-почте"_s,
    u"Персональные кнопки на Yandex-почте"_s,
    u"При работе с текстовыми редакторами (Изменить вид шрифта)"_s,
    u"При работе с текстовыми редакторами (Выделить весь текст)"_s,
    u"При работе с текстовыми редакторами (Скопировать выделенный текст)"_s,
    u"При работе с текстовыми редакторами (Вставить выделенный текст)"_s,
    u"При работе с текстовыми редакторами (Отмена действия)"_s,
    u"При работе с текстовыми редакторами (Вернуть предыдущее действие)"_s,
    u"При работе с текстовыми редакторами (Открыть документ)"_s,
    u"При работе с текстовыми редакторами (Сохранить документ)"_s,
};

QString controlFace()
{
    return QFontDatabase::hasFamily(u"Candara"_s) ? u"Candara"_s : u"Carlito"_s;
}

} // namespace support
