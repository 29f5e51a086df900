#pragma once

#include <QIcon>
#include <QImage>

namespace paginox {

// The pictures compiled into the program, by file name ("ImageTop.png", "add.png").
QImage Artwork(const char* name);

// The application icon in all its sizes.
QIcon ApplicationIcon();

} // namespace paginox
