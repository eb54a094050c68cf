#pragma once
// TWaveImage: the voice analyser's chart of a recording. It reads a WAV file (or a decoded
// recording), reduces it to one pair of levels per column and draws the envelope once into
// its picture; paints only copy that picture.

#include "media/WaveChart.h"

#include <QImage>
#include <QString>
#include <QWidget>

class TWaveImage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWaveImage)

public:
    explicit TWaveImage(QWidget *parent = nullptr);
    ~TWaveImage() override;

    // Chart width in columns (at most 1000), the left margin before column 0 and the
    // vertical scale in per cent of the 0..255 levels. Set before loading.
    int Szer_Wykresu = 600;
    int Szer_Belek = 0;
    int YScale = 50;
    // Shown while a file is being read.
    QString LoadingText = QStringLiteral("Analizuję plik...");

    bool Krzywa() const { return m_krzywa; }
    // Also draws the average curve; redraws at once.
    void SetKrzywa(bool on);

    // Reads a PCM WAV file as written. A missing file or one the chart cannot draw (see
    // Media::ReadWaveForChart) leaves the chart as it was; false then.
    bool LoadWav(const QString &path);
    // Any recording of the course: WAV as written, others decoded (Media::DecodeSoundFile).
    bool LoadRecording(const QString &path);
    // Empties the chart.
    void Clear();

    bool IsLoaded() const { return m_loaded; }
    const Media::TWaveChartData &Chart() const { return m_chart; }
    // What the control shows.
    const QImage &Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ShowLoading();
    void Load(const Media::TWaveHeader &header, const QByteArray &samples);
    void Redraw();

    bool m_krzywa = false;
    bool m_loaded = false;
    Media::TWaveChartData m_chart;
    QImage m_picture;
};
