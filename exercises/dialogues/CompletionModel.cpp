#include "exercises/dialogues/CompletionModel.h"

#include "exercises/dialogues/DialogueGaps.h"
#include "exercises/shared/AnswerHint.h"
#include "exercises/shared/ExerciseRules.h"
#include "utils/Utils.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Completion {

QString TileName(int slot)
{
    return u"AF"_s + QString::number(slot);
}

void TCompletionRun::Start(const QList<TLineText> &lines, int gapMode, const Utils::RandomPick &pick,
                           const TextMeasure &answerWidth)
{
    *this = TCompletionRun();
    m_gapMode = gapMode;
    for (const TLineText &line : lines) {
        TSlowo start;
        start.Speaker = line.Speaker;
        start.Word = u"END"_s;
        start.StartsLine = true;
        m_tokens << start;
        for (const DialogueGaps::TGapPiece &piece :
             DialogueGaps::CutGappedLine(DialogueGaps::MakeGaps(line.Text, gapMode, pick))) {
            TSlowo token;
            token.Speaker = line.Speaker;
            token.IsGap = piece.IsGap;
            if (piece.IsGap) {
                token.Answer = piece.Text;
                m_slotWidth = std::max(m_slotWidth, answerWidth ? answerWidth(piece.Text) : 0);
                m_slots << int(m_tokens.size());
            } else {
                token.Word = piece.Text;
            }
            m_tokens << token;
        }
    }
    m_slotWidth += 20;
    for (int slot : std::as_const(m_slots))
        m_tiles << TTile{slot, m_tokens[slot].Answer, -1};
    m_tileOrder = Utils::DrawOrder(int(m_tiles.size()), pick);
}

int TCompletionRun::TileOf(const QString &name) const
{
    for (int i = 0; i < m_tiles.size(); ++i) {
        if (TileName(m_tiles[i].Slot) == name)
            return i;
    }
    return -1;
}

bool TCompletionRun::IsSlot(int token) const
{
    return token >= 0 && token < m_tokens.size() && m_tokens[token].IsGap;
}

int TCompletionRun::Lift(int slot)
{
    if (m_marked || !IsSlot(slot) || m_tokens[slot].IsEmpty)
        return -1;
    const int tile = TileOf(m_tokens[slot].TileName);
    if (tile >= 0)
        m_tokens[slot].Placed.clear();
    return tile;
}

bool TCompletionRun::Drop(int tile, int slot)
{
    if (m_marked || tile < 0 || tile >= m_tiles.size())
        return false;
    TTile &dropped = m_tiles[tile];
    if (IsSlot(dropped.OstatnieSlowo)) {
        TSlowo &left = m_tokens[dropped.OstatnieSlowo];
        left.Placed.clear();
        left.TileName.clear();
        left.IsEmpty = true;
    }
    dropped.OstatnieSlowo = -1;
    if (!IsSlot(slot) || !m_tokens[slot].IsEmpty)
        return false;
    TSlowo &target = m_tokens[slot];
    dropped.OstatnieSlowo = slot;
    target.TileName = TileName(dropped.Slot);
    target.Placed = dropped.Caption;
    target.IsEmpty = false;
    return true;
}

void TCompletionRun::Check()
{
    m_marked = true;
    m_right = 0;
    m_wrong = 0;
    for (int slot : std::as_const(m_slots)) {
        TSlowo &token = m_tokens[slot];
        token.IsRight = token.Answer == token.Placed;
        ++(token.IsRight ? m_right : m_wrong);
    }
}

int TCompletionRun::Percent() const
{
    return Utils::Percent(m_right, m_right + m_wrong);
}

void TCompletionRun::ShowCorrections()
{
    if (!m_marked)
        return;
    m_correctionsShown = true;
    for (int slot : std::as_const(m_slots)) {
        TSlowo &token = m_tokens[slot];
        token.LearnerWord = token.Placed;
        token.Placed = token.Answer;
    }
}

QString TCompletionRun::HintAt(int slot) const
{
    if (!m_correctionsShown || !IsSlot(slot) || m_tokens[slot].IsRight)
        return QString();
    return ::AnswerHint(m_tokens[slot].LearnerWord);
}

namespace {

bool IsPunctuationOnly(const QString &word)
{
    return !word.isEmpty() &&
           std::all_of(word.cbegin(), word.cend(), [](QChar c) { return u"!,.:;?"_s.contains(c); });
}

} // namespace

TCompletionLayout LayOutCompletion(TCompletionRun &run, const TCompletionMetrics &m)
{
    TCompletionLayout layout;
    const int a = m.Blank;
    const int slotWidth = run.SlotWidth();
    const int slotExtent = m.SlotLeft + slotWidth;
    const int markRoom = run.Marked() ? m.MarkWidth + 4 : 0;
    const int continuation = m.SpeakerWidth + 8 + 2 * a;
    int y = -LineHeight;
    int x = 8;
    const auto drawn = [&] { return y - m.ScrollOffset >= 0 && y - m.ScrollOffset < m.Height; };
    const auto newRow = [&] {
        y += LineHeight;
        x = continuation;
    };

    QList<TSlowo> &tokens = run.Tokens();
    for (int i = 0; i < tokens.size(); ++i) {
        TSlowo &token = tokens[i];
        if (token.StartsLine) {
            y += LineHeight;
            x = 8;
            if (drawn())
                layout.Speakers << TLaidPiece{i, QPoint(x, y - m.ScrollOffset + 2), {}, TMark::None, {}};
            x += m.SpeakerWidth + 2 * a;
            continue;
        }
        if (!token.IsGap) {
            const int w = m.WordWidth ? m.WordWidth(token.Word) : 0;
            // A mark written right after a gap ("<help>?") stands against the slot's end.
            const bool previousIsSlot = i > 0 && tokens[i - 1].IsGap;
            if (previousIsSlot && IsPunctuationOnly(token.Word) && x - a + 1 + w <= m.Width)
                x -= a - 1;
            if (x + w > m.Width)
                newRow();
            if (drawn())
                layout.Words << TLaidPiece{i, QPoint(x, y - m.ScrollOffset), {}, TMark::None, {}};
            x += w + a;
            continue;
        }
        // A slot: after the check its mark stands before it, so the room for it counts too. Its
        // left end is drawn before the slot width, so the slot takes both, and a blank after it
        // keeps the next word clear of its right end.
        if (x + markRoom + slotExtent > m.Width)
            newRow();
        x += markRoom;
        const int row = y - m.ScrollOffset;
        TLaidPiece piece{i,
                         QPoint(x, row),
                         QRect(x + m.SlotLeft, row, slotWidth - m.SlotRight, m.SlotHeight),
                         TMark::None,
                         {}};
        token.Rect = piece.Slot;
        if (run.Marked()) {
            const int markLeft = x - m.MarkWidth - 4;
            if (token.IsRight) {
                piece.Mark = TMark::Right;
                piece.MarkAt = QPoint(markLeft, row - 4);
                token.Rect = QRect();
            } else {
                piece.Mark = TMark::Wrong;
                piece.MarkAt = QPoint(markLeft, row - 2);
                token.Rect =
                    run.CorrectionsShown() ? QRect(markLeft, row - 3, m.MarkWidth, m.MarkHeight) : QRect();
            }
        }
        if (drawn())
            layout.Slots << piece;
        else
            token.Rect = QRect();
        x += slotExtent + a;
    }
    layout.LastRow = y;
    const int bottom = y + LineHeight;
    layout.ScrollMaximum = bottom > m.Height ? (bottom - m.Height + LineHeight - 1) / LineHeight : 0;
    return layout;
}

int SlotAt(const TCompletionRun &run, QPoint point)
{
    const QList<TSlowo> &tokens = run.Tokens();
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].IsGap && !tokens[i].Rect.isEmpty() && tokens[i].Rect.contains(point))
            return i;
    }
    return -1;
}

namespace {

constexpr int TileGap = 8;

int Columns(const QRect &area, int width)
{
    return std::max(0, area.width() / (width + TileGap));
}

int Rows(const QRect &area, int height)
{
    return area.height() >= height ? (area.height() - height) / (height + TileGap) + 1 : 0;
}

int Capacity(const QList<QRect> &areas, int width, int height)
{
    int capacity = 0;
    for (const QRect &area : areas)
        capacity += Columns(area, width) * Rows(area, height);
    return capacity;
}

QList<QPoint> Fill(int count, const QList<QRect> &areas, int width, int height)
{
    QList<QPoint> homes;
    for (const QRect &area : areas) {
        const int columns = Columns(area, width);
        const int rows = Rows(area, height);
        for (int r = 0; r < rows && homes.size() < count; ++r) {
            for (int c = 0; c < columns && homes.size() < count; ++c)
                homes << QPoint(area.left() + c * (width + TileGap), area.top() + r * (height + TileGap));
        }
    }
    return homes;
}

} // namespace

TTileGrid LayOutTiles(int count, int slotWidth, int minWidth, const QList<QRect> &areas, int tileHeight)
{
    TTileGrid grid;
    grid.TileWidth = slotWidth;
    if (count <= 0 || areas.isEmpty())
        return grid;
    minWidth = std::clamp(minWidth, 1, std::max(1, slotWidth));

    // The notebook alone, the tiles narrowing as far as their words allow; then the other
    // areas as well.
    for (const QList<QRect> &used : {areas.mid(0, 1), areas}) {
        for (int width = slotWidth; width >= minWidth; --width) {
            if (Capacity(used, width, tileHeight) >= count) {
                grid.TileWidth = width;
                grid.Homes = Fill(count, used, width, tileHeight);
                return grid;
            }
        }
    }

    // Too many even at the narrowest: the rows of the roomiest area close up.
    const QRect *roomiest = &areas.first();
    for (const QRect &area : areas) {
        if (Columns(area, minWidth) * area.height() > Columns(*roomiest, minWidth) * roomiest->height())
            roomiest = &area;
    }
    const QRect area = *roomiest;
    grid.TileWidth = std::min(minWidth, std::max(1, area.width()));
    const int columns = std::max(1, Columns(area, grid.TileWidth));
    const int rows = (count + columns - 1) / columns;
    const int pitch = rows > 1 ? std::max(0, area.height() - tileHeight) / (rows - 1) : 0;
    for (int i = 0; i < count; ++i)
        grid.Homes << QPoint(area.left() + (i % columns) * (grid.TileWidth + TileGap),
                             area.top() + (i / columns) * pitch);
    return grid;
}

} // namespace Completion
