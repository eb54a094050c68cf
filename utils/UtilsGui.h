#pragma once
// The shared routines that need Qt Gui: captions, hints, text measuring and the random
// backgrounds of the exercise screens. Anti-aliased text drawing lives with the skin.

#include <QLabel>
#include <QSize>
#include <QString>

#include <functional>

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
// Starts decoding the file at path on a worker thread; the next LoadPictureFile of that path
// takes the result (waiting for it when needed).
void PrefetchPictureFile(const QString &path);

// A picture label whose picture is decoded (or drawn) when the label is first painted, so a
// screen made at start-up and shown much later keeps no picture until then.
class TDeferredPictureLabel : public QLabel
{
public:
    // The picture in the file at path (LoadPictureFile).
    TDeferredPictureLabel(QWidget *parent, const QString &path);
    // The picture source gives; the label takes its size now.
    TDeferredPictureLabel(QWidget *parent, const QSize &size, std::function<QImage()> source);
    // Makes the picture now, unless that was done; false when there is none.
    bool LoadPicture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<QImage()> m_source;
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

// Places a 1024 x 768 form in the middle of its screen; on a display of that size it sits at
// 0, 0. Positions inside the form are unaffected.
void CentreOnScreen(QWidget *form);

} // namespace Utils
