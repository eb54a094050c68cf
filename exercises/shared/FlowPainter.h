#pragma once
// Draws a running-text layout (FlowText.h) into a paint area and lists its words for the
// dictionary look-up.

#include "exercises/shared/FlowText.h"
#include "reference/Slownik.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>

class QPainter;

namespace FlowText {

struct Palette
{
    QColor Text{52, 52, 52};
    QColor Entered{7, 108, 255};
    QColor Right{0, 126, 21};
    QColor Wrong{211, 0, 0};
    QColor Of(Ink ink) const;
};

// The base font with a word's bold and italic.
QFont FontFor(const QFont &base, const Style &style);
// Word widths in the base font's styles (the measures are kept between calls).
Measure MeasureWith(const QFont &base);

// Pictures of a layout by name (the screen's own pictures and picture files).
using PictureLookup = std::function<QImage(const QString &name)>;

// Draws the part of the layout seen in an area areaHeight high with the text scrolled up by
// offset: the words whose line starts in the area, and every picture that reaches into it.
void Paint(QPainter &painter, const Layout &layout, const QFont &base, const Palette &palette, int offset,
           int areaHeight, const PictureLookup &pictures);

// The word-position list of what Paint draws, in area coordinates.
void FillWordPositions(TPozycjeSlowek &positions, const Layout &layout, int offset, int areaHeight);

} // namespace FlowText
