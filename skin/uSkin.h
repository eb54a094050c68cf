#pragma once
// The skin bundle: named pictures and sounds drawn and synthesised by the project's own skin
// painter, packed into one Qt resource file beside the executable ("resource.rcc").
// Controls keep only the handle and fetch pictures by name whenever they paint; decoded
// pictures are cached by name for the program's run.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

class QFont;
class QPaintDevice;
class QPainter;
class QWidget;
class TVelResButton;

// One loaded bundle. It stays loaded until the program ends.
class TSkinLibrary
{
public:
    // Registers the resource file; IsValid() tells whether that worked.
    explicit TSkinLibrary(const QString &path);
    ~TSkinLibrary();
    TSkinLibrary(const TSkinLibrary &) = delete;
    TSkinLibrary &operator=(const TSkinLibrary &) = delete;

    bool IsValid() const { return m_valid; }
    QString Path() const { return m_path; }

    bool HasPicture(const QString &name) const;
    // The decoded picture; a null image when the name is missing.
    QImage Picture(const QString &name) const;
    bool HasSound(const QString &name) const;
    // The RIFF WAVE bytes of a sound, empty when missing.
    QByteArray Sound(const QString &name) const;

    QStringList PictureNames() const;
    QStringList SoundNames() const;

private:
    QString m_path;
    QString m_root; // resource prefix the file is mapped under
    bool m_valid = false;
    mutable QHash<QString, QImage> m_cache;
};

// 0 (nullptr) = not loaded, as the handle of an unloaded module.
using SkinHandle = const TSkinLibrary *;

struct SkinRecord
{
    SkinHandle Handle = nullptr;
    // Widths and heights of "DIAL01_B", "DIAL03_B", "DIAL07_B", "DIAL09_B" in this order,
    // then eight integers that stay 0.
    int Sizes[16] = {};
};

// The file name of the bundle in the program folder.
QString SkinBundleFileName(); // "resource.rcc"

// Loads the bundle at path and reads the four dialog corner sizes. The handle is null when the
// file cannot be loaded or any corner picture is missing; the caller then reports
// "Brak biblioteki DLL!. Aplikacja zostanie zakończona!" and ends. A successful load also
// becomes the process-wide current skin.
SkinRecord LoadSkinLibrary(const QString &path);

// The skin the program runs with (the main menu keeps it; screens and tests may read it here).
const SkinRecord &CurrentSkin();
void SetCurrentSkin(const SkinRecord &skin);

// Gives the handle (and, to dialog windows, the sixteen integers) to every skinned control
// below form, by class; rozUndefined buttons are left alone. Calling it twice is harmless.
void ApplySkin(QWidget *form, const SkinRecord &skin);
void ApplySkin(QWidget *form); // with CurrentSkin()

// A picture name missing from the bundle (or no bundle at all).
class SkinPictureError : public std::runtime_error
{
public:
    explicit SkinPictureError(const QString &name);
    QString Name() const { return m_name; }

private:
    QString m_name;
};

// Fetches a picture by exact name; throws SkinPictureError when it is missing.
QImage LoadSkinPicture(SkinHandle handle, const QString &name);
QImage LoadSkinPicture(const QString &name); // from CurrentSkin()
// The same without throwing: a null image for a missing name (used while painting, where a
// missing piece is reported once through Utils::ShowSystemError and simply not drawn).
QImage SkinPictureOrNull(SkinHandle handle, const QString &name);

// Gives a button the current skin's picture imageName for state 1 normal (Glyph), 2 hot
// (GlyphHot) or 3 pressed (GlyphDown); any other state does nothing.
void SetButtonGlyph(TVelResButton *button, const QString &imageName, int state = 1);

// The pictures both skinned scroll bars draw: arrows, thumb, the track's three pieces and a
// background under everything.
struct TScrollBarPictures
{
    QImage Up, Down, Suwak, Rynna1, Rynna2, Rynna3, Bkg;
    // The skin's "SB_V_…" or "SB_H_…" set (missing ones stay null); Bkg is left as it is.
    void LoadSkin(SkinHandle handle, bool vertical);
};

// Plays a sound of the bundle asynchronously through Media::SoundService(); silent when the
// name is missing or there is no sound device. Never waits.
void PlaySkinSound(SkinHandle handle, const QString &name);
void PlaySkinSound(const QString &name); // from CurrentSkin()

// The line a text occupies as the skin measures it (the "text height" of the controls): tall
// enough for the accents of Polish capitals, which Wine's Tahoma draws above its nominal
// ascent, and for the descenders.
struct SkinLineBox
{
    int Ascent = 0;
    int Height = 0;
};
SkinLineBox SkinTextLine(const QFont &font, QPaintDevice *device = nullptr);

// Anti-aliased text by 2x supersampling: the area (x, y, text width + 20, text height) of the
// canvas is enlarged, the text drawn on it in the painter's font at double size and pen
// colour, and every 2x2 block averaged back. Nothing outside that rectangle is touched.
void DrawAntiAliasedText(QPainter &canvas, int x, int y, const QString &text);
// The rectangle variant for formatted text (flags: Qt::TextFlag | Qt::AlignmentFlag, e.g.
// Qt::TextWordWrap); the work images are the size of rect, copied from (x, y).
void DrawAntiAliasedTextInRect(QPainter &canvas, const QRect &rect, int x, int flags, const QString &text,
                               int y);

// Stretches picture over target along one direction, keeping `ends` pixels at both ends at
// their size (rounded thumbs, tiles); across the other direction it is simply stretched.
void DrawStretchedKeepingEnds(QPainter &painter, const QImage &picture, const QRect &target,
                              Qt::Orientation along, int ends);

// Maps the fonts the screens ask for onto fonts that carry every Polish letter: Wine's Tahoma
// (regular and bold, loaded from /usr/share/wine/fonts), "Verdana" -> DejaVu Sans,
// "Trebuchet MS" -> Open Sans, "Georgia" -> DejaVu Serif. Safe to call more than once.
void InstallSkinFonts();

// The skinned question or information box: 1 for Tak/OK, 0 for Nie or closing.
// smQuestionDefaultNo: a question whose Enter and Space mean "Nie", for answers that lose data.
enum TSkinnedMessageKind { smQuestion = 0, smInformation = 1, smQuestionDefaultNo = 2 };
int ShowSkinnedMessage(const QString &message, const QString &caption, int kind);

// Tests answer the box without a modal loop: the hook gets the call instead of the form.
using SkinnedMessageHook = std::function<int(const QString &message, const QString &caption, int kind)>;
void SetSkinnedMessageHook(SkinnedMessageHook hook); // an empty hook restores the form

// The palette every picture and control is drawn from.
namespace SkinColors {
inline const QColor Blue{2, 174, 228};
inline const QColor Navy{6, 54, 99};
inline const QColor Grey{157, 157, 157};
inline const QColor Silver{192, 192, 192};
inline const QColor Green{0, 154, 43};
inline const QColor Red{220, 40, 40};
} // namespace SkinColors
