#include "exercises/words/uFrmTabelkaCS.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/frame/PaintArea.h"
#include "exercises/shared/Klocek.h"
#include "exercises/shared/TileScreen.h"
#include "learner/Struct_Config.h"
#include "skin/AALabel.h"
#include "skin/MyHint.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace TabelkaCS;

namespace {

constexpr int InstructionLanguage = 1;

} // namespace

TfrmTabelkaCS::TfrmTabelkaCS(IExerciseHost &host, QWidget *parent) : TTileScreen(KindCode, host, parent)
{
    KostkaFont = QFont(u"Verdana"_s);
    KostkaFont.setPixelSize(13);
    KostkaFont.setBold(true);
    CreateComponents();
    FinishCreation();
    Reset();
}

TfrmTabelkaCS::~TfrmTabelkaCS() = default;

void TfrmTabelkaCS::CreateComponents()
{
    btnMedia2 = CreateWordScreenTop();

    // The marks beside the column, shown from the check on; it explains the wrong places in the
    // right-answers view.
    Obszar = new TPaintArea(this, {.Paint = [this](QPainter &painter) { ObszarPaint(painter); },
                                   .MouseMove = [this](QMouseEvent *event) { ObszarMouseMove(event); }});
    Obszar->setGeometry(Area);
    Obszar->hide();

    CreateTileScreenButtons();
    // The word-ordering blocks are taller than the other tiles and carry a grip.
    IMG_Kostka1 = CreateSkinPicture(this, u"IMG_Kostka1"_s, u"IMG_Klocek1"_s);
    IMG_Kostka2 = CreateSkinPicture(this, u"IMG_Kostka2"_s, u"IMG_Klocek2"_s);
    IMG_Kostka3 = CreateSkinPicture(this, u"IMG_Kostka3"_s, u"IMG_Klocek3"_s);
}

void TfrmTabelkaCS::Reset()
{
    ClearInstruction();
    Obszar->hide();
    StartNewRun();
    ClearTiles();
    Model_ = TModel();
    Kolumna = TColumnLayout();
    W = 0;
    SetCheckState(CheckState::Checking);
}

bool TfrmTabelkaCS::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    TabelkaCSReadResult read =
        ReadTabelkaCSFile(path, InstructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_TabelkaCS();
    }
    const Struct_TabelkaCS &exercise = read.Exercise;
    ShowFileInstruction(exercise.MediaFile, exercise.Instruction, exercise.Hint, read.Ok());

    Model_ = TModel(exercise.Words, Random());
    BuildTiles();
    // A file that was read but holds no word leaves nothing to order; a fault was reported.
    if (read.Ok() && Kostki.isEmpty())
        Utils::ShowSystemError(u"Nie ma żadnych słów ?!"_s);
    LayOutColumn();
    return read.Ok();
}

void TfrmTabelkaCS::LayOutOnce()
{
    LayOutColumn();
}

void TfrmTabelkaCS::BuildTiles()
{
    ClearTiles();
    const TKlocek::TFace face =
        ThreePartFace(IMG_Kostka1, IMG_Kostka2, IMG_Kostka3, KostkaFont, QColor(122, 78, 0));
    const QFontMetrics metrics(KostkaFont, this);
    W = TabelkaCS::TileWidth(Model_.Tiles(),
                             [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    // Tile i starts at place i + 1.
    for (int i = 0; i < Model_.Count(); ++i) {
        TKlocek *tile = AddTile(face, Model_.Tiles()[i].Text);
        tile->resize(W, TileHeight);
        tile->SetDragCursor(Qt::SplitVCursor);
    }
}

void TfrmTabelkaCS::LayOutColumn()
{
    Kolumna = TabelkaCS::LayOutColumn(Model_.Count(), W);
    for (int i = 0; i < Kostki.size(); ++i) {
        TKlocek *tile = Kostki[i];
        tile->SetHome(Kolumna.Place(Model_.Tiles()[i].Position));
        tile->MoveTo(tile->Home());
        tile->show();
    }
}

TKlocek::TDrop TfrmTabelkaCS::DropTile(int tile, QPoint formPoint)
{
    const int other = SwapTarget(Model_, Kolumna, tile, formPoint);
    if (other >= 0 && Model_.Swap(tile, other))
        return TKlocek::TDrop::SwapWith(Kostki[other]);
    return TKlocek::TDrop::ToHome();
}

void TfrmTabelkaCS::ObszarPaint(QPainter &painter)
{
    for (int i = 0; i < Kostki.size(); ++i) {
        const QPixmap mark = MarkPicture(Model_.TileMark(i));
        if (!mark.isNull())
            painter.drawPixmap(Kolumna.MarkRect(Model_.Tiles()[i].Position).topLeft() - Obszar->pos(), mark);
    }
}

int TfrmTabelkaCS::MarkPlaceAt(QPoint point) const
{
    for (int p = 1; p <= Model_.Count(); ++p) {
        if (Kolumna.MarkRect(p).translated(-Obszar->pos()).contains(point))
            return p;
    }
    return 0;
}

void TfrmTabelkaCS::ObszarMouseMove(QMouseEvent *event)
{
    const QString hint =
        Model_.ShowsRightAnswers() ? Model_.PlaceHint(MarkPlaceAt(event->position().toPoint())) : QString();
    Obszar->setCursor(hint.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (hint != Obszar->toolTip()) {
        Obszar->setToolTip(hint);
        TMyHint::RefreshHint(Obszar);
    }
}

void TfrmTabelkaCS::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        RunAgain();
        return;
    }
    const Exercises::TScore score = Model_.Check();
    Obszar->show();
    Obszar->update();
    FinishCheck(score);
}

void TfrmTabelkaCS::btnPoprawClick()
{
    if (!Model_.Scored())
        return;
    Model_.ShowRightAnswers();
    for (int i = 0; i < Kostki.size(); ++i) {
        TKlocek *tile = Kostki[i];
        tile->SetHome(Kolumna.Place(Model_.Tiles()[i].Position));
        tile->FlyTo(tile->Home());
    }
    SetCheckState(CheckState::Checked, false);
    Obszar->update();
}

void TfrmTabelkaCS::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Model_ = TModel();
}
