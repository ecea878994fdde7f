#pragma once

#include "forms/controls.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// The widgets behind windows and controls.
namespace forms {

// The client area of a window: it paints the common background picture and
// turns a close from outside into the end of the program.
class WindowWidget final : public QWidget {
    Q_OBJECT

public:
    WindowWidget();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_background;
};

// Labels and images never take the focus and have transparent backgrounds, so
// the window's background picture shows through them.
class LabelWidget final : public QWidget {
    Q_OBJECT

public:
    LabelWidget(QWidget* parent, Align align, const QString& caption);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    void setTopicLayout(std::vector<TopicItem> items, int linePitch);
    const std::vector<TopicLine>& topicLines() const;
    int linePitch() const { return m_linePitch; }

Q_SIGNALS:
    void clicked();
    void mouseDown(forms::MouseEvent event);
    void mouseUp(forms::MouseEvent event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    MouseEvent mouseEvent(const QMouseEvent* event, Qt::MouseButton button) const;

    QString m_caption;
    Align m_align;
    std::vector<TopicItem> m_topicItems;
    mutable std::vector<TopicLine> m_topicLines;
    mutable bool m_topicLaidOut = false;
    int m_linePitch = 0;
    bool m_pressed = false;
};

class ImageWidget final : public QWidget {
    Q_OBJECT

public:
    explicit ImageWidget(QWidget* parent);

    const Picture& picture() const { return m_picture; }
    void setPicture(Picture picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture m_picture;
};

// A command button. Enter and keypad Enter on a focused button click it, as
// Space does; no button is ever its window's default button, so Enter
// elsewhere in the window clicks none.
class ButtonWidget final : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A one-line text box. Text that arrives whole, pasted from the clipboard or
// the selection or dropped on the box, keeps only what comes before its first
// line break, as the window system's one-line box does; it goes in at the
// cursor and replaces the selection. Text with no line break, nearly all that
// arrives, goes through the line edit's own paste or drop. Typed text goes in
// as typed.
class TextBoxWidget final : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBoxWidget(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where the clipboard (or the selection) holds a line break, pastes what
    // comes before it as an undo step of its own and returns true; any other
    // text is left to the line edit's own paste.
    bool pasteFirstLine(QClipboard::Mode mode);
    // The next change of the text begins a new undo step.
    void beginUndoStep();

    // The line edit's inner control, which tells the screen of every move of
    // the cursor.
    QObject* m_lineControl = nullptr;
};

// A list box. An empty list that has the focus shows it where its first row
// would stand, as a list with rows shows it on the current row.
class ListBoxWidget final : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
