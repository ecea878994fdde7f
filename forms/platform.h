#pragma once

#include <QApplication>
#include <QString>

#include <array>
#include <optional>

// What the window system gives every program, on top of Qt: the face of the
// controls' font, one drawing style for every machine, the program icon, Qt's
// own texts in Russian, and labels and images that assistive technology can
// read. Set up once for the application, when its first runtime starts.
namespace forms::platform {

// What the program hands to Qt's application object. The program takes no
// arguments: Qt sees the program's name alone, so none of Qt's own options
// (-stylesheet, -qwindowtitle, ...) changes it. Where an X display is there
// and the user chose no platform, the program runs on X11, as every Wayland
// desktop lets X programs do: a Wayland compositor places windows itself, and
// a move would then not keep the program's place on the screen.
class Arguments {
public:
    explicit Arguments(const char* programName);
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int& count() { return m_count; }
    char** values() { return m_values.data(); }

private:
    // Qt keeps these, so they live as long as the application object.
    std::array<char*, 4> m_values {};
    int m_count = 1;
};

// The program's application object, made from its arguments. Where no display
// can be opened, Qt would end the program with an abort and a message that
// blames the installation; the program says instead that it has no display,
// naming the variables that name one, and ends with status 1. Whatever else Qt
// says while it opens the display it says as ever.
class Application {
public:
    explicit Application(const char* programName);

private:
    Arguments m_arguments;
    std::optional<QApplication> m_application;
};

// Sets everything up; further calls for the same application do nothing.
void setUp();

// The face every control's font names: Candara where it is installed, else the
// embedded Carlito.
const QString& controlFace();

} // namespace forms::platform
