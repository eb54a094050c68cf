#include "utils/UtilsGui.h"

#include "utils/Utils.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QToolTip>
#include <QWidget>

namespace Utils {

void SetProductCaption(QWidget *window)
{
    if (window)
        window->setWindowTitle(ProductCaption());
}

void RefreshHint(QWidget *control)
{
    if (!control || !control->isVisible())
        return;
    const QPoint global = QCursor::pos();
    const QPoint local = control->mapFromGlobal(global);
    if (!control->rect().contains(local))
        return;
    if (control->toolTip().isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QHelpEvent event(QEvent::ToolTip, local, global);
    QApplication::sendEvent(control, &event);
}

QSize MeasureText(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

QSize MeasureText(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas.font(), text);
}

int MeasureTextWidth(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas, text).width();
}

int MeasureTextHeight(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas, text).height();
}

QStringList BackgroundCandidates(const QString &folder)
{
    QString path = folder;
    path.replace(u'\\', u'/');
    path = QDir::isAbsolutePath(path) ? ResolvePath(QStringLiteral("/"), path) : ResolvePath(ProgramFolder(), path);
    const QDir dir(path);
    QStringList names = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    QStringList files;
    for (const QString &name : std::as_const(names))
        files << dir.filePath(name);
    return files;
}

bool LoadRandomBackground(QImage &image, const QString &folder, QRandomGenerator *random)
{
    QStringList candidates = BackgroundCandidates(folder);
    QRandomGenerator clockSeeded(quint32(QDateTime::currentMSecsSinceEpoch()));
    QRandomGenerator *source = random ? random : &clockSeeded;
    // A picture that does not decode is dropped and another one drawn.
    while (!candidates.isEmpty()) {
        const qsizetype pick = source->bounded(int(candidates.size()));
        QImage picture;
        if (picture.load(candidates.at(pick))) {
            image = picture;
            return true;
        }
        candidates.removeAt(pick);
    }
    return false;
}

bool LoadRandomBackground(QLabel *label, const QString &folder, QRandomGenerator *random)
{
    if (!label)
        return false;
    QImage image;
    if (!LoadRandomBackground(image, folder, random))
        return false;
    label->setPixmap(QPixmap::fromImage(image));
    return true;
}

} // namespace Utils
