#include "exercises/words/TestModel.h"

#include "utils/Utils.h"

#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace TestModel {

void ShuffleTest(QList<TGrupa> &groups, const RandomPick &pick)
{
    QList<TGrupa> shuffled;
    for (int from : DrawOrder(int(groups.size()), pick))
        shuffled.append(groups[from]);
    groups = shuffled;

    for (TGrupa &group : groups) {
        QList<TGrupaItem> items;
        const QList<int> order = DrawOrder(int(group.Items.size()), pick);
        for (int p = 0; p < order.size(); ++p) {
            items.append(group.Items[order[p]]);
            if (order[p] == 0)
                group.CorrectList = QString::number(p + 1);
        }
        group.Items = items;
    }
}

void SelectAnswer(TGrupa &group, int item, bool singleChoice)
{
    if (item < 0 || item >= group.Items.size())
        return;
    if (singleChoice) {
        for (int i = 0; i < group.Items.size(); ++i)
            group.Items[i].Selected = i == item;
    } else {
        group.Items[item].Selected = !group.Items[item].Selected;
    }
}

AnswerRef AnswerAt(const QList<TGrupa> &groups, QPoint point)
{
    for (int g = 0; g < groups.size(); ++g) {
        for (int i = 0; i < groups[g].Items.size(); ++i) {
            if (groups[g].Items[i].HitRect.contains(point))
                return {g, i};
        }
    }
    return {};
}

int TestScore::Percent() const
{
    return HasScore() ? Utils::Percent(Good, Groups) : 0;
}

TestScore ScoreTest(const QList<TGrupa> &groups, bool singleChoice)
{
    TestScore score;
    for (const TGrupa &group : groups) {
        const bool hasRight = std::any_of(group.Items.cbegin(), group.Items.cend(),
                                          [](const TGrupaItem &item) { return item.Correct; });
        if (!hasRight)
            continue;
        ++score.Groups;
        bool right = true;
        if (singleChoice) {
            int marked = 0;
            for (const TGrupaItem &item : group.Items) {
                if (item.Selected) {
                    ++marked;
                    right = right && item.Correct;
                }
            }
            right = right && marked == 1;
        } else {
            right = std::all_of(group.Items.cbegin(), group.Items.cend(),
                                [](const TGrupaItem &item) { return item.Selected == item.Correct; });
        }
        if (right)
            ++score.Good;
        else
            ++score.Bad;
    }
    return score;
}

TestPicture FindTestPicture(const QString &pictureFolder, const QString &exerciseFile, int n)
{
    const QString name = QFileInfo(QString(exerciseFile).replace(u'\\', u'/')).fileName();
    const QString base = name.section(u'.', 0, 0);
    static const struct
    {
        const char16_t *letter;
        PicturePlacement placement;
    } kinds[] = {{u"L", PicturePlacement::Left},
                 {u"R", PicturePlacement::Right},
                 {u"T", PicturePlacement::Top},
                 {u"B", PicturePlacement::Bottom}};
    for (const auto &kind : kinds) {
        const QString file = u"%1_%2_%3.png"_s.arg(base).arg(n).arg(QString::fromUtf16(kind.letter));
        const QString path = Utils::ResolvePath(pictureFolder, file);
        if (QFileInfo(path).isFile())
            return {kind.placement, path};
    }
    return {};
}

namespace {

// Draws a text word by word from x0 at line top y; a word that would pass limit starts a
// new line lineStep lower (unless it already starts a line: then it simply overflows).
// Returns the number of lines and the right end of the widest one.
struct WordRun
{
    int Lines = 1;
    int Right = 0;
};

WordRun LayOutWords(SheetLayout &layout, const SheetMetrics &m, const QString &text, int x0, int limit, int y,
                    int lineStep, int offset)
{
    WordRun run;
    run.Right = x0;
    int x = x0;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const int w = m.TextWidth(word);
        if (x > x0 && x + w > limit) {
            x = x0;
            y += lineStep;
            ++run.Lines;
        }
        layout.Words.append({word, QRect(x, y - offset, w, m.TextHeight)});
        run.Right = std::max(run.Right, x + w);
        x += w + 4;
    }
    return run;
}

} // namespace

SheetLayout LayOutSheet(QList<TGrupa> &groups, const SheetMetrics &m, SheetView view, int offset,
                        const PictureSource &pictures)
{
    SheetLayout layout;
    const int S = m.StateSize;
    const int L = m.TextHeight;
    const int W = m.Width;
    int y = 0;

    for (int n = 1; n <= groups.size(); ++n) {
        TGrupa &group = groups[n - 1];
        const SheetPictureInfo picture = pictures ? pictures(n) : SheetPictureInfo();
        const int pw = picture.Size.width();
        const int ph = picture.Size.height();

        // The question stands beside its own side picture, so the picture is known first.
        int leftIndent = 0;
        int rightReserve = 0;
        int sideHeight = 0;
        if (picture.Placement == PicturePlacement::Left) {
            leftIndent = pw;
            sideHeight = ph;
        } else if (picture.Placement == PicturePlacement::Right) {
            rightReserve = pw + 10;
            sideHeight = ph;
        }
        const int groupTop = y;
        const WordRun header =
            LayOutWords(layout, m, group.Header, leftIndent + 16, W - rightReserve, y + 7, S, offset);
        y += (header.Lines - 1) * S;

        switch (picture.Placement) {
        case PicturePlacement::Left:
            layout.Pictures.append({picture.Path, QRect(0, groupTop - offset, pw, ph)});
            break;
        case PicturePlacement::Right:
            layout.Pictures.append({picture.Path, QRect(W - pw - 10, groupTop - offset, pw, ph)});
            break;
        case PicturePlacement::Top:
            y += 32;
            layout.Pictures.append({picture.Path, QRect((W - pw) / 2, y - offset, pw, ph)});
            y += ph;
            break;
        case PicturePlacement::Bottom:
        case PicturePlacement::None:
            break;
        }
        const int sideBottom = groupTop + sideHeight;
        y += L + 8;

        for (TGrupaItem &item : group.Items) {
            const int rowTop = y + 3;
            const int boxLeft = leftIndent + 36;
            SheetBox box;
            box.TopLeft = QPoint(boxLeft, rowTop - offset);
            switch (view) {
            case SheetView::Open:
                box.Marked = item.Selected;
                break;
            case SheetView::RightAnswers:
                box.Marked = item.Correct;
                break;
            case SheetView::Scored:
                box.Marked = item.Selected;
                if (item.Selected) {
                    box.Mark = item.Correct ? AnswerMark::Right : AnswerMark::Wrong;
                    box.MarkTopLeft = QPoint(leftIndent + 10, rowTop - offset);
                }
                break;
            }
            layout.Boxes.append(box);

            const WordRun text = LayOutWords(layout, m, item.Text, leftIndent + S + 40, W - rightReserve,
                                             y + 7, S + 4, offset);
            const int bottom = rowTop + S + (text.Lines - 1) * (S + 4);
            item.HitRect = QRect(boxLeft, rowTop - offset, text.Right - boxLeft, bottom - rowTop);
            y += (text.Lines - 1) * (S + 4);
            y += S + 4;
        }
        y += S + 4;

        if (picture.Placement == PicturePlacement::Bottom) {
            layout.Pictures.append({picture.Path, QRect((W - pw) / 2, y - offset, pw, ph)});
            y += ph + 4;
        }
        if (sideHeight > 0 && sideBottom >= y)
            y = sideBottom + 24;
    }
    layout.ContentHeight = y;
    return layout;
}

int ScrollMaximum(int contentHeight, int areaHeight)
{
    return contentHeight > areaHeight ? (contentHeight - areaHeight) / 10 + 1 : 0;
}

} // namespace TestModel
