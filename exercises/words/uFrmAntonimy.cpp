#include "exercises/words/uFrmAntonimy.h"

#include "exercises/frame/ExerciseHost.h"
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

constexpr int PolecenieLeft = 100;
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

// The rows' paint area: it hands its events to the screen, which owns the model.
class TfrmAntonimy::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmAntonimy *form) : QWidget(form), m_form(form)
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
    void mousePressEvent(QMouseEvent *event) override { m_form->ObszarMouseDown(event); }
    void mouseMoveEvent(QMouseEvent *event) override { m_form->ObszarMouseMove(event); }

private:
    TfrmAntonimy *m_form;
};

TfrmAntonimy::TfrmAntonimy(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmAntonimy::~TfrmAntonimy() = default;

void TfrmAntonimy::CreateComponents()
{
    CreateBackground();
    CreateTitleBar();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 64, 50), false);

    Obszar = new TObszar(this);
    Obszar->setGeometry(AreaLeft, GridTop, AreaWidth, 10);

    CreateResultPanel();
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));

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
    Instruction()->hide();
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetInstruction(QString(), QString());
    StartNewRun();
    ClearTiles();
    Model_ = TModel();
    Rows = TRowsLayout();
    W = 0;
    Obszar->hide();
    Obszar->setGeometry(AreaLeft, GridTop, AreaWidth, 10);
    SetCheckState(CheckState::Checking);
}

void TfrmAntonimy::ClearTiles()
{
    qDeleteAll(Kostki);
    Kostki.clear();
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
    SetupListenButtons(exercise.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());
    SetInstruction(exercise.Instruction, exercise.Hint);
    Instruction()->setVisible(read.Ok());

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
    for (int i = 0; i < Model_.Count(); ++i) {
        TKlocek *tile = CreateTile(this, u"slowo%1"_s.arg(i), face, Model_.Tiles()[i].Text);
        tile->resize(W, TileHeight);
        tile->SetDropHandler([this, i](TKlocek &, QPoint at) { return DropTile(i, at); });
        Kostki.append(tile);
    }
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
        QString mark;
        switch (Model_.RowMark(row)) {
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
            painter.drawPixmap(Rows.Marks[row], Host().Picture(mark));
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
        // Again: the same file in a fresh random order.
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    const Exercises::TScore score = Model_.Check();
    for (TKlocek *tile : std::as_const(Kostki))
        tile->SetFrozen(true);
    SetCheckState(CheckState::Checked, score.HasScore() && score.Percent() < 100);
    if (score.HasScore()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(score.Percent());
    }
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
