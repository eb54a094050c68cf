#include "exercises/words/uFrmTabelka.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/shared/Klocek.h"
#include "exercises/shared/TileScreen.h"
#include "learner/Struct_Config.h"
#include "skin/AALabel.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Tabelka;

namespace {

constexpr int PolecenieLeft = 100;
constexpr int InstructionLanguage = 1;
const QColor CellBorder(188, 188, 188);

} // namespace

// A header cell or a table cell: its strip stretched over it, a one-pixel border and, for a
// header, the heading centred in bold white.
class TfrmTabelka::TCellShape : public QWidget
{
public:
    TCellShape(QWidget *form, const QPixmap &strip, const QString &text, const QFont &font)
        : QWidget(form), m_strip(strip), m_text(text), m_font(font)
    {
        m_font.setBold(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawPixmap(rect(), m_strip);
        if (!m_text.isEmpty()) {
            p.setFont(m_font);
            p.setPen(Qt::white);
            p.drawText(rect(), Qt::AlignCenter, m_text);
        }
        p.setPen(CellBorder);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QPixmap m_strip;
    QString m_text;
    QFont m_font;
};

TfrmTabelka::TfrmTabelka(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    SlowkoFont = QFont(u"Tahoma"_s);
    SlowkoFont.setPixelSize(12);
    CreateComponents();
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmTabelka::~TfrmTabelka() = default;

void TfrmTabelka::CreateComponents()
{
    CreateBackground();
    CreateTitleBar();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 63, 50), false);
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));
    CreateResultPanel();
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));
    IMG_GradCell = CreateSkinPicture(this, u"IMG_GradCell"_s, u"IMG_GradCell"_s);
    IMG_GradHeader = CreateSkinPicture(this, u"IMG_GradHeader"_s, u"IMG_GradHeader"_s);
    IMG_Table = new QLabel(this);
    IMG_Table->setObjectName(u"IMG_Table"_s);
    IMG_Table->hide();
}

void TfrmTabelka::Reset()
{
    StartNewRun();
    IMG_Table->hide();
    ClearTable();
    Model_ = TModel();
    Tabela = TTableLayout();
    Dane = Struct_Tabelka();
    W = 0;
    Instruction()->hide();
    SetInstruction(QString(), QString());
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetCheckState(CheckState::Checking);
}

void TfrmTabelka::ClearTable()
{
    qDeleteAll(Kostki);
    Kostki.clear();
    qDeleteAll(Naglowki);
    Naglowki.clear();
    qDeleteAll(Komorki);
    Komorki.clear();
}

bool TfrmTabelka::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    TabelkaReadResult read =
        ReadTabelkaFile(path, InstructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_Tabelka();
    }
    Dane = read.Exercise;
    SetupListenButtons(Dane.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());
    SetInstruction(Dane.Instruction, Dane.Hint);
    Instruction()->setVisible(read.Ok());
    const QFontMetrics metrics(SlowkoFont, this);
    W = CellWidth(Dane, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    Build();
    return read.Ok();
}

void TfrmTabelka::LayOutOnce()
{
    LayOut();
}

void TfrmTabelka::Build()
{
    ClearTable();
    Model_ = TModel(Dane, Random());

    for (int i = 0; i < Model_.Columns(); ++i) {
        auto *header = new TCellShape(this, IMG_GradHeader->pixmap(), Model_.Headings()[i], SlowkoFont);
        header->setObjectName(u"Nag%1"_s.arg(i));
        Naglowki.append(header);
    }
    // Cells keep the design's names; the screen finds them by their place, never by name.
    for (int r = 1; r <= Model_.RowCount(); ++r) {
        for (int c = 1; c <= Model_.Columns(); ++c) {
            auto *cell = new TCellShape(this, IMG_GradCell->pixmap(), QString(), SlowkoFont);
            cell->setObjectName(u"Row%1%2"_s.arg(r).arg(c));
            Komorki.append(cell);
        }
    }

    TKlocek::TFace face;
    face.Middle = IMG_GradCell->pixmap();
    face.Border = CellBorder;
    face.Font = SlowkoFont;
    face.Colour = Qt::black;
    for (int k = 0; k < Model_.Tiles().size(); ++k) {
        TKlocek *tile = CreateTile(this, u"slowo%1"_s.arg(k), face, Model_.Tiles()[k].Text);
        tile->SetDropHandler([this, k](TKlocek &, QPoint at) { return DropTile(k, at); });
        Kostki.append(tile);
    }
    LayOut();
}

void TfrmTabelka::LayOut()
{
    Tabela = LayOutTable(Model_.Columns(), Model_.RowCount(), W, int(Kostki.size()));
    for (int k = 0; k < Kostki.size(); ++k) {
        TKlocek *tile = Kostki[k];
        tile->resize(W, TileHeight);
        tile->SetHome(GridHome(k, W));
        const TCell cell = Model_.Tiles()[k].Cell;
        tile->MoveTo(cell.IsCell() ? Tabela.Cell(cell).topLeft() : tile->Home());
        tile->show();
    }
    for (int i = 0; i < Naglowki.size(); ++i) {
        Naglowki[i]->setGeometry(Tabela.Header(i));
        Naglowki[i]->show();
    }
    for (int r = 1; r <= Model_.RowCount(); ++r) {
        for (int c = 1; c <= Model_.Columns(); ++c) {
            TCellShape *cell = Komorki[(r - 1) * Model_.Columns() + (c - 1)];
            cell->setGeometry(Tabela.Cell({r, c}));
            cell->show();
        }
    }
    const QString file =
        Exercises::FindExercisePicture(Utils::ProgramPath(u"\\Gfx\\Table_gfx"_s), PlikCwiczenia);
    const QImage picture = file.isEmpty() ? QImage() : Utils::LoadPictureFile(file);
    IMG_Table->setVisible(!picture.isNull());
    if (!picture.isNull()) {
        const QRect table = Tabela.Cells();
        IMG_Table->setPixmap(QPixmap::fromImage(picture));
        IMG_Table->setGeometry(table.left() + (table.width() - picture.width()) / 2, table.bottom() + 1 + 20,
                               picture.width(), picture.height());
    }
}

TKlocek::TDrop TfrmTabelka::DropTile(int tile, QPoint formPoint)
{
    const TCell cell = Tabela.CellAt(formPoint);
    switch (Model_.Drop(tile, cell)) {
    case DropResult::Placed:
        return TKlocek::TDrop::Into(Tabela.Cell(cell).topLeft());
    case DropResult::Back:
        return TKlocek::TDrop::ToDragStart();
    case DropResult::Home:
        break;
    }
    return TKlocek::TDrop::ToHome();
}

void TfrmTabelka::ShowMarks()
{
    for (int k = 0; k < Kostki.size(); ++k) {
        QString mark;
        switch (Model_.TileMark(k)) {
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
        Kostki[k]->SetMark(mark.isEmpty() ? QPixmap() : Host().Picture(mark));
        Kostki[k]->SetHint(Model_.Tiles()[k].Hint);
    }
}

void TfrmTabelka::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        // Again: a new background, the same file in a fresh random order.
        Reset();
        NewBackground();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    const Exercises::TScore score = Model_.Check();
    for (TKlocek *tile : std::as_const(Kostki))
        tile->SetFrozen(true);
    ShowMarks();
    SetCheckState(CheckState::Checked, score.HasScore() && score.Percent() < 100);
    if (score.HasScore()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(score.Percent());
    }
}

void TfrmTabelka::btnPoprawClick()
{
    if (!Model_.Scored())
        return;
    ResultPanel()->hide();
    Model_.ShowRightAnswers();
    for (int k = 0; k < Kostki.size(); ++k) {
        TKlocek *tile = Kostki[k];
        if (Model_.Tiles()[k].WasRight)
            continue;
        tile->raise();
        const TCell cell = Model_.Tiles()[k].Cell;
        tile->FlyTo(cell.IsCell() ? Tabela.Cell(cell).topLeft() : tile->Home());
    }
    ShowMarks();
    SetCheckState(CheckState::Checked, false);
}

void TfrmTabelka::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Model_ = TModel();
}
