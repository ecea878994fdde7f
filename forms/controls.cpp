#include "forms/controls.h"

#include "forms/platform.h"
#include "forms/runtime.h"
#include "forms/text.h"
#include "forms/widgets.h"
#include "forms/window.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include <limits>

namespace forms {

namespace {

int pixels(int twips)
{
    return qRound(twips / 15.0);
}

QRect pixels(const Rect& rect)
{
    return { pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height) };
}

// Candara bold at the given size, Carlito bold where Candara is missing. Sizes
// are turned into pixels at 96 dots per inch, so that the layouts do not depend
// on the screen's reported resolution.
QFont controlFont(double points)
{
    QFont font;
    font.setFamily(platform::controlFace());
    font.setBold(true);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    return font;
}

QWidget* prepare(QWidget* widget, Window* window, QStringView name, const Props& props)
{
    widget->setObjectName(name.toString());
    widget->setGeometry(pixels(props.rect));
    if (props.points > 0)
        widget->setFont(controlFont(props.points));
    if (!props.toolTip.isEmpty())
        widget->setToolTip(props.toolTip.toString());
    // A control that shows a picture and no text, a picture button above all,
    // is named by its tool tip, as the user learns it, unless the table names
    // it.
    const bool pictureOnly = !props.picture.isEmpty() && props.caption.isEmpty();
    const QStringView accessibleName
        = props.accessibleName.isEmpty() && pictureOnly ? props.toolTip : props.accessibleName;
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName.toString());
    if (widget->focusPolicy() != Qt::NoFocus && props.tabIndex >= 0)
        window->addToTabOrder(widget, props.tabIndex);
    widget->setVisible(props.visible);
    return widget;
}

} // namespace

// --- Control ---------------------------------------------------------------

Control::Control(Window* window, QStringView name, QStringView kind, QWidget* widget, const Props& props)
    : m_window(window)
    , m_name(name.toString())
    , m_kind(kind)
    , m_widget(prepare(widget, window, m_name, props))
{
}

void Control::check(QStringView member) const
{
    // The control's full name is only made when a hook may need it.
    Runtime& runtime = Runtime::current();
    if (runtime.hasFailureHook())
        runtime.check(m_kind, qualifiedName(*m_window, m_name), member);
}

QString qualifiedName(const Window& window, QStringView name)
{
    return window.name() + u'.' + name.toString();
}

void Control::setVisible(bool visible)
{
    check(u"Visible");
    m_widget->setVisible(visible);
}

bool Control::isVisible() const
{
    return m_widget->isVisibleTo(m_widget->parentWidget());
}

LabelWidget* Label::labelWidget() const
{
    return static_cast<LabelWidget*>(widget());
}

QPushButton* CommandButton::button() const
{
    return static_cast<QPushButton*>(widget());
}

QLineEdit* TextBox::lineEdit() const
{
    return static_cast<QLineEdit*>(widget());
}

QListWidget* ListBox::list() const
{
    return static_cast<QListWidget*>(widget());
}

ImageWidget* Image::imageWidget() const
{
    return static_cast<ImageWidget*>(widget());
}

// --- Label -----------------------------------------------------------------

Label::Label(Window* window, QStringView name, const Props& props)
    : Control(window, name, u"Label", new LabelWidget(window->widget(), props.align, props.caption.toString()), props)
{
}

QString Label::caption() const
{
    check(u"Caption");
    return labelWidget()->caption();
}

void Label::setCaption(QStringView caption)
{
    check(u"Caption");
    labelWidget()->setCaption(caption.toString());
}

void Label::setTopicLayout(std::vector<TopicItem> items, int linePitch)
{
    labelWidget()->setTopicLayout(std::move(items), linePitch);
}

const std::vector<TopicLine>& Label::topicLines() const
{
    return labelWidget()->topicLines();
}

int Label::linePitch() const
{
    return labelWidget()->linePitch();
}

LabelWidget::LabelWidget(QWidget* parent, Align align, const QString& caption)
    : QWidget(parent)
    , m_caption(caption)
    , m_align(align)
{
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    // Assistive technology reads the caption as the label's name and hears
    // of every change.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void LabelWidget::setTopicLayout(std::vector<TopicItem> items, int linePitch)
{
    m_topicItems = std::move(items);
    m_linePitch = linePitch;
    m_topicLaidOut = false;
    update();
}

const std::vector<TopicLine>& LabelWidget::topicLines() const
{
    if (!m_topicLaidOut) {
        const QFontMetricsF metrics(font());
        m_topicLines = layoutTopic(m_topicItems, width(), [&metrics](std::u16string_view text) {
            return metrics.horizontalAdvance(
                QString::fromRawData(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())));
        });
        m_topicLaidOut = true;
    }
    return m_topicLines;
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    // Labels always lie on the pale background picture, so their text is
    // black whatever colours the desktop's scheme gives windows.
    painter.setPen(QColor(Qt::black));
    if (m_topicItems.empty()) {
        const Qt::Alignment align = m_align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        painter.drawText(rect(), int(align | Qt::AlignTop | Qt::TextWordWrap), m_caption);
        return;
    }
    const QFontMetricsF metrics(font());
    double top = 0;
    for (const TopicLine& line : topicLines()) {
        painter.drawText(QPointF(line.indent, top + metrics.ascent()),
            QString::fromRawData(
                reinterpret_cast<const QChar*>(line.text.data()), static_cast<qsizetype>(line.text.size())));
        top += m_linePitch;
    }
}

void LabelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_topicLaidOut = false;
    QWidget::changeEvent(event);
}

MouseEvent LabelWidget::mouseEvent(const QMouseEvent* event, Qt::MouseButton button) const
{
    MouseEvent result;
    result.button = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : button == Qt::MiddleButton ? 4 : 0;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    result.shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
    result.x = event->position().x() * 15;
    result.y = event->position().y() * 15;
    return result;
}

void LabelWidget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    Q_EMIT mouseDown(mouseEvent(event, event->button()));
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(mouseEvent(event, event->button()));
    // A click is a press and a release of the left button on the label.
    if (event->button() == Qt::LeftButton && m_pressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    if (event->buttons() == Qt::NoButton)
        m_pressed = false;
}

// --- CommandButton ---------------------------------------------------------

CommandButton::CommandButton(Window* window, QStringView name, const Props& props)
    : Control(window, name, u"CommandButton", new ButtonWidget(window->widget()), props)
{
    button()->setText(props.caption.toString());
    button()->setAutoDefault(false);
    button()->setDefault(false);
    if (!props.picture.isEmpty()) {
        // A picture button shows its picture centred and no text.
        button()->setIcon(QIcon(props.picture.toString()));
        const int face = std::min(button()->width(), button()->height());
        const int side = face >= 40 ? 36 : face - 4;
        button()->setIconSize(QSize(side, side));
    }
}

QString CommandButton::caption() const
{
    check(u"Caption");
    return button()->text();
}

void CommandButton::describeBy(const Label& label)
{
    button()->setAccessibleDescription(label.labelWidget()->caption());
}

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        // Like Space, a key held down clicks once.
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// --- TextBox ---------------------------------------------------------------

TextBox::TextBox(Window* window, QStringView name, const Props& props)
    : Control(window, name, u"TextBox", new TextBoxWidget(window->widget()), props)
{
    // The box takes any text a user can type or paste, however long.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->setText(props.caption.toString());
}

QString TextBox::text() const
{
    check(u"Text");
    return lineEdit()->text();
}

void TextBox::setText(QStringView text)
{
    check(u"Text");
    lineEdit()->setText(text.toString());
}

TextBoxWidget::TextBoxWidget(QWidget* parent)
    : QLineEdit(parent)
{
    for (QObject* child : children()) {
        if (child->inherits("QWidgetLineControl"))
            m_lineControl = child;
    }
}

bool TextBoxWidget::pasteFirstLine(QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode);
    const QStringView line = firstLine(text);
    if (line.size() == text.size())
        return false;
    if (line.isEmpty() && !hasSelectedText())
        return true;
    // The paste is an undo step of its own, apart from the typing around it,
    // as the line edit's own paste is.
    beginUndoStep();
    insert(line.toString());
    beginUndoStep();
    return true;
}

void TextBoxWidget::beginUndoStep()
{
    // Qt's line edit begins a new undo step whenever its cursor moves, and
    // has no other way to ask for one: the cursor steps aside and back, and
    // the selection is made again. Meanwhile the edit's inner control keeps
    // its signals to itself, so the screen does not see the step; assistive
    // technology does hear the cursor step aside and back, since the control
    // tells it of each move itself. In an empty box the cursor cannot step
    // aside, so a paste into it joins the undo step before it.
    if (text().isEmpty())
        return;
    const QSignalBlocker quiet(m_lineControl);
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    setCursorPosition(cursor > 0 ? cursor - 1 : cursor + 1);
    setCursorPosition(cursor);
    // A selection made backwards keeps the cursor at its start.
    if (start >= 0)
        setSelection(cursor == start ? start + length : start, cursor == start ? -length : length);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+V, Shift+Insert and whatever else the desktop binds to pasting.
    if (event->matches(QKeySequence::Paste) && !isReadOnly() && pasteFirstLine(QClipboard::Clipboard)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection where the desktop has one; the
    // line edit's own paste, too, first lets go of the box's selection.
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        if (pasteFirstLine(QClipboard::Selection)) {
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBoxWidget::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste is the one action that Qt ties to the box's own paste;
    // a text with a line break goes to ours instead.
    for (QAction* action : menu->actions()) {
        if (QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteFirstLine(QClipboard::Clipboard))
                    paste();
            });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBoxWidget::dropEvent(QDropEvent* event)
{
    const QString text = event->mimeData()->text();
    const QStringView line = firstLine(text);
    if (line.size() == text.size()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // The box takes only the first line, so the source must keep the whole
    // text: such a drop is always a copy, never a move.
    if (line.isEmpty() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    QMimeData firstLineOnly;
    firstLineOnly.setText(line.toString());
    QDropEvent drop(
        event->position(), Qt::CopyAction, &firstLineOnly, event->buttons(), event->modifiers(), event->type());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(drop.isAccepted());
}

// --- ListBox ---------------------------------------------------------------

ListBox::ListBox(Window* window, QStringView name, const Props& props)
    : Control(window, name, u"ListBox", new ListBoxWidget(window->widget()), props)
{
    list()->setSelectionMode(QAbstractItemView::SingleSelection);
    list()->setSortingEnabled(false);
}

void ListBox::clear()
{
    check(u"Clear");
    list()->clear();
}

void ListBox::addItem(QStringView item)
{
    check(u"AddItem");
    list()->addItem(item.toString());
}

QStringList ListBox::items() const
{
    QStringList result;
    for (int i = 0; i < list()->count(); ++i)
        result.append(list()->item(i)->text());
    return result;
}

void ListBoxWidget::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (count() > 0 || !hasFocus())
        return;
    // The style draws the mark as it draws it on a current row, and only
    // where it would there: after the focus came by keyboard, for instance.
    QStyleOptionViewItem row;
    initViewItemOption(&row);
    row.features |= QStyleOptionViewItem::HasDisplay;
    row.text = QStringLiteral(" ");
    const int rowHeight = style()->sizeFromContents(QStyle::CT_ItemViewItem, &row, {}, this).height();
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = QRect(0, 0, viewport()->width(), rowHeight);
    focus.backgroundColor = palette().color(QPalette::Base);
    QPainter painter(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

// --- Image -----------------------------------------------------------------

Image::Image(Window* window, QStringView name, const Props& props)
    : Control(window, name, u"Image", new ImageWidget(window->widget()), props)
{
    if (!props.picture.isEmpty())
        imageWidget()->setPicture(loadPicture(props.picture.toString(), pixels(props.rect.width)));
}

Picture Image::picture() const
{
    check(u"Picture");
    return imageWidget()->picture();
}

void Image::setPicture(Picture picture)
{
    check(u"Picture");
    imageWidget()->setPicture(std::move(picture));
}

ImageWidget::ImageWidget(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageWidget::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    update();
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (!m_picture)
        return;
    // A picture is drawn at its own size from the top-left corner, never
    // stretched.
    QPainter painter(this);
    painter.drawPixmap(0, 0, *m_picture);
}

} // namespace forms
