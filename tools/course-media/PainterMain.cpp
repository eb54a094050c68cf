// audivox-painter scene SOURCE.txt OUT      draws an illustration from a picture source
// audivox-painter background NAME OUT       paints one of the program's fixed backgrounds
// audivox-painter motifs | backgrounds      lists what the painter knows
// The output format follows OUT's extension (bmp, png, jpg); files are written atomically.

#include "Backgrounds.h"
#include "Motifs.h"
#include "SceneSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace CourseMedia;

namespace {

QTextStream &out(FILE *f)
{
    static QTextStream o(stdout), e(stderr);
    return f == stdout ? o : e;
}

bool Save(const QImage &image, const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext != u"png" && ext != u"bmp" && ext != u"jpg") {
        out(stderr) << path << ": a picture's name must end in .png, .bmp or .jpg\n";
        return false;
    }
    QImage toSave = image;
    // BMP and JPEG carry no transparency: flatten on white so edges stay clean.
    if (ext != u"png" && image.hasAlphaChannel()) {
        toSave = QImage(image.size(), QImage::Format_RGB32);
        toSave.fill(Qt::white);
        QPainter(&toSave).drawImage(0, 0, image);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray format = ext == u"jpg" ? QByteArrayLiteral("JPG") : ext.toUpper().toLatin1();
    if (!file.open(QIODevice::WriteOnly) ||
        !toSave.save(&file, format.constData(), ext == u"jpg" ? 92 : -1) || !file.commit()) {
        out(stderr) << path << ": cannot be written as " << ext << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often run without a session; a private runtime folder keeps Qt quiet.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == u"motifs" && args.size() == 2) {
        out(stdout) << MotifNames().join(u'\n') << "\n";
        return 0;
    }
    if (mode == u"backgrounds" && args.size() == 2) {
        out(stdout) << BackgroundNames().join(u'\n') << "\n";
        return 0;
    }
    if (mode == u"background" && args.size() == 4) {
        const QImage image = PaintBackground(args[2]);
        if (image.isNull()) {
            out(stderr) << "unknown background \"" << args[2] << "\"; known: " << BackgroundNames().join(u' ')
                        << "\n";
            return 1;
        }
        return Save(image, args[3]) ? 0 : 1;
    }
    if (mode == u"scene" && args.size() == 4) {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly)) {
            out(stderr) << args[2] << ": cannot be read\n";
            return 1;
        }
        SceneSource scene;
        QString error;
        if (!ParseSceneSource(QString::fromUtf8(file.readAll()), scene, error, MotifNames())) {
            out(stderr) << args[2] << ": " << error << "\n";
            return 1;
        }
        return Save(RenderScene(scene), args[3]) ? 0 : 1;
    }
    out(stderr)
        << "usage: audivox-painter scene SOURCE.txt OUT | background NAME OUT | motifs | backgrounds\n";
    return 2;
}
