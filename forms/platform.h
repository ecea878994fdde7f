#pragma once

#include <QString>

// What the window system gives every program, on top of Qt: the face of the
// controls' font, one drawing style for every machine, the program icon, Qt's
// own texts in Russian, and labels and images that assistive technology can
// read. Set up once for the application, when its first runtime starts.
namespace forms::platform {

// Sets everything up; further calls for the same application do nothing.
void setUp();

// The face every control's font names: Candara where it is installed, else the
// embedded Carlito.
const QString& controlFace();

} // namespace forms::platform
