#pragma once
// What the multiple-choice sheet does, apart from drawing it: shuffling, marking answers,
// scoring, finding the pictures and laying the sheet out. The screen supplies its world
// (a random source, text measures, the picture folder) and draws the layout it gets back.

#include "exercises/words/Struct_Test.h"
#include "utils/Random.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

namespace TestModel {

// Gives a uniformly chosen index in 0..count-1; the program draws from a generator seeded
// from the clock, tests script the draws.
using Utils::DrawOrder;
using Utils::RandomPick;

// Shuffles the groups, then the answers of each group; a group's CorrectList becomes the
// shown position (1-based) of its file's first answer. Correct flags travel with answers.
void ShuffleTest(QList<TGrupa> &groups, const RandomPick &pick);

// A press on answer item of group: single choice keeps exactly that answer marked,
// otherwise the answer toggles.
void SelectAnswer(TGrupa &group, int item, bool singleChoice);

struct AnswerRef
{
    int Group = -1;
    int Item = -1;
    bool IsValid() const { return Group >= 0 && Item >= 0; }
};
// The first answer, groups and answers in display order, whose HitRect holds point.
AnswerRef AnswerAt(const QList<TGrupa> &groups, QPoint point);

struct TestScore
{
    int Groups = 0; // groups that have a right answer to find
    int Good = 0;
    int Bad = 0;
    // A sheet without any right answer has nothing to score: no score is shown or stored.
    bool HasScore() const { return Groups > 0; }
    int Percent() const; // 100 × good / groups, halves to even
};

// A group counts when it has at least one right answer. It is right exactly when the set
// of selected answers equals the set of right answers; in single-choice mode that is the
// one marked answer being a right one.
TestScore ScoreTest(const QList<TGrupa> &groups, bool singleChoice);

enum class PicturePlacement { None, Left, Right, Top, Bottom };

struct TestPicture
{
    PicturePlacement Placement = PicturePlacement::None;
    QString Path;
};

// The picture of sheet position n (1-based, after shuffling): the first existing file of
// <base>_<n>_L.png, _R, _T, _B in pictureFolder, base being the exercise file name without
// folder cut before its first ".". Names match exactly first, then case-insensitively.
TestPicture FindTestPicture(const QString &pictureFolder, const QString &exerciseFile, int n);

// The state of the sheet as it is drawn.
enum class SheetView { Open, Scored, RightAnswers };

struct SheetMetrics
{
    std::function<int(const QString &)> TextWidth; // width of a word in the sheet font
    int TextHeight = 0;                            // height of "W"
    int StateSize = 23;                            // the answer box pictures are square
    int Width = 0;                                 // width of the sheet
};

struct SheetPictureInfo
{
    PicturePlacement Placement = PicturePlacement::None;
    QString Path;
    QSize Size;
};
using PictureSource = std::function<SheetPictureInfo(int position)>;

enum class AnswerMark { None, Right, Wrong };

struct SheetWord
{
    QString Text;
    QRect Rect; // top-left where the word is drawn, its width and the text height
};
struct SheetBox
{
    QPoint TopLeft;
    bool Marked = false;
    AnswerMark Mark = AnswerMark::None;
    QPoint MarkTopLeft;
};
struct SheetPicture
{
    QString Path;
    QRect Rect;
};

struct SheetLayout
{
    QList<SheetWord> Words;
    QList<SheetBox> Boxes;
    QList<SheetPicture> Pictures;
    int ContentHeight = 0;
};

// Lays the whole sheet out from the top, everything shifted up by scrollOffset, and stores
// each answer's HitRect. Words come in drawing order, which is also the word-position list
// used for the dictionary look-up.
SheetLayout LayOutSheet(QList<TGrupa> &groups, const SheetMetrics &metrics, SheetView view, int scrollOffset,
                        const PictureSource &pictures);

// Scroll-bar range for a content height in an area: 0 when everything fits, else the
// number of 10-pixel steps that bring the last line into view.
int ScrollMaximum(int contentHeight, int areaHeight);

} // namespace TestModel
