#pragma once
// The shared routines that need Qt Gui: captions, hints, text measuring and the random
// backgrounds of the exercise screens. Anti-aliased text drawing lives with the skin.

#include <QLabel>
#include <QSize>
#include <QString>

class QFont;
class QImage;
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

// The picture in the file at path, as QImage(path) decodes it. Plain 24-bit Windows bitmaps,
// the course's backgrounds, are decoded here directly into Format_RGB32, several times
// faster than the generic reader; anything else goes to Qt's image readers. Null when the
// file is missing or does not decode.
QImage LoadPictureFile(const QString &path);

// A picture label whose picture file is decoded when the label is first painted, so a screen
// made at start-up and shown much later keeps no decoded background until then.
class TDeferredPictureLabel : public QLabel
{
public:
    TDeferredPictureLabel(QWidget *parent, const QString &path) : QLabel(parent), m_path(path) {}
    // Decodes the file now, unless that was done; false when it gave no picture.
    bool LoadPicture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
    bool m_loaded = false;
};

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
