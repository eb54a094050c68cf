#include "skin/uSkin.h"

#include "media/SoundService.h"
#include "skin/AALabel.h"
#include "skin/Vel3ObrazkiFrame.h"
#include "skin/VelBelka.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelDymek.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/VelZeszytStatystyki.h"
#include "skin/uFrmMsgBox.h"
#include "utils/SystemMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QResource>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString PicturePath(const QString &root, const QString &name)
{
    return root + u"/gfx/"_s + name + u".png"_s;
}

QString SoundPath(const QString &root, const QString &name)
{
    return root + u"/wav/"_s + name + u".wav"_s;
}

SkinRecord &CurrentSkinStorage()
{
    static SkinRecord skin;
    return skin;
}

SkinnedMessageHook &MessageHook()
{
    static SkinnedMessageHook hook;
    return hook;
}

// A missing piece is a fault of the bundle; the learner hears of it once per name, after the
// paint that found it has finished (no modal box inside a paint event).
void ReportMissingPicture(const QString &name)
{
    static QSet<QString> reported;
    if (reported.contains(name))
        return;
    reported.insert(name);
    const QString text = u"Brak grafiki \""_s + name + u"\" w bibliotece skórki."_s;
    if (QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [text] { Utils::ShowSystemError(text); });
    else
        Utils::ShowSystemError(text);
}

// Font at double size, in whichever unit the original is given.
QFont DoubledFont(const QFont &font)
{
    QFont big(font);
    if (font.pixelSize() > 0)
        big.setPixelSize(font.pixelSize() * 2);
    else
        big.setPointSizeF(font.pointSizeF() * 2);
    return big;
}

// Averages every 2x2 block of the premultiplied layer into one pixel. Averaging the text layer
// before laying it over the canvas gives the same pixels as drawing the text on an enlarged
// copy of the canvas and averaging that, since "over" is linear in premultiplied colour; it
// works on any paint device and never touches pixels outside the small image.
QImage HalveLayer(const QImage &big, int w, int h)
{
    QImage small(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int j = 0; j < h; ++j) {
        const auto *row0 = reinterpret_cast<const QRgb *>(big.constScanLine(2 * j));
        const auto *row1 = reinterpret_cast<const QRgb *>(big.constScanLine(2 * j + 1));
        auto *out = reinterpret_cast<QRgb *>(small.scanLine(j));
        for (int i = 0; i < w; ++i) {
            const QRgb p[4] = {row0[2 * i], row0[2 * i + 1], row1[2 * i], row1[2 * i + 1]};
            int a = 0, r = 0, g = 0, b = 0;
            for (QRgb v : p) {
                a += qAlpha(v);
                r += qRed(v);
                g += qGreen(v);
                b += qBlue(v);
            }
            out[i] = qRgba(r / 4, g / 4, b / 4, a / 4);
        }
    }
    return small;
}

QImage MakeLayer(QPainter &canvas, int w, int h)
{
    QImage layer(2 * w, 2 * h, QImage::Format_ARGB32_Premultiplied);
    if (QPaintDevice *device = canvas.device()) {
        // The doubled font must measure exactly twice the canvas font.
        layer.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
        layer.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    }
    layer.fill(Qt::transparent);
    return layer;
}

} // namespace

// ---------------------------------------------------------------------------------------------

TSkinLibrary::TSkinLibrary(const QString &path) : m_path(path)
{
    static std::atomic<int> counter{0};
    m_root = u"/audivox-skin-"_s + QString::number(++counter);
    if (QFileInfo(path).isFile())
        m_valid = QResource::registerResource(path, m_root);
}

TSkinLibrary::~TSkinLibrary()
{
    if (m_valid)
        QResource::unregisterResource(m_path, m_root);
}

bool TSkinLibrary::HasPicture(const QString &name) const
{
    return m_valid && !name.isEmpty() && QFile::exists(u":"_s + PicturePath(m_root, name));
}

QImage TSkinLibrary::Picture(const QString &name) const
{
    if (!m_valid || name.isEmpty())
        return {};
    auto found = m_cache.constFind(name);
    if (found != m_cache.constEnd())
        return *found;
    QImage picture(u":"_s + PicturePath(m_root, name));
    if (!picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        m_cache.insert(name, picture);
    }
    return picture;
}

bool TSkinLibrary::HasSound(const QString &name) const
{
    return m_valid && !name.isEmpty() && QFile::exists(u":"_s + SoundPath(m_root, name));
}

QByteArray TSkinLibrary::Sound(const QString &name) const
{
    if (!HasSound(name))
        return {};
    QFile file(u":"_s + SoundPath(m_root, name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

static QStringList NamesIn(const QString &folder, const QString &suffix)
{
    QStringList names;
    for (const QString &file : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (file.endsWith(suffix))
            names << file.chopped(suffix.size());
    return names;
}

QStringList TSkinLibrary::PictureNames() const
{
    return m_valid ? NamesIn(u":"_s + m_root + u"/gfx"_s, u".png"_s) : QStringList();
}

QStringList TSkinLibrary::SoundNames() const
{
    return m_valid ? NamesIn(u":"_s + m_root + u"/wav"_s, u".wav"_s) : QStringList();
}

// ---------------------------------------------------------------------------------------------

QString SkinBundleFileName()
{
    return u"resource.rcc"_s;
}

SkinRecord LoadSkinLibrary(const QString &path)
{
    // Loaded libraries stay for the program's run, as the controls keep only the handle.
    static std::vector<std::unique_ptr<TSkinLibrary>> loaded;
    auto library = std::make_unique<TSkinLibrary>(path);
    SkinRecord record;
    if (!library->IsValid())
        return record;
    const QString corners[4] = {u"DIAL01_B"_s, u"DIAL03_B"_s, u"DIAL07_B"_s, u"DIAL09_B"_s};
    for (int i = 0; i < 4; ++i) {
        const QImage picture = library->Picture(corners[i]);
        if (picture.isNull())
            return SkinRecord();
        record.Sizes[2 * i] = picture.width();
        record.Sizes[2 * i + 1] = picture.height();
    }
    record.Handle = library.get();
    loaded.push_back(std::move(library));
    SetCurrentSkin(record);
    return record;
}

const SkinRecord &CurrentSkin()
{
    return CurrentSkinStorage();
}

void SetCurrentSkin(const SkinRecord &skin)
{
    CurrentSkinStorage() = skin;
}

static void ApplySkinTo(QWidget *w, const SkinRecord &skin)
{
    if (auto *b = qobject_cast<TVelResButton *>(w)) {
        if (b->Rozmiar() != rozUndefined)
            b->SetSkin(skin.Handle);
    } else if (auto *d = qobject_cast<TVelDialogWindow *>(w)) {
        d->SetSkin(skin);
    } else if (auto *belka = qobject_cast<TVelBelka *>(w)) {
        belka->SetSkin(skin.Handle);
    } else if (auto *frame = qobject_cast<TVelGroupFrame *>(w)) {
        frame->SetSkin(skin.Handle);
    } else if (auto *zeszyt = qobject_cast<TVelZeszytStatystyki *>(w)) {
        zeszyt->SetSkin(skin.Handle);
    } else if (auto *progress = qobject_cast<TVelProgress *>(w)) {
        progress->SetSkin(skin.Handle);
    } else if (auto *ramka = qobject_cast<TVel3ObrazkiFrame *>(w)) {
        ramka->SetSkin(skin.Handle);
    } else if (auto *dymek = qobject_cast<TVelDymek *>(w)) {
        dymek->SetSkin(skin.Handle);
    }
}

void ApplySkin(QWidget *form, const SkinRecord &skin)
{
    if (!form)
        return;
    ApplySkinTo(form, skin);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        ApplySkinTo(child, skin);
}

void ApplySkin(QWidget *form)
{
    ApplySkin(form, CurrentSkin());
}

SkinPictureError::SkinPictureError(const QString &name)
    : std::runtime_error(("Brak grafiki w bibliotece skórki: " + name.toStdString())), m_name(name)
{
}

QImage LoadSkinPicture(SkinHandle handle, const QString &name)
{
    QImage picture = handle ? handle->Picture(name) : QImage();
    if (picture.isNull())
        throw SkinPictureError(name);
    return picture;
}

QImage LoadSkinPicture(const QString &name)
{
    return LoadSkinPicture(CurrentSkin().Handle, name);
}

QImage SkinPictureOrNull(SkinHandle handle, const QString &name)
{
    if (!handle)
        return {};
    QImage picture = handle->Picture(name);
    if (picture.isNull())
        ReportMissingPicture(name);
    return picture;
}

void SetButtonGlyph(TVelResButton *button, const QString &imageName, int state)
{
    if (!button || state < 1 || state > 3)
        return;
    const QImage picture = SkinPictureOrNull(CurrentSkin().Handle, imageName);
    switch (state) {
    case 1:
        button->SetGlyph(picture);
        break;
    case 2:
        button->SetGlyphHot(picture);
        break;
    case 3:
        button->SetGlyphDown(picture);
        break;
    }
}

void TScrollBarPictures::LoadSkin(SkinHandle handle, bool vertical)
{
    const QString p = vertical ? QStringLiteral("SB_V_") : QStringLiteral("SB_H_");
    Up = SkinPictureOrNull(handle, p + QStringLiteral("UP"));
    Down = SkinPictureOrNull(handle, p + QStringLiteral("DOWN"));
    Suwak = SkinPictureOrNull(handle, p + QStringLiteral("SUWAK"));
    Rynna1 = SkinPictureOrNull(handle, p + QStringLiteral("RYNNA1"));
    Rynna2 = SkinPictureOrNull(handle, p + QStringLiteral("RYNNA2"));
    Rynna3 = SkinPictureOrNull(handle, p + QStringLiteral("RYNNA3"));
}

void PlaySkinSound(SkinHandle handle, const QString &name)
{
    if (!handle)
        return;
    const QByteArray wave = handle->Sound(name);
    if (!wave.isEmpty())
        Media::SoundService().PlayWave(wave);
}

void PlaySkinSound(const QString &name)
{
    PlaySkinSound(CurrentSkin().Handle, name);
}

// ---------------------------------------------------------------------------------------------

SkinLineBox SkinTextLine(const QFont &font, QPaintDevice *device)
{
    static QHash<QString, SkinLineBox> cache;
    const int dpi = device ? device->logicalDpiY() : 0;
    const QString key = font.key() + u'@' + QString::number(dpi);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const QRect ink = metrics.boundingRect(u"ŻĄĆŚŹÓŃĘŁÉÅ|gjąęyQ"_s);
    SkinLineBox box;
    box.Ascent = qMax(metrics.ascent(), -ink.top());
    box.Height = box.Ascent + qMax(metrics.descent(), ink.bottom() + 1);
    cache.insert(key, box);
    return box;
}

void DrawAntiAliasedText(QPainter &canvas, int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(canvas.font(), canvas.device());
    const SkinLineBox line = SkinTextLine(canvas.font(), canvas.device());
    const int w = metrics.horizontalAdvance(text) + 20;
    const int h = line.Height;
    if (w <= 0 || h <= 0)
        return;
    QImage layer = MakeLayer(canvas, w, h);
    {
        QPainter big(&layer);
        big.setFont(DoubledFont(canvas.font()));
        big.setPen(canvas.pen().color());
        big.drawText(QPointF(0, 2 * line.Ascent), text);
    }
    canvas.drawImage(QPoint(x, y), HalveLayer(layer, w, h));
}

void DrawAntiAliasedTextInRect(QPainter &canvas, const QRect &rect, int x, int flags, const QString &text,
                               int y)
{
    const int w = rect.width();
    const int h = rect.height();
    if (text.isEmpty() || w <= 0 || h <= 0)
        return;
    QImage layer = MakeLayer(canvas, w, h);
    {
        QPainter big(&layer);
        big.setFont(DoubledFont(canvas.font()));
        big.setPen(canvas.pen().color());
        // Lines start low enough for the accents that rise above the font's ascent.
        const int rise = SkinTextLine(canvas.font(), canvas.device()).Ascent -
                         QFontMetrics(canvas.font(), canvas.device()).ascent();
        const QRect target(QPoint(-2, 2 * (rect.top() + y + rise)),
                           QPoint(2 * (rect.left() + w - x) - 1, 2 * (rect.top() + h - y) - 1));
        big.drawText(target, flags, text);
    }
    canvas.drawImage(QPoint(x, y), HalveLayer(layer, w, h));
}

void DrawStretchedKeepingEnds(QPainter &painter, const QImage &picture, const QRect &target,
                              Qt::Orientation along, int ends)
{
    if (picture.isNull() || target.isEmpty())
        return;
    const bool vertical = along == Qt::Vertical;
    const int source = vertical ? picture.height() : picture.width();
    const int length = vertical ? target.height() : target.width();
    const int e = qMin(ends, qMin(source, length) / 2);
    if (length == source || e <= 0) {
        painter.drawImage(target, picture);
        return;
    }
    auto part = [&](int from, int size, int to, int toSize) {
        if (size <= 0 || toSize <= 0)
            return;
        if (vertical)
            painter.drawImage(QRect(target.x(), target.y() + to, target.width(), toSize), picture,
                              QRect(0, from, picture.width(), size));
        else
            painter.drawImage(QRect(target.x() + to, target.y(), toSize, target.height()), picture,
                              QRect(from, 0, size, picture.height()));
    };
    part(0, e, 0, e);
    part(e, source - 2 * e, e, length - 2 * e);
    part(source - e, e, length - e, e);
}

void InstallSkinFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s);
    QFont::insertSubstitution(u"Trebuchet MS"_s, u"Open Sans"_s);
    QFont::insertSubstitution(u"Georgia"_s, u"DejaVu Serif"_s);
    // Without Wine's files Tahoma still needs Polish letters.
    if (!QFontDatabase::families().contains(u"Tahoma"_s))
        QFont::insertSubstitution(u"Tahoma"_s, u"DejaVu Sans"_s);
}

// ---------------------------------------------------------------------------------------------

int ShowSkinnedMessage(const QString &message, const QString &caption, int kind)
{
    if (const SkinnedMessageHook &hook = MessageHook())
        return hook(message, caption, kind);
    if (!frmMsgBox) {
        frmMsgBox = new TfrmMsgBox();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, frmMsgBox, [] {
            delete frmMsgBox;
            frmMsgBox = nullptr;
        });
    }
    return frmMsgBox->Execute(message, caption, kind);
}

void SetSkinnedMessageHook(SkinnedMessageHook hook)
{
    MessageHook() = std::move(hook);
}
