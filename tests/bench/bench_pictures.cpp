// Decoding a full-screen background, a 1024 x 768 plain 24-bit bitmap like those of Gfx:
// Qt's reader against the program's own (Utils::LoadPictureFile), on the same file.

#include "utils/UtilsGui.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString &backgroundFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage picture(1024, 768, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient gradient(0, 0, 1024, 768);
        gradient.setColorAt(0, QColor(2, 174, 228));
        gradient.setColorAt(1, QColor(6, 54, 99));
        painter.fillRect(picture.rect(), gradient);
        painter.end();
        const QString file = dir.filePath(QStringLiteral("bg.bmp"));
        picture.save(file, "BMP");
        return file;
    }();
    return path;
}

void QtReader(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QImage(backgroundFile()).convertToFormat(QImage::Format_RGB32));
}
BENCHMARK(QtReader)->Unit(benchmark::kMillisecond);

void LoadPictureFile(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Utils::LoadPictureFile(backgroundFile()));
}
BENCHMARK(LoadPictureFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
