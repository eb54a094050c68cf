#include "exercises/words/uFrmTabelkaCS.h"

#include "exercises/frame/ExerciseHost.h"
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

constexpr int PolecenieLeft = 100;
constexpr int InstructionLanguage = 1;

} // namespace

// The marks beside the column, shown from the check on; it explains the wrong places in the
// right-answers view.
class TfrmTabelkaCS::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmTabelkaCS *form) : QWidget(form), m_form(form)
    {
        setObjectName(u"Obszar"_s);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_form->ObszarPaint(painter);
    }
    void mouseMoveEvent(QMouseEvent *event) override { m_form->ObszarMouseMove(event); }

private:
    TfrmTabelkaCS *m_form;
};

TfrmTabelkaCS::TfrmTabelkaCS(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
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
    CreateTitleBar();
    CreateBackground();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 63, 50), false);
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));

    Obszar = new TObszar(this);
    Obszar->setGeometry(Area);
    Obszar->hide();

    CreateResultPanel();
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));
    // The word-ordering blocks are taller than the other tiles and carry a grip.
    IMG_Kostka1 = CreateSkinPicture(this, u"IMG_Kostka1"_s, u"IMG_Klocek1"_s);
    IMG_Kostka2 = CreateSkinPicture(this, u"IMG_Kostka2"_s, u"IMG_Klocek2"_s);
    IMG_Kostka3 = CreateSkinPicture(this, u"IMG_Kostka3"_s, u"IMG_Klocek3"_s);
}

void TfrmTabelkaCS::Reset()
{
    Instruction()->hide();
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetInstruction(QString(), QString());
    Obszar->hide();
    StartNewRun();
    ClearTiles();
    Model_ = TModel();
    Kolumna = TColumnLayout();
    W = 0;
    SetCheckState(CheckState::Checking);
}

void TfrmTabelkaCS::ClearTiles()
{
    qDeleteAll(Kostki);
    Kostki.clear();
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
    SetupListenButtons(exercise.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());
    SetInstruction(exercise.Instruction, exercise.Hint);
    Instruction()->setVisible(read.Ok());

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
    for (int i = 0; i < Model_.Count(); ++i) {
        TKlocek *tile = CreateTile(this, u"slowo%1"_s.arg(i), face, Model_.Tiles()[i].Text);
        tile->resize(W, TileHeight);
        tile->SetDragCursor(Qt::SplitVCursor);
        tile->SetDropHandler([this, i](TKlocek &, QPoint at) { return DropTile(i, at); });
        Kostki.append(tile);
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
        QString mark;
        switch (Model_.TileMark(i)) {
        case Mark::Right:
            mark = u"IMG_OK"_s;
            break;
        case Mark::Wrong:
            mark = u"IMG_Zle"_s;
            break;
        case Mark::Info:
            mark = u"IMG_Info"_s;
            break;
        case Mark::None:
            break;
        }
        if (!mark.isEmpty())
            painter.drawPixmap(Kolumna.MarkRect(Model_.Tiles()[i].Position).topLeft() - Obszar->pos(),
                               Host().Picture(mark));
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
        // Again: the same file in a fresh random order.
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    const Exercises::TScore score = Model_.Check();
    for (TKlocek *tile : std::as_const(Kostki))
        tile->SetFrozen(true);
    Obszar->show();
    Obszar->update();
    SetCheckState(CheckState::Checked, score.HasScore() && score.Percent() < 100);
    if (score.HasScore()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(score.Percent());
    }
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
