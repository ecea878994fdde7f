#pragma once

#include "forms/pictures.h"
#include "forms/runtime.h"
#include "forms/topiclayout.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace forms {

class Window;
class LabelWidget;
class ImageWidget;

// A rectangle in twips (15 twips to a pixel) from the top-left corner of the
// client area: Left, Top, Width, Height, as the window tables give them.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Align { Left, Centre };

// The description of one control, in the order the window tables read:
// rectangle, font size, caption or text, alignment, picture, tool tip, the name
// a screen reader gives it, tab index and whether it is visible when the window
// is created. A font size of 0 keeps the platform's default font; a tab index
// of -1 takes no part in the tab order. The accessible name is for a control
// that shows no text to be named by; a picture button needs none, its tool tip
// names it. The texts are views: the control copies them as it is built.
struct Props {
    Rect rect;
    double points = 0;
    QStringView caption {};
    Align align = Align::Left;
    QStringView picture {};
    QStringView toolTip {};
    QStringView accessibleName {};
    int tabIndex = -1;
    bool visible = true;
};

// The mouse event of a label: which button (1 left, 2 right, 4 middle), the
// Shift, Ctrl and Alt state (1, 2, 4), and the position in twips.
struct MouseEvent {
    int button = 0;
    int shift = 0;
    double x = 0;
    double y = 0;
};

// What every control shares: its window, its name and visibility.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const QString& name() const { return m_name; }
    void setVisible(bool visible);
    bool isVisible() const;
    QWidget* widget() const { return m_widget; }

protected:
    Control(Window* window, QStringView name, QStringView kind, QWidget* widget, const Props& props);
    void check(QStringView member) const;

private:
    Window* m_window;
    QString m_name;
    QStringView m_kind;
    QWidget* m_widget;
};

class Label final : public Control {
public:
    Label(Window* window, QStringView name, const Props& props);

    QString caption() const;
    void setCaption(QStringView caption);

    // A topic text: the caption stays as stored, and the label paints the
    // entries line by line, one entry to a new line, lines `linePitch` pixels
    // apart from its top.
    void setTopicLayout(std::vector<TopicItem> items, int linePitch);
    // The lines the label paints, with the font it really renders with.
    const std::vector<TopicLine>& topicLines() const;
    int linePitch() const;

    LabelWidget* labelWidget() const;
};

class CommandButton final : public Control {
public:
    CommandButton(Window* window, QStringView name, const Props& props);

    QString caption() const;

    // Assistive technology describes the button by a label's caption: the
    // words beside it that tell what it opens, where its own caption does not.
    void describeBy(const Label& label);

    QPushButton* button() const;
};

class TextBox final : public Control {
public:
    TextBox(Window* window, QStringView name, const Props& props);

    QString text() const;
    void setText(QStringView text);

    QLineEdit* lineEdit() const;
};

class ListBox final : public Control {
public:
    ListBox(Window* window, QStringView name, const Props& props);

    void clear();
    void addItem(QStringView item);

    QStringList items() const;
    QListWidget* list() const;
};

class Image final : public Control {
public:
    Image(Window* window, QStringView name, const Props& props);

    Picture picture() const;
    void setPicture(Picture picture);

    ImageWidget* imageWidget() const;
};

// "Form4.l1": a control's name within the program, as errors name it.
QString qualifiedName(const Window& window, QStringView name);

// A control array: controls of one kind under one name, told apart by index.
template<class C>
class ControlArray {
public:
    ControlArray(Window* window, QStringView name, std::initializer_list<std::pair<int, Props>> elements)
        : m_name(qualifiedName(*window, name))
    {
        for (const auto& [index, props] : elements) {
            const QString element = name.toString() + u'(' + QString::number(index) + u')';
            m_items.emplace_back(index, std::make_unique<C>(window, element, props));
        }
    }

    // The element with the given index; an index the array does not hold is
    // the runtime's error.
    C& item(int index)
    {
        Runtime::current().check(u"Object", m_name, u"Item");
        for (auto& [i, control] : m_items) {
            if (i == index)
                return *control;
        }
        throw Error(QStringLiteral("Object"), m_name, QStringLiteral("Item"));
    }

private:
    QString m_name;
    std::vector<std::pair<int, std::unique_ptr<C>>> m_items;
};

} // namespace forms
