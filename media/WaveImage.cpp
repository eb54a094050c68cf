#include "media/WaveImage.h"

#include "media/MediaServices.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

TWaveImage::TWaveImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Redraw();
}

TWaveImage::~TWaveImage() = default;

void TWaveImage::SetKrzywa(bool on)
{
    m_krzywa = on;
    Redraw();
}

bool TWaveImage::LoadWav(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Media::TWaveHeader header;
    QByteArray samples;
    if (!Media::ReadWaveForChart(file.readAll(), header, samples))
        return false;
    Load(header, samples);
    return true;
}

bool TWaveImage::LoadRecording(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0)
        return LoadWav(path);
    if (!QFileInfo::exists(path))
        return false;
    ShowLoading();
    Media::TWaveData sound;
    if (!Media::DecodeSoundFile(path, sound)) {
        Redraw();
        return false;
    }
    Load(Media::HeaderFor(sound.Format, sound.Samples.size()), sound.Samples);
    return true;
}

void TWaveImage::Clear()
{
    m_loaded = false;
    m_chart = {};
    Redraw();
}

void TWaveImage::Load(const Media::TWaveHeader &header, const QByteArray &samples)
{
    m_loaded = true;
    m_chart = {};
    ShowLoading();
    m_chart = Media::ReduceWave(header, samples, Szer_Wykresu);
    Redraw();
}

void TWaveImage::ShowLoading()
{
    m_picture = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(m_picture.rect(), Qt::AlignCenter, LoadingText);
    painter.end();
    repaint();
}

void TWaveImage::Redraw()
{
    m_picture = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    for (int y = 0; y < height(); y += 16)
        painter.drawLine(0, y, width(), y);
    if (m_loaded) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawPolyline(Media::WaveLine(m_chart, Szer_Belek, YScale, height()));
    }
    if (m_krzywa && m_loaded) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawPolyline(Media::AverageCurve(m_chart, Szer_Belek, YScale, height()));
    }
    painter.end();
    update();
}

void TWaveImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void TWaveImage::resizeEvent(QResizeEvent *)
{
    Redraw();
}
