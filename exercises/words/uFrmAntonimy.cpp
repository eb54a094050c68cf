#include "exercises/words/uFrmAntonimy.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/frame/PaintArea.h"
#include "exercises/shared/Klocek.h"
#include "exercises/shared/TileScreen.h"
#include "learner/Struct_Config.h"
#include "reference/uSlownik.h"
#include "skin/AALabel.h"
#include "skin/MyHint.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Laczenie;

namespace {

constexpr int InstructionLanguage = 1;

QFont TileFont()
{
    QFont font(u"Tahoma"_s);
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

const QColor TextColour(52, 52, 52);

} // namespace

TfrmAntonimy::TfrmAntonimy(IExerciseHost &host, QWidget *parent) : TTileScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmAntonimy::~TfrmAntonimy() = default;

void TfrmAntonimy::CreateComponents()
{
    btnMedia2 = CreateWordScreenTop(64);

    Obszar = new TPaintArea(this, {.Paint = [this](QPainter &painter) { ObszarPaint(painter); },
                                   .MouseDown = [this](QMouseEvent *event) { ObszarMouseDown(event); },
                                   .MouseMove = [this](QMouseEvent *event) { ObszarMouseMove(event); }});
    Obszar->setGeometry(AreaLeft, GridTop, AreaWidth, 10);

    CreateTileScreenButtons();

    IMG_Kostka1 = CreateSkinPicture(this, u"IMG_Kostka1"_s, u"IMG_Kostka1"_s);
    IMG_Kostka2 = CreateSkinPicture(this, u"IMG_Kostka2"_s, u"IMG_Kostka2"_s);
    IMG_Kostka3 = CreateSkinPicture(this, u"IMG_Kostka3"_s, u"IMG_Kostka3"_s);
    IMG_Miejsce1 = CreateSkinPicture(this, u"IMG_Miejsce1"_s, u"IMG_Miejsce1"_s);
    IMG_miejsce2 = CreateSkinPicture(this, u"IMG_miejsce2"_s, u"IMG_miejsce2"_s);
    IMG_miejsce3 = CreateSkinPicture(this, u"IMG_miejsce3"_s, u"IMG_miejsce3"_s);

    IMG_Antonimy = new QLabel(this);
    IMG_Antonimy->setObjectName(u"IMG_Antonimy"_s);
    IMG_Antonimy->hide();
}

void TfrmAntonimy::Reset()
{
    ClearInstruction();
    StartNewRun();
    ClearTiles();
    Model_ = TModel();
    Rows = TRowsLayout();
    W = 0;
    Obszar->hide();
    Obszar->setGeometry(AreaLeft, GridTop, AreaWidth, 10);
    SetCheckState(CheckState::Checking);
}

bool TfrmAntonimy::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    LaczenieReadResult read =
        ReadLaczenieFile(path, InstructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_Laczenie();
    }
    const Struct_Laczenie &exercise = read.Exercise;
    ShowFileInstruction(exercise.MediaFile, exercise.Instruction, exercise.Hint, read.Ok());

    Model_ = TModel(exercise.Pairs, Random());
    BuildTiles();
    LayOutRows();
    return read.Ok();
}

void TfrmAntonimy::LayOutOnce()
{
    LayOutRows();
}

void TfrmAntonimy::BuildTiles()
{
    ClearTiles();
    const TKlocek::TFace face =
        ThreePartFace(IMG_Kostka1, IMG_Kostka2, IMG_Kostka3, TileFont(), TextColour, 4);
    const QFontMetrics metrics(face.Font, this);
    W = Laczenie::TileWidth(Model_.Tiles(),
                            [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    // Tile i comes from pair i.
    for (int i = 0; i < Model_.Count(); ++i)
        AddTile(face, Model_.Tiles()[i].Text)->resize(W, TileHeight);
    const QList<int> &grid = Model_.GridOrder();
    for (int k = 0; k < grid.size(); ++k) {
        TKlocek *tile = Kostki[grid[k]];
        tile->SetHome(GridHome(k, W));
        tile->MoveTo(tile->Home());
        tile->show();
    }
}

QFont TfrmAntonimy::PromptFont() const
{
    QFont font(u"Tahoma"_s);
    font.setPointSize(11);
    return font;
}

void TfrmAntonimy::LayOutRows()
{
    const QFontMetrics metrics(PromptFont(), this);
    TRowsMetrics m;
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    m.MarkWidth = ok.isNull() ? 24 : ok.width();
    m.TileWidth = W;
    m.AreaWidth = AreaWidth;
    m.Measure = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    m.TextHeight = metrics.height();
    Rows = Laczenie::LayOutRows(Model_, m);

    Obszar->setGeometry(AreaLeft, AreaTop(Model_.Count(), W), AreaWidth, std::max(10, Rows.Height));
    Obszar->setVisible(Model_.Count() > 0);
    Obszar->update();

    // The picture under the rows, once found it stays for the screen's life.
    if (IMG_Antonimy->isHidden()) {
        const QString file =
            Exercises::FindExercisePicture(Utils::ProgramPath(u"\\Gfx\\Antonimy_gfx"_s), PlikCwiczenia);
        const QImage picture = file.isEmpty() ? QImage() : Utils::LoadPictureFile(file);
        if (!picture.isNull()) {
            IMG_Antonimy->setPixmap(QPixmap::fromImage(picture));
            IMG_Antonimy->resize(picture.size());
            IMG_Antonimy->show();
        }
    }
    if (!IMG_Antonimy->isHidden())
        IMG_Antonimy->move((700 - IMG_Antonimy->width()) / 2 + 80, Obszar->geometry().bottom() + 1 + 20);

    for (int i = 0; i < Kostki.size(); ++i) {
        const int row = Model_.Tiles()[i].Row;
        if (row >= 0)
            Kostki[i]->MoveTo(SlotRect(row).topLeft());
    }
}

QRect TfrmAntonimy::SlotRect(int row) const
{
    if (row < 0 || row >= Rows.Slots.size())
        return {};
    return Rows.Slots[row].translated(Obszar->pos());
}

QRect TfrmAntonimy::MarkRect(int row) const
{
    if (row < 0 || row >= Rows.MarkAreas.size())
        return {};
    return Rows.MarkAreas[row].translated(Obszar->pos());
}

TKlocek::TDrop TfrmAntonimy::DropTile(int tile, QPoint formPoint)
{
    const int row = Model_.Drop(tile, SlotAt(Rows, formPoint - Obszar->pos()));
    Obszar->update();
    if (row < 0)
        return TKlocek::TDrop::ToHome();
    return TKlocek::TDrop::Into(SlotRect(row).topLeft());
}

void TfrmAntonimy::ObszarPaint(QPainter &painter)
{
    const QPixmap left = IMG_Miejsce1->pixmap();
    const QPixmap middle = IMG_miejsce2->pixmap();
    const QPixmap right = IMG_miejsce3->pixmap();
    for (int row = 0; row < Rows.Slots.size(); ++row) {
        const QRect slot = Rows.Slots[row];
        if (Model_.SlotFrameShown(row)) {
            painter.drawPixmap(slot.topLeft(), left);
            painter.drawPixmap(QRect(slot.left() + left.width(), slot.top(),
                                     std::max(0, slot.width() - left.width() - right.width()), slot.height()),
                               middle);
            painter.drawPixmap(slot.right() + 1 - right.width(), slot.top(), right);
        }
        const QPixmap mark = MarkPicture(Model_.RowMark(row));
        if (!mark.isNull())
            painter.drawPixmap(Rows.Marks[row], mark);
        painter.setPen(Qt::black);
        painter.drawLine(Rows.Dashes[row]);
    }

    const QFont font = PromptFont();
    painter.setFont(font);
    painter.setPen(TextColour);
    const int ascent = QFontMetrics(font, this).ascent();
    Slowka.Clear();
    for (const TWordBox &word : std::as_const(Rows.Words)) {
        Slowka.AddWord(word.Text, word.Rect);
        painter.drawText(word.Rect.left(), word.Rect.top() + ascent, word.Text);
    }
}

void TfrmAntonimy::ObszarMouseDown(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        LookUpWordAt(Slowka, event->position().toPoint());
}

void TfrmAntonimy::ObszarMouseMove(QMouseEvent *event)
{
    // Only the right-answers view explains a row; before it the pointer changes nothing.
    const QString hint = Model_.RowHint(MarkAt(Rows, event->position().toPoint()));
    Obszar->setCursor(hint.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (hint != Obszar->toolTip()) {
        Obszar->setToolTip(hint);
        TMyHint::RefreshHint(Obszar);
    }
}

void TfrmAntonimy::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        RunAgain();
        return;
    }
    FinishCheck(Model_.Check());
    Obszar->update();
}

void TfrmAntonimy::btnPoprawClick()
{
    if (!Model_.Scored())
        return;
    ResultPanel()->hide();
    Model_.ShowRightAnswers();
    for (int i = 0; i < Kostki.size(); ++i) {
        TKlocek *tile = Kostki[i];
        tile->raise();
        tile->FlyTo(SlotRect(Model_.Tiles()[i].Row).topLeft());
        tile->SetHint(Model_.RowHint(i));
    }
    SetCheckState(CheckState::Checked, false);
    Obszar->update();
}

void TfrmAntonimy::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Model_ = TModel();
}
