#pragma once

#include "forms/controls.h"
#include "forms/runtime.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace forms {

// What every window shares: a fixed 370 x 370 client area, its title, its back
// colour (or the window system's default), the common background picture drawn
// at its own size from the top-left corner, and the common window icon.
struct Frame {
    QString caption {};
    std::optional<QColor> backColor {};
};

// One window of the program. A window class derives from it, declares its
// controls as members and connects each control's event to its named handler.
// Creating a window runs none of the program's code and leaves it hidden.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window visible: modeless, with no owner.
    void show();
    // Makes the window invisible; it keeps its state.
    void hide();

    bool isVisible() const;
    const QString& name() const { return m_name; }
    QWidget* widget() const { return m_surface; }

    // Controls register here as they are built, so that the tab order and the
    // first focus follow their tab indices.
    void addToTabOrder(QWidget* control, int tabIndex);

protected:
    Window(QStringView name, const Frame& frame);

    // Connects a control's event to the window's handler. The runtime calls the
    // handler and deals with any error it raises.
    template<class Form>
    void onClick(CommandButton& button, void (Form::*handler)())
    {
        connectClick(button, [this, handler] { (static_cast<Form*>(this)->*handler)(); });
    }
    template<class Form>
    void onClick(Label& label, void (Form::*handler)())
    {
        connectClick(label, [this, handler] { (static_cast<Form*>(this)->*handler)(); });
    }
    template<class Form>
    void onMouseDown(Label& label, void (Form::*handler)(MouseEvent))
    {
        connectMouseDown(label, [this, handler](MouseEvent event) { (static_cast<Form*>(this)->*handler)(event); });
    }
    template<class Form>
    void onMouseUp(Label& label, void (Form::*handler)(MouseEvent))
    {
        connectMouseUp(label, [this, handler](MouseEvent event) { (static_cast<Form*>(this)->*handler)(event); });
    }

private:
    void connectClick(CommandButton& button, std::function<void()> handler);
    void connectClick(Label& label, std::function<void()> handler);
    void connectMouseDown(Label& label, std::function<void(MouseEvent)> handler);
    void connectMouseUp(Label& label, std::function<void(MouseEvent)> handler);

    // Where the window's client area opens when shown.
    QPoint place() const;

    QString m_name;
    QWidget* m_surface;
    std::vector<std::pair<int, QWidget*>> m_tabOrder;
    bool m_shownBefore = false;
    // When the window was last hidden, counted over all windows; 0 for never.
    std::uint64_t m_hiddenAt = 0;
};

} // namespace forms
