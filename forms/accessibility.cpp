#include "forms/accessibility.h"

#include "forms/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace forms {

namespace {

class AccessibleLabel final : public QAccessibleWidget {
public:
    explicit AccessibleLabel(LabelWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const LabelWidget*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<LabelWidget*>(object))
        return new AccessibleLabel(label);
    if (auto* image = qobject_cast<ImageWidget*>(object))
        return new QAccessibleWidget(image, QAccessible::Graphic);
    // A window, named by its title, so that a screen reader announces the
    // window the user arrives in.
    if (auto* surface = qobject_cast<WindowWidget*>(object))
        return new QAccessibleWidget(surface, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(controlInterface);
}

} // namespace forms
