// The small pictures of the dialogue screens, drawn to stand out on their dark blue
// backgrounds: the speakers (a bust and the speaker's letter on a tag of the speaker's colour),
// the generic speaker of the reading view, the microphone idle and recording, and the
// learner's own recordings (a little figure with a play mark, amber when kept from earlier).
#include "Painter.h"

namespace SkinPainter {

namespace {

// The five speakers' colours: as far apart as the palette allows.
const QColor SpeakerColours[5] = {Blue, Amber, Green, QColor(170, 96, 230), QColor(232, 72, 140)};

// A head and shoulders inside r, in colour c.
void Bust(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double w = r.width(), h = r.height();
    p.drawEllipse(QRectF(r.left() + w * 0.28, r.top(), w * 0.44, h * 0.46));
    QPainterPath body;
    body.moveTo(r.left(), r.bottom());
    body.cubicTo(r.left(), r.top() + h * 0.58, r.left() + w * 0.2, r.top() + h * 0.52, r.center().x(),
                 r.top() + h * 0.52);
    body.cubicTo(r.right() - w * 0.2, r.top() + h * 0.52, r.right(), r.top() + h * 0.58, r.right(),
                 r.bottom());
    body.closeSubpath();
    p.drawPath(body);
}

// A speaker's tag, 25 x 20: a rounded plate of the colour with a white bust and the letter.
QImage SpeakerTag(const QColor &c, const QString &letter)
{
    return Draw(25, 20, [&](QPainter &p) {
        p.setPen(QPen(c.darker(135), 1));
        p.setBrush(Vertical(0, 20, c.lighter(125), c.darker(110)));
        p.drawRoundedRect(QRectF(0.5, 1.5, 24, 17), 5, 5);
        if (letter.isEmpty()) {
            Bust(p, QRectF(7, 4, 11, 12.5), Qt::white);
            return;
        }
        Bust(p, QRectF(3, 4.5, 9, 12), Qt::white);
        p.setFont(Bold(12));
        p.setPen(Qt::white);
        p.drawText(QRectF(12, 1.5, 11, 17), Qt::AlignCenter, letter);
    });
}

// The microphone, 15 x 24: a capsule on a stand; red with a glow while recording.
QImage Microphone(bool recording)
{
    return Draw(15, 24, [&](QPainter &p) {
        const QColor body = recording ? Red : QColor(236, 244, 250);
        const QColor edge = recording ? Red.darker(140) : QColor(150, 186, 214);
        if (recording) {
            QRadialGradient glow(7.5, 8, 8);
            glow.setColorAt(0, QColor(255, 90, 80, 140));
            glow.setColorAt(1, QColor(255, 90, 80, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(QRectF(-0.5, 0, 16, 16));
        }
        p.setPen(QPen(edge, 1));
        p.setBrush(Vertical(1, 14, body.lighter(115), body.darker(108)));
        p.drawRoundedRect(QRectF(4.5, 1.5, 6, 12), 3, 3);
        p.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
        for (double y : {5.0, 7.5, 10.0})
            p.drawLine(QPointF(5.5, y), QPointF(9.5, y));
        p.setPen(
            QPen(recording ? Red.lighter(130) : QColor(220, 232, 242), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2, 5, 11, 12), 200 * 16, 140 * 16);
        p.drawLine(QPointF(7.5, 17), QPointF(7.5, 21));
        p.drawLine(QPointF(4, 22), QPointF(11, 22));
    });
}

// The learner's recording, 19 x 20: a small figure with a play mark on a round plate.
QImage LearnerRecording(const QColor &c)
{
    return Draw(19, 20, [&](QPainter &p) {
        p.setPen(QPen(c.darker(140), 1));
        p.setBrush(Vertical(0, 20, c.lighter(125), c.darker(110)));
        p.drawEllipse(QRectF(0.5, 1, 18, 18));
        Bust(p, QRectF(3, 4, 8, 11.5), Qt::white);
        QPainterPath play;
        play.moveTo(11, 7);
        play.lineTo(16, 10.5);
        play.lineTo(11, 14);
        play.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(play);
    });
}

} // namespace

void PaintDialoguePictures(Output &out)
{
    for (int speaker = 1; speaker <= 5; ++speaker)
        out.Picture(QStringLiteral("IMG_Osoba_%1").arg(speaker),
                    SpeakerTag(SpeakerColours[speaker - 1], QString(QChar(u'A' + speaker - 1))));
    out.Picture(QStringLiteral("IMG_Osoba_X"), SpeakerTag(QColor(120, 150, 180), {}));
    out.Picture(QStringLiteral("IMG_Mic"), Microphone(false));
    out.Picture(QStringLiteral("IMG_Mic_Stop"), Microphone(true));
    out.Picture(QStringLiteral("IMG_Chlopek"), LearnerRecording(Green));
    out.Picture(QStringLiteral("IMG_Chlopek_A"), LearnerRecording(Amber));
}

} // namespace SkinPainter
