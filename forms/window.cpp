#include "forms/window.h"

#include "forms/controls.h"
#include "forms/pictures.h"
#include "forms/widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace forms {

namespace {

constexpr int clientSize = 5550 / 15;

// Counts the hides of all windows, so that the window hidden last is known.
std::uint64_t s_hides = 0;

} // namespace

WindowWidget::WindowWidget()
    : m_background(embeddedPixels(QStringLiteral(":/pictures/background.jpg")))
{
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // A close from outside ends the program, so the program never keeps
    // running with every window hidden.
    event->ignore();
    Runtime::current().end(0);
}

Window::Window(QStringView name, const Frame& frame)
    : m_name(name.toString())
    , m_surface(new WindowWidget)
{
    m_surface->setObjectName(m_name);
    m_surface->setWindowTitle(frame.caption);
    m_surface->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_surface->setFixedSize(clientSize, clientSize);
    if (frame.backColor) {
        QPalette palette = m_surface->palette();
        palette.setColor(QPalette::Window, *frame.backColor);
        m_surface->setPalette(palette);
        m_surface->setAutoFillBackground(true);
    }
}

Window::~Window()
{
    delete m_surface;
}

void Window::show()
{
    Runtime::current().check(u"Form", m_name, u"Show");
    if (m_surface->isVisible())
        return;
    if (!m_shownBefore) {
        m_shownBefore = true;
        // The control with the lowest tab index holds the focus when the window
        // is first shown.
        if (!m_tabOrder.empty())
            m_tabOrder.front().second->setFocus(Qt::OtherFocusReason);
    }
    // The place is the client area's: a window frame the window manager drew
    // is unknown while a window is hidden.
    m_surface->setGeometry(QRect(place(), m_surface->size()));
    m_surface->show();
    m_surface->activateWindow();
}

void Window::hide()
{
    Runtime::current().check(u"Form", m_name, u"Hide");
    if (m_surface->isVisible())
        m_hiddenAt = ++s_hides;
    m_surface->hide();
}

QPoint Window::place() const
{
    // A move keeps the place on the screen: a window opens where the window
    // the user sees stands, or else where the one the user saw last stood.
    const Window* last = nullptr;
    for (const Window* other : Runtime::current().windows()) {
        if (other == this)
            continue;
        if (other->isVisible())
            return other->m_surface->geometry().topLeft();
        if (other->m_hiddenAt > 0 && (!last || other->m_hiddenAt > last->m_hiddenAt))
            last = other;
    }
    if (last)
        return last->m_surface->geometry().topLeft();
    // The first window stands in the middle of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    QRect client = m_surface->geometry();
    client.moveCenter(screen->availableGeometry().center());
    return client.topLeft();
}

bool Window::isVisible() const
{
    return m_surface->isVisible();
}

void Window::addToTabOrder(QWidget* control, int tabIndex)
{
    const auto at = std::upper_bound(m_tabOrder.begin(), m_tabOrder.end(), tabIndex,
        [](int index, const auto& entry) { return index < entry.first; });
    m_tabOrder.insert(at, { tabIndex, control });
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1].second, m_tabOrder[i].second);
}

void Window::connectClick(CommandButton& button, std::function<void()> handler)
{
    QObject::connect(button.button(), &QPushButton::clicked, m_surface,
        [handler = std::move(handler)] { Runtime::current().invoke(handler); });
}

void Window::connectClick(Label& label, std::function<void()> handler)
{
    QObject::connect(label.labelWidget(), &LabelWidget::clicked, m_surface,
        [handler = std::move(handler)] { Runtime::current().invoke(handler); });
}

void Window::connectMouseDown(Label& label, std::function<void(MouseEvent)> handler)
{
    QObject::connect(label.labelWidget(), &LabelWidget::mouseDown, m_surface,
        [handler = std::move(handler)](MouseEvent event) { Runtime::current().invoke([&] { handler(event); }); });
}

void Window::connectMouseUp(Label& label, std::function<void(MouseEvent)> handler)
{
    QObject::connect(label.labelWidget(), &LabelWidget::mouseUp, m_surface,
        [handler = std::move(handler)](MouseEvent event) { Runtime::current().invoke([&] { handler(event); }); });
}

} // namespace forms
