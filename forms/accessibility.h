#pragma once

// How assistive technology sees the windows and the controls that we paint
// ourselves. A window is a window named by its title. A label is static text
// named by its caption (a topic text by the whole caption as stored); an image
// is a graphic. Both take their tool tip as description, as every widget does.
// Buttons, the text box and the list are Qt's own and need nothing of this.
namespace forms {

// Makes the interfaces known to Qt's accessibility; once is enough for the
// whole process, and more calls change nothing.
void installAccessibility();

} // namespace forms
