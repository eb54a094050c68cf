#include "Painter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace SkinPainter {

Output::Output(const QString &folder) : m_folder(folder)
{
    QDir().mkpath(folder + QStringLiteral("/gfx"));
    QDir().mkpath(folder + QStringLiteral("/wav"));
}

void Output::Picture(const QString &name, const QImage &image)
{
    if (m_pictures.contains(name)) {
        qWarning("skin-painter: %s drawn twice", qPrintable(name));
        m_ok = false;
        return;
    }
    const QString path = m_folder + QStringLiteral("/gfx/") + name + QStringLiteral(".png");
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        qWarning("skin-painter: cannot write %s", qPrintable(path));
        m_ok = false;
    }
    m_pictures << name;
}

void Output::Sound(const QString &name, const QByteArray &wave)
{
    QFile file(m_folder + QStringLiteral("/wav/") + name + QStringLiteral(".wav"));
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size()) {
        m_ok = false;
        return;
    }
    m_sounds << name;
}

bool Output::Finish()
{
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &name : m_pictures)
        qrc += "  <file>gfx/" + name.toUtf8() + ".png</file>\n";
    for (const QString &name : m_sounds)
        qrc += "  <file>wav/" + name.toUtf8() + ".wav</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    QSaveFile file(m_folder + QStringLiteral("/skin.qrc"));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit())
        m_ok = false;
    return m_ok;
}

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Draw(int w, int h, const std::function<void(QPainter &)> &paint)
{
    QImage image = Canvas(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter);
    return image;
}

QFont Bold(double pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(true);
    return font;
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QLinearGradient Vertical(double y0, double y1, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

} // namespace SkinPainter
