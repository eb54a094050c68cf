#pragma once
// The shared routines that need Qt Gui: captions, hints, text measuring and the random
// backgrounds of the exercise screens. Anti-aliased text drawing lives with the skin.

#include <QSize>
#include <QString>

class QFont;
class QImage;
class QLabel;
class QPainter;
class QRandomGenerator;
class QWidget;

namespace Utils {

// "Lernivo 6.0 Audivox" as the window's caption; every screen calls it when created.
void SetProductCaption(QWidget *window);

// Re-evaluates the control's tooltip at once, as if the mouse had moved over it: the current
// tooltip text is shown at the pointer, or the tooltip hidden when the text is empty. Does
// nothing while the pointer is elsewhere.
void RefreshHint(QWidget *control);

// The extent of text in the canvas's (or font's) current font: advance width and line height.
QSize MeasureText(const QPainter &canvas, const QString &text);
QSize MeasureText(const QFont &font, const QString &text);
int MeasureTextWidth(const QPainter &canvas, const QString &text);
int MeasureTextHeight(const QPainter &canvas, const QString &text);

// One of the "*.bmp" files of folder (any case; a stored "\" path is resolved like every
// course path), chosen uniformly, decoded into image. False, with image untouched, when the
// folder holds no picture that decodes. random: the source to draw from; null = seeded from
// the clock.
bool LoadRandomBackground(QImage &image, const QString &folder, QRandomGenerator *random = nullptr);
// The same into a picture label (its pixmap), scaled by the label as it is set up.
bool LoadRandomBackground(QLabel *label, const QString &folder, QRandomGenerator *random = nullptr);
// The candidates LoadRandomBackground draws from, sorted.
QStringList BackgroundCandidates(const QString &folder);

} // namespace Utils
