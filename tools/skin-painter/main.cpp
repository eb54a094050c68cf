// skin-painter: draws every picture of the program's skin and synthesises its sounds into a
// folder, with a skin.qrc that the build packs into the one bundle file (rcc --binary).
//
//   skin-painter <output folder>

#include "Painter.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Drawing needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin-painter <output folder>\n");
        return 2;
    }
    SkinPainter::Output out(QString::fromLocal8Bit(argv[1]));
    SkinPainter::PaintAll(out);
    SkinPainter::SynthesiseAll(out);
    if (!out.Finish() || !out.Ok()) {
        std::fprintf(stderr, "skin-painter: the skin could not be written\n");
        return 1;
    }
    std::printf("skin-painter: %d pictures and 4 sounds\n", out.PictureCount());
    return 0;
}
