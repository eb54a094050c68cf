#include "exercises/dialogues/WordArranging.h"

#include <algorithm>

namespace Sentences {

QStringList CutSentence(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

QList<TSlowo> DealWords(const QStringList &words, const RandomPick &pick)
{
    const QList<int> order = Utils::DrawOrder(int(words.size()), pick);
    QList<TSlowo> places;
    for (int i = 0; i < words.size(); ++i) {
        TSlowo slot;
        slot.ModelWord = words[i];
        slot.PlacedWord = words[order[i]];
        places.append(slot);
    }
    return places;
}

void MoveWord(QList<TSlowo> &places, int source, int target)
{
    const int count = int(places.size());
    if (source < 0 || source >= count || target < 0 || target > count)
        return;
    if (target == source || target == source + 1)
        return;
    const QString moved = places[source].PlacedWord;
    if (target < source) {
        for (int i = source; i > target; --i)
            places[i].PlacedWord = places[i - 1].PlacedWord;
        places[target].PlacedWord = moved;
    } else {
        for (int i = source; i < target - 1; ++i)
            places[i].PlacedWord = places[i + 1].PlacedWord;
        places[target - 1].PlacedWord = moved;
    }
}

bool IsArrangedRight(const QList<TSlowo> &places)
{
    return std::all_of(places.cbegin(), places.cend(),
                       [](const TSlowo &slot) { return slot.PlacedWord == slot.ModelWord; });
}

int SlotAt(const QList<TSlowo> &places, QPoint point)
{
    for (int i = 0; i < places.size(); ++i) {
        if (places[i].Rect.contains(point))
            return i;
    }
    return -1;
}

TDropTarget DropTargetAt(const QList<TSlowo> &places, QPoint point, int markerWidth)
{
    TDropTarget target;
    const int over = SlotAt(places, point);
    if (over >= 0) {
        target.Index = over;
        target.Marker = QPoint(places[over].Rect.left() - markerWidth, places[over].Rect.top());
        return target;
    }
    if (places.isEmpty())
        return target;
    const QRect &last = places.last().Rect;
    const QRect endZone(last.x() + last.width(), last.top(), 8, last.height());
    if (endZone.contains(point)) {
        target.Index = int(places.size());
        target.Marker = QPoint(endZone.left(), last.top());
    }
    return target;
}

QList<QRect> FlowWords(const QStringList &words, const TFlowRules &rules, int rowHeight,
                       const TextWidth &width)
{
    QList<QRect> rects;
    int x = rules.Left;
    int y = rules.Top;
    for (const QString &word : words) {
        const int w = width(word);
        if (x + w >= rules.Limit) {
            x = rules.Left;
            y += rules.RowStep;
        }
        rects.append(QRect(x, y, w, rowHeight));
        x += w + rules.Gap;
    }
    return rects;
}

void LayOutArranging(QList<TSlowo> &places, int areaWidth, int textHeight, const TextWidth &width)
{
    const QList<QRect> rects =
        FlowWords(PlacedWords(places), {0, 4, textHeight + 16, areaWidth - 16, 8}, textHeight, width);
    for (int i = 0; i < places.size(); ++i)
        places[i].Rect = rects[i];
}

QList<QRect> LayOutAnsweredRow(const QStringList &words, int markWidth, int top, int areaWidth,
                               int textHeight, const TextWidth &width)
{
    return FlowWords(words, {markWidth + 8, top, textHeight, areaWidth, 4}, textHeight, width);
}

QStringList ModelWords(const QList<TSlowo> &places)
{
    QStringList words;
    for (const TSlowo &slot : places)
        words.append(slot.ModelWord);
    return words;
}

QStringList PlacedWords(const QList<TSlowo> &places)
{
    QStringList words;
    for (const TSlowo &slot : places)
        words.append(slot.PlacedWord);
    return words;
}

} // namespace Sentences
