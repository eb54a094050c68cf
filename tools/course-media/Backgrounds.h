#pragma once
// The fixed backgrounds and icons of the program, painted at the sizes their screens use.

#include <QImage>
#include <QString>
#include <QStringList>

namespace CourseMedia {

// Names relative to Gfx ("bg_start.bmp", "Background_roz/roz_fale.bmp", ...).
QStringList BackgroundNames();
// A null image for an unknown name.
QImage PaintBackground(const QString &name);

} // namespace CourseMedia
