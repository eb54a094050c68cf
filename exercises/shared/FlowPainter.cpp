#include "exercises/shared/FlowPainter.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <memory>

namespace FlowText {

QColor Palette::Of(Ink ink) const
{
    switch (ink) {
    case Ink::Entered:
        return Entered;
    case Ink::Right:
        return Right;
    case Ink::Wrong:
        return Wrong;
    case Ink::Text:
        break;
    }
    return Text;
}

QFont FontFor(const QFont &base, const Style &style)
{
    QFont font(base);
    font.setBold(style.Bold);
    font.setItalic(style.Italic);
    return font;
}

Measure MeasureWith(const QFont &base)
{
    // One metrics object per bold/italic pair, and every word's width kept once measured: a
    // text is laid out again at every paint, and shaping the same words again is the cost.
    struct Face
    {
        QFontMetrics Metrics;
        QHash<QString, int> Widths;
    };
    auto faces = std::make_shared<QHash<int, Face>>();
    return [base, faces](const QString &text, const Style &style) {
        const int key = (style.Bold ? 1 : 0) | (style.Italic ? 2 : 0);
        auto face = faces->find(key);
        if (face == faces->end())
            face = faces->insert(key, Face{QFontMetrics(FontFor(base, style)), {}});
        auto width = face->Widths.constFind(text);
        if (width != face->Widths.cend())
            return *width;
        const int measured = face->Metrics.horizontalAdvance(text);
        face->Widths.insert(text, measured);
        return measured;
    };
}

void Paint(QPainter &painter, const Layout &layout, const QFont &base, const Palette &palette, int offset,
           int areaHeight, const PictureLookup &pictures)
{
    painter.save();
    for (const Picture &picture : layout.Pictures) {
        const QImage image = pictures ? pictures(picture.Name) : QImage();
        if (image.isNull())
            continue;
        const QRect at(picture.Rect.topLeft() - QPoint(0, offset), image.size());
        if (at.bottom() >= 0 && at.top() < areaHeight)
            painter.drawImage(at.topLeft(), image);
    }
    Style current;
    bool first = true;
    for (const Word &word : layout.Words) {
        const int top = word.Rect.top() - offset;
        if (top < 0 || top >= areaHeight)
            continue;
        if (first || !(word.Look == current)) {
            painter.setFont(FontFor(base, word.Look));
            painter.setPen(palette.Of(word.Look.Colour));
            current = word.Look;
            first = false;
        }
        painter.drawText(QPoint(word.Rect.left(), top + painter.fontMetrics().ascent()), word.Text);
    }
    painter.restore();
}

void FillWordPositions(TPozycjeSlowek &positions, const Layout &layout, int offset, int areaHeight)
{
    positions.Clear();
    for (const Word &word : VisibleWords(layout, offset, areaHeight))
        positions.AddWord(word.Text, word.Rect);
}

} // namespace FlowText
