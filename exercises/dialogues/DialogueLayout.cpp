#include "exercises/dialogues/DialogueLayout.h"

namespace DialogueLayout {

int FlowWords(const QString &text, const TFlowMetrics &metrics, int textStart, const QStringList &pulledLeft,
              int &x, int &y, QList<TPlacedWord> &words)
{
    int rows = 0;
    const QStringList pieces = text.split(u' ');
    for (const QString &piece : pieces) {
        const QString word = piece.trimmed();
        if (word.isEmpty())
            continue;
        const int width = metrics.TextWidth ? metrics.TextWidth(word) : 0;
        // A word wider than the whole row still starts a row of its own, never an empty one.
        if (x + width > metrics.Width && x > textStart) {
            y += LineHeight;
            x = textStart;
            ++rows;
        }
        if (pulledLeft.contains(word))
            x -= metrics.Blank;
        words.append({word, x, y, width});
        x += metrics.Blank + width;
    }
    return rows;
}

bool RowVisible(int y, int offset, int areaHeight)
{
    return y - offset >= 0 && y - offset < areaHeight;
}

int ScrollMaximum(int contentHeight, int areaHeight)
{
    if (contentHeight <= areaHeight)
        return 0;
    return (contentHeight - areaHeight + LineHeight - 1) / LineHeight;
}

TPresentationLayout LayOutPresentation(QList<TKwestia> &lines, const TPresentationMetrics &metrics)
{
    static const QStringList pulledLeft{QStringLiteral(","), QStringLiteral("."), QStringLiteral("?"),
                                        QStringLiteral(":")};
    const int a = metrics.Flow.Blank;
    const int offset = metrics.ScrollOffset;
    TPresentationLayout layout;
    int y = 0;
    for (TKwestia &kwestia : lines) {
        TPresentationLine line;
        const int top = y - offset;
        line.IconsVisible = RowVisible(y, offset, metrics.Height);
        int x = LeftMargin;
        line.Mic = QRect(QPoint(x, top), metrics.Mic);
        x += metrics.Mic.width() + 2 * a;
        line.Own = QRect(QPoint(x, top + 2), metrics.Own);
        x += metrics.Own.width() + 2 * a;
        line.Kept = QRect(QPoint(x, top + 2), metrics.Kept);
        x += metrics.Kept.width() + 2 * a;
        line.Speaker = QRect(QPoint(x, top + 2), metrics.Speaker);
        x += metrics.Speaker.width() + 2 * a;
        line.TextStart = x;

        const int rows = FlowWords(kwestia.Text, metrics.Flow, line.TextStart, pulledLeft, x, y, line.Words);
        // From 2 pixels below the first row's top to the bottom of the last row, so every row
        // of a long line answers to the pointer.
        kwestia.Rect = QRect(0, top + 2, metrics.Flow.Width, (rows + 1) * LineHeight - 2);
        layout.Lines.append(line);
        y += LineHeight;
    }
    layout.ContentHeight = y;
    return layout;
}

namespace {

bool InColumn(const QRect &icon, const QRect &lineRect, QPoint p)
{
    return p.x() >= icon.left() && p.x() <= icon.left() + icon.width() && p.y() >= lineRect.top() &&
           p.y() <= lineRect.top() + 24;
}

} // namespace

TPresentationHit HitPresentation(const QList<TKwestia> &lines, const TPresentationLayout &layout,
                                 QPoint point)
{
    TPresentationHit hit;
    for (qsizetype i = 0; i < lines.size() && i < layout.Lines.size(); ++i) {
        const QRect &rect = lines[i].Rect;
        if (!rect.contains(point))
            continue;
        const TPresentationLine &line = layout.Lines[i];
        hit.Line = int(i);
        if (point.x() >= line.TextStart)
            hit.Zone = TPresentationZone::Text;
        else if (InColumn(line.Speaker, rect, point))
            hit.Zone = TPresentationZone::Speaker;
        else if (InColumn(line.Kept, rect, point))
            hit.Zone = TPresentationZone::KeptRecording;
        else if (InColumn(line.Own, rect, point))
            hit.Zone = TPresentationZone::OwnRecording;
        else if (InColumn(line.Mic, rect, point))
            hit.Zone = TPresentationZone::Microphone;
        return hit;
    }
    return hit;
}

TReadingLayout LayOutReading(const QList<TKwestia> &lines, const TFlowMetrics &flow, int height,
                             int scrollOffset, QSize speaker)
{
    TReadingLayout layout;
    int y = 0;
    for (const TKwestia &kwestia : lines) {
        TReadingLine line;
        int x = LeftMargin;
        line.Speaker = QRect(QPoint(x, y - scrollOffset + 2), speaker);
        line.IconVisible = RowVisible(y, scrollOffset, height);
        x += speaker.width() + 2 * flow.Blank;
        FlowWords(kwestia.Text, flow, x, {}, x, y, line.Words);
        layout.Lines.append(line);
        y += LineHeight;
    }
    layout.ContentHeight = y;
    return layout;
}

} // namespace DialogueLayout
