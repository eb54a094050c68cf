#pragma once
// The painter's library of flat illustrations. Each motif draws itself into a square box,
// in the scene's main colour and accent plus the fixed colours of the palette.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace CourseMedia {

struct SceneSource;

QStringList MotifNames();
// Draws motif name into box (best kept square); false for an unknown name.
bool DrawMotif(QPainter &p, const QString &name, const QRectF &box, const QColor &main, const QColor &accent);
// A whole illustration as described by scene: background, motif, caption, strips.
QImage RenderScene(const SceneSource &scene);

} // namespace CourseMedia
