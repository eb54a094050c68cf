#pragma once
// Picture sizes read from the files' headers, so GUI-free code (the course checker) can
// measure the course's pictures without a display.

#include <QSize>
#include <QString>

namespace Exercises {

// The width and height of a PNG or JPEG file; empty when the file is neither or cannot be
// read.
QSize PictureFileSize(const QString &path);

} // namespace Exercises
