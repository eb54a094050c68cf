#pragma once
// Drawing helpers of the skin painter: every picture is vector-drawn with QPainter at its
// exact size onto a transparent canvas.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace SkinPainter {

// Collects the pictures and sounds of one bundle and writes them out.
class Output
{
public:
    explicit Output(const QString &folder);
    void Picture(const QString &name, const QImage &image);
    void Sound(const QString &name, const QByteArray &wave);
    // Writes skin.qrc listing everything; false on a write failure.
    bool Finish();
    bool Ok() const { return m_ok; }
    int PictureCount() const { return int(m_pictures.size()); }

private:
    QString m_folder;
    QStringList m_pictures;
    QStringList m_sounds;
    bool m_ok = true;
};

QImage Canvas(int w, int h);
// Draws with antialiasing on a fresh transparent canvas.
QImage Draw(int w, int h, const std::function<void(QPainter &)> &paint);
QColor Mix(const QColor &a, const QColor &b, double t);
// DejaVu Sans Bold at a pixel size (rounded).
QFont Bold(double pixels);

// The skin's palette, built around the program's blues and its red and green marks.
inline const QColor Blue(2, 174, 228);
inline const QColor Navy(6, 54, 99);
inline const QColor Green(0, 154, 43);
inline const QColor Red(214, 48, 49);
inline const QColor Amber(240, 160, 20);
inline const QColor Teal(0, 150, 160);
QLinearGradient Vertical(double y0, double y1, const QColor &top, const QColor &bottom);

void PaintAll(Output &out);      // every picture
void SynthesiseAll(Output &out); // every sound

void PaintDialogs(Output &out);
void PaintButtons(Output &out);
void PaintTitleBar(Output &out);
void PaintFigures(Output &out);
void PaintFrames(Output &out);
void PaintGaugeAndNotebook(Output &out);
void PaintHostPictures(Output &out);
void PaintSelectionPictures(Output &out);
void PaintSmallControls(Output &out);
void PaintSentencePictures(Output &out);
void PaintTiles(Output &out);
void PaintDialoguePictures(Output &out);

} // namespace SkinPainter
