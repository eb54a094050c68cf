#include "Backgrounds.h"

#include "Motifs.h"
#include "Palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>
#include <map>

namespace CourseMedia {

namespace {

using namespace Palette;

// Every screen background lies under a 50-pixel title bar: 1024 x 718 from (0, 50).
constexpr int kWidth = 1024;
constexpr int kHeight = 718;

QColor Alpha(const QColor &c, int a)
{
    QColor r = c;
    r.setAlpha(a);
    return r;
}

void Gradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Soft horizontal waves, the recurring figure of the course's pictures (sound made visible).
void Waves(QPainter &p, qreal baseY, qreal amplitude, const QColor &colour, int count, qreal phase = 0)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QPainterPath wave;
        const qreal y = baseY + i * 26;
        wave.moveTo(0, y);
        for (int x = 0; x <= kWidth; x += 8)
            wave.lineTo(x, y + amplitude * std::sin((x / 180.0) + phase + i * 0.7) * (1.0 - i * 0.12));
        wave.lineTo(kWidth, kHeight);
        wave.lineTo(0, kHeight);
        wave.closeSubpath();
        p.setBrush(Alpha(colour, 26 + i * 8));
        p.drawPath(wave);
    }
}

void Glow(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour, int alpha)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, Alpha(colour, alpha));
    g.setColorAt(1, Alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void Card(QPainter &p, const QRectF &r, int alpha = 235, qreal radius = 14)
{
    p.setPen(Qt::NoPen);
    for (int i = 6; i > 0; --i) {
        p.setBrush(QColor(6, 54, 99, 5));
        p.drawRoundedRect(r.adjusted(-i, -i + 3, i, i + 3), radius + i, radius + i);
    }
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawRoundedRect(r, radius, radius);
}

void Dots(QPainter &p, const QRectF &area, const QColor &colour, qreal step = 22)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (qreal y = area.top(); y < area.bottom(); y += step)
        for (qreal x = area.left(); x < area.right(); x += step)
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
}

QFont Font(int px, bool bold = false, const QString &family = QStringLiteral("Open Sans"))
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// The blue column on the right where the exercise screens keep their buttons.
void ButtonColumn(QPainter &p, const QColor &a, const QColor &b)
{
    const QRectF column(790, 0, kWidth - 790, kHeight);
    Gradient(p, column, a, b);
    p.fillRect(QRectF(790, 0, 2, kHeight), Alpha(White, 70));
    p.save();
    p.setClipRect(column);
    Waves(p, 560, 14, Sky, 3, 1.3);
    p.restore();
}

// --- the named backgrounds --------------------------------------------------------------

void MainMenu(QPainter &p)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Navy, Ocean);
    Glow(p, QPointF(250, 300), 420, Sky, 120);
    Waves(p, 520, 26, Sky, 5);
    // Title on the left; the two entries sit on a card on the right (screen 608..961, 160..350).
    p.setPen(White);
    p.setFont(Font(64, true));
    p.drawText(QRectF(70, 170, 480, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Audivox"));
    p.setFont(Font(22));
    p.setPen(Alpha(White, 220));
    p.drawText(QRectF(74, 258, 480, 34), Qt::AlignLeft, QStringLiteral("Słuchaj  •  Rozumiej  •  Rozmawiaj"));
    p.setFont(Font(16));
    p.setPen(Alpha(White, 170));
    p.drawText(QRectF(74, 294, 480, 28), Qt::AlignLeft, QStringLiteral("English listening & conversation"));
    DrawMotif(p, QStringLiteral("headphones"), QRectF(74, 40, 120, 120), White, Sky);
    Card(p, QRectF(590, 88, 390, 228), 40, 18);
    p.fillRect(QRectF(612, 206, 346, 1), Alpha(White, 60));
    // The publisher's mark under the link area (screen 14, 726).
    p.setFont(Font(15, true));
    p.setPen(Alpha(White, 200));
    p.drawText(QRectF(14, 676, 200, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lernivo"));
}

void Login(QPainter &p)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Navy, Ocean.darker(110));
    Glow(p, QPointF(780, 250), 380, Sky, 90);
    Glow(p, QPointF(120, 640), 260, Sky, 60);
    Waves(p, 560, 22, Sky, 4, 2.0);
    Dots(p, QRectF(40, 40, 240, 160), Alpha(White, 40));
    // Divider beside the profile list (screen 526, from 50) is drawn by the screen itself.
    DrawMotif(p, QStringLiteral("speech"), QRectF(330, 80, 140, 140), Alpha(White, 235), Sky);
}

void Selection(QPainter &p)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Mist, Ice);
    // A navy band on the left, the list on a white card (screen 203, 166, 798 x 552).
    Gradient(p, QRectF(0, 0, 190, kHeight), Navy, Ocean);
    Waves(p, 600, 10, Sky, 3);
    p.fillRect(QRectF(190, 0, kWidth - 190, kHeight), QColor(0, 0, 0, 0));
    Card(p, QRectF(196, 30, 814, 644), 255, 12);
    p.fillRect(QRectF(204, 110, 798, 1), QColor(220, 230, 238));
    const QString icons[] = {QStringLiteral("headphones"), QStringLiteral("speech"), QStringLiteral("book")};
    for (int i = 0; i < 3; ++i)
        DrawMotif(p, icons[i], QRectF(45, 120 + i * 150, 100, 100), Alpha(White, 230), Sky);
}

void ExerciseLight(QPainter &p, const QColor &tint, qreal phase, bool dots)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), White, tint);
    Glow(p, QPointF(160, 80), 360, Sky, 40);
    Waves(p, 600, 18, Sky, 4, phase);
    if (dots)
        Dots(p, QRectF(20, 20, 200, 120), Alpha(Sky, 60));
    ButtonColumn(p, Ocean, Navy);
}

void SentenceLight(QPainter &p, const QColor &tint, qreal phase)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), White, tint);
    p.setPen(QPen(Alpha(Sky, 34), 1));
    for (int y = 120; y < 520; y += 34)
        p.drawLine(QPointF(40, y), QPointF(760, y));
    Glow(p, QPointF(700, 620), 300, Sky, 50);
    Waves(p, 610, 14, Ocean, 3, phase);
    ButtonColumn(p, Sky.darker(120), Navy);
}

void DialogueDark(QPainter &p, const QString &motif)
{
    // Dialogue screens write their lines in white: a deep blue keeps them legible.
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Navy, Navy.darker(130));
    Glow(p, QPointF(380, 300), 460, Ocean, 120);
    Waves(p, 600, 16, Sky, 3, 0.4);
    if (!motif.isEmpty()) {
        p.setOpacity(0.18);
        DrawMotif(p, motif, QRectF(520, 330, 260, 260), White, Sky);
        p.setOpacity(1.0);
    }
    ButtonColumn(p, Ocean, Navy.darker(120));
}

// The dark ribbon the instruction is written on in white (screen 40..620, 78..126).
void InstructionRibbon(QPainter &p)
{
    p.setPen(Qt::NoPen);
    QLinearGradient ribbon(0, 28, 0, 76);
    ribbon.setColorAt(0, Navy.lighter(125));
    ribbon.setColorAt(1, Navy);
    p.setBrush(ribbon);
    p.drawRoundedRect(QRectF(40, 28, 580, 48), 10, 10);
    p.setBrush(Alpha(Sky, 200));
    p.drawRoundedRect(QRectF(40, 28, 6, 48), 3, 3);
}

void ThreePictures(QPainter &p)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Mist, Ice);
    Waves(p, 560, 18, Sky, 4, 0.8);
    InstructionRibbon(p);
    // Soft trays behind the three frames (screen 76/387/695, 178; 296 x 248).
    for (int x : {76, 387, 695})
        Card(p, QRectF(x - 6, 122, 260, 308), 120, 16);
}

void Uncovering(QPainter &p, int words)
{
    Gradient(p, QRectF(0, 0, kWidth, kHeight), Mist, Ice);
    Glow(p, QPointF(900, 80), 300, Sky, 60);
    Waves(p, 640, 12, Sky, 3, 1.7);
    InstructionRibbon(p);
    // The column of the word buttons (screen 31, 962 wide) and of the strips uncovered over them
    // (screen 62, 175 or 140; 900 x 70 each).
    const qreal top = (words == 7 ? 175 : 140) - 50;
    Card(p, QRectF(24, top - 8, 976, words * 70 + 16), 150, 10);
}

void MenuIcon(QPainter &p, const QString &motif, const QColor &ring)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Alpha(White, 36));
    p.drawEllipse(QRectF(4, 4, 92, 92));
    p.setPen(QPen(ring, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(6, 6, 88, 88));
    DrawMotif(p, motif, QRectF(20, 20, 60, 60), White, Sky);
}

struct Entry
{
    int width = kWidth, height = kHeight;
    bool alpha = false;
    std::function<void(QPainter &)> paint;
};

const std::map<QString, Entry> &Table()
{
    static const std::map<QString, Entry> table{
        {QStringLiteral("bg_start.bmp"), {kWidth, kHeight, false, MainMenu}},
        {QStringLiteral("bg.bmp"), {kWidth, kHeight, false, Login}},
        {QStringLiteral("wyborcwiczenia_tlo.bmp"), {kWidth, kHeight, false, Selection}},
        {QStringLiteral("bg_dialog.bmp"), {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, {}); }}},
        {QStringLiteral("bg_3obrazki.bmp"), {kWidth, kHeight, false, ThreePictures}},
        {QStringLiteral("bg_odkrywanka_7.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { Uncovering(p, 7); }}},
        {QStringLiteral("bg_odkrywanka_8.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { Uncovering(p, 8); }}},
        {QStringLiteral("menu_nauka.png"),
         {100, 100, true, [](QPainter &p) { MenuIcon(p, QStringLiteral("book"), Sky); }}},
        {QStringLiteral("menu_powtorki.png"),
         {100, 100, true, [](QPainter &p) { MenuIcon(p, QStringLiteral("repeat"), Sky); }}},
        {QStringLiteral("Background_roz/roz_niebo.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { ExerciseLight(p, Ice, 0.0, true); }}},
        {QStringLiteral("Background_roz/roz_fale.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { ExerciseLight(p, QColor(220, 240, 246), 1.9, false); }}},
        {QStringLiteral("Background_roz/roz_kropki.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { ExerciseLight(p, QColor(226, 238, 250), 3.1, true); }}},
        {QStringLiteral("Background_roz/roz_swit.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { ExerciseLight(p, QColor(250, 240, 228), 4.4, false); }}},
        {QStringLiteral("Background_zda/zda_linie.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { SentenceLight(p, Ice, 0.5); }}},
        {QStringLiteral("Background_zda/zda_fale.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { SentenceLight(p, QColor(222, 242, 240), 2.2); }}},
        {QStringLiteral("Background_zda/zda_morze.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { SentenceLight(p, QColor(214, 232, 250), 3.6); }}},
        {QStringLiteral("Background_dial/bg_dialog.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, {}); }}},
        {QStringLiteral("Background_dial/jedzenie_2_kawiarnia.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("coffee")); }}},
        {QStringLiteral("Background_dial/jedzenie_3_restauracja.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("cake")); }}},
        {QStringLiteral("Background_dial/praca_2_telefon.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("phone")); }}},
        {QStringLiteral("Background_dial/zdrowie_1_lekarz.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("doctor")); }}},
        {QStringLiteral("Background_dial/codzien_3_sasiedzi.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("house")); }}},
        {QStringLiteral("Background_dial/podroze_5_bilety.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("ticket")); }}},
        {QStringLiteral("Background_dial/zakupy_3_ubrania.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("shirt")); }}},
        {QStringLiteral("Background_dial/codzien_4_sasiedzi.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("key")); }}},
        {QStringLiteral("Background_dial/podroze_6_pociag.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("train")); }}},
        {QStringLiteral("Background_dial/zdrowie_3_silownia.bmp"),
         {kWidth, kHeight, false, [](QPainter &p) { DialogueDark(p, QStringLiteral("shoe")); }}},
    };
    return table;
}

} // namespace

QStringList BackgroundNames()
{
    QStringList names;
    for (const auto &[name, entry] : Table())
        names << name;
    return names;
}

QImage PaintBackground(const QString &name)
{
    const auto it = Table().find(name);
    if (it == Table().end())
        return {};
    const Entry &e = it->second;
    QImage image(e.width, e.height, e.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(e.alpha ? QColor(Qt::transparent) : White);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    e.paint(p);
    return image;
}

} // namespace CourseMedia
