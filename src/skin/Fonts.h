#pragma once

#include <QFont>

namespace paginox {

// The window's fonts by pixel height, so that they do not follow the desktop's dpi.
// The first family is the one the window is drawn for; the others stand in where it is not installed.
QFont DefaultFont();          // "MS Sans Serif", 11 pixels (8 points)
QFont TitleFont();            // the default family, bold, 16 pixels (12 points)
QFont StatusFont();           // "MS Sans Serif", 13 pixels, bold
QFont ToolbarCaptionFont();   // "Arial", 11 pixels

} // namespace paginox
