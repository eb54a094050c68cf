#include "exercises/dialogues/uFrmDialogi_Dop.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/shared/Klocek.h"
#include "exercises/shared/TileScreen.h"
#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "skin/MyHint.h"
#include "skin/VelProgress.h"
#include "skin/uSkin.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;
using namespace Completion;

namespace {

const QRect NotebookRect(720, 310, 304, 458);
// Where the tiles lie: on the notebook from (760, 374), and when they do not all fit there,
// in the strip under the text as well.
const QRect NotebookTiles(760, 374, 264, 394);
const QRect StripTiles(35, 712, 677, 56);
const QColor WordColour(52, 52, 52);

QFont TileFont()
{
    QFont font(u"Verdana"_s);
    font.setPointSize(8);
    return font;
}

// The notebook the tiles lie on: ruled paper with a margin, held by rings along its top.
QPixmap NotebookPicture()
{
    QPixmap picture(NotebookRect.size());
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF paper(6.5, 14.5, picture.width() - 8.0, picture.height() - 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(paper.translated(-3, 4), 8, 8);
    p.setBrush(QColor(252, 250, 240));
    p.setPen(QPen(QColor(196, 186, 160), 1));
    p.drawRoundedRect(paper, 8, 8);
    p.setPen(QPen(QColor(170, 204, 232), 1));
    for (int y = 64 + 24 + 4; y < paper.bottom() - 6; y += 29)
        p.drawLine(QPointF(paper.left() + 4, y + 0.5), QPointF(paper.right() - 4, y + 0.5));
    p.setPen(QPen(QColor(232, 130, 130), 1.2));
    p.drawLine(QPointF(32.5, paper.top() + 2), QPointF(32.5, paper.bottom() - 2));
    for (int x = 24; x < picture.width() - 10; x += 22) {
        p.setPen(QPen(QColor(120, 124, 132), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 5, 2, 10, 22), 30 * 16, 300 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 76));
        p.drawEllipse(QPointF(x, 21), 2.2, 2.2);
    }
    return picture;
}

} // namespace

TfrmDialogi_Dop::TfrmDialogi_Dop(IExerciseHost &host, QWidget *parent)
    : TDialogueScreen(KindCode, host, parent)
{
    CreateDialogueFrame(QRect(75, 129, 558, 25), QRect(35, 160, AreaWidth, AreaHeight));
    CreateResultPanel();
    CreateCheckButtons(QRect(816, 165, 200, 50), QRect(816, 221, 200, 50));
    IMG_Zeszyt = new QLabel(this);
    IMG_Zeszyt->setObjectName(u"IMG_Zeszyt"_s);
    IMG_Zeszyt->setGeometry(NotebookRect);
    IMG_Zeszyt->setPixmap(NotebookPicture());
    IMG_Kostka1 = CreateSkinPicture(this, u"IMG_Kostka1"_s, u"IMG_Kostka1"_s);
    IMG_Kostka2 = CreateSkinPicture(this, u"IMG_Kostka2"_s, u"IMG_Kostka2"_s);
    IMG_Kostka3 = CreateSkinPicture(this, u"IMG_Kostka3"_s, u"IMG_Kostka3"_s);
    IMG_Miejsce1 = CreateSkinPicture(this, u"IMG_Miejsce1"_s, u"IMG_Miejsce1"_s);
    IMG_miejsce2 = CreateSkinPicture(this, u"IMG_miejsce2"_s, u"IMG_miejsce2"_s);
    IMG_miejsce3 = CreateSkinPicture(this, u"IMG_miejsce3"_s, u"IMG_miejsce3"_s);
    FinishCreation();
    StartFirstUseNotice();
}

TfrmDialogi_Dop::~TfrmDialogi_Dop() = default;

bool TfrmDialogi_Dop::LoadFile(const QString &path)
{
    return StartRun(path);
}

bool TfrmDialogi_Dop::StartRun(const QString &path)
{
    m_path = path;
    CloseMedia();
    DeleteTiles();
    StartNewRun();
    SetCheckState(CheckState::Checking);
    Area()->setToolTip(QString());

    // The lines keep their gap marks: the run makes its gaps from them.
    TDialogueReadOptions options = DialogueReadOptions(KindCode, Host().Settings().TranslationLanguage);
    options.TreatText = [](const QString &tresc, const QList<int> &) { return tresc; };
    const bool read = LoadDialogue(path, options);
    QList<TLineText> texts;
    for (const TKwestia &line : Lines())
        texts << TLineText{line.Speaker, line.Text};
    const QFontMetrics metrics(AreaFont());
    m_run.Start(texts, Dialogue().Modes.value(1, 0), Random(),
                [metrics](const QString &answer) { return metrics.horizontalAdvance(answer); });
    CreateTiles();
    LayOutOnce();
    return read;
}

void TfrmDialogi_Dop::DeleteTiles()
{
    for (TKlocek *tile : std::as_const(m_tiles))
        delete tile;
    m_tiles.clear();
}

void TfrmDialogi_Dop::CreateTiles()
{
    const TKlocek::TFace face = ThreePartFace(IMG_Kostka1, IMG_Kostka2, IMG_Kostka3, TileFont(), WordColour);
    const int tileHeight = IMG_Kostka2->pixmap().isNull() ? 21 : IMG_Kostka2->pixmap().height();
    const QFontMetrics metrics(TileFont());
    int widest = 0;
    for (const TTile &tile : m_run.Tiles())
        widest = std::max(widest, metrics.horizontalAdvance(tile.Caption));
    const int ends = IMG_Kostka1->pixmap().width() + IMG_Kostka3->pixmap().width();
    const TTileGrid grid = LayOutTiles(int(m_run.Tiles().size()), m_run.SlotWidth(), widest + ends + 4,
                                       {NotebookTiles, StripTiles}, tileHeight);
    m_tileWidth = grid.TileWidth;

    for (const TTile &made : m_run.Tiles()) {
        TKlocek *tile = CreateTile(this, TileName(made.Slot), face, made.Caption);
        tile->resize(m_tileWidth, tileHeight);
        tile->SetDropHandler([this](TKlocek &dropped, QPoint formPoint) {
            const int index = int(m_tiles.indexOf(&dropped));
            const bool placed = m_run.Drop(index, SlotUnder(formPoint));
            UpdateArea();
            return placed ? TKlocek::TDrop::Hidden() : TKlocek::TDrop::ToHome();
        });
        m_tiles << tile;
    }
    // The notebook's rows take the tiles in the drawn order.
    for (int place = 0; place < m_run.TileOrder().size(); ++place) {
        TKlocek *tile = m_tiles[m_run.TileOrder()[place]];
        tile->SetHome(grid.Homes.value(place));
        tile->MoveTo(tile->Home());
        tile->show();
        tile->raise();
    }
}

void TfrmDialogi_Dop::LayOutOnce()
{
    const TCompletionLayout layout = LayOut();
    SetContentHeight(layout.LastRow + LineHeight);
    UpdateArea();
}

TCompletionMetrics TfrmDialogi_Dop::Metrics() const
{
    const DialogueLayout::TFlowMetrics flow = FlowMetrics();
    TCompletionMetrics m;
    m.WordWidth = flow.TextWidth;
    m.Blank = flow.Blank;
    m.Width = Area()->width();
    m.Height = Area()->height();
    m.ScrollOffset = ScrollOffset();
    m.SpeakerWidth = SpeakerPicture(3).width();
    m.SlotLeft = IMG_Miejsce1->pixmap().width();
    m.SlotRight = IMG_miejsce3->pixmap().width();
    m.SlotHeight = IMG_miejsce2->pixmap().isNull() ? 21 : IMG_miejsce2->pixmap().height();
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    m.MarkWidth = ok.width();
    m.MarkHeight = ok.height();
    return m;
}

TCompletionLayout TfrmDialogi_Dop::LayOut()
{
    return LayOutCompletion(m_run, Metrics());
}

QRect TfrmDialogi_Dop::SlotRect(int slot) const
{
    TCompletionRun run = m_run; // the layout writes where the slots are; this asks only
    LayOutCompletion(run, Metrics());
    if (!run.IsSlot(slot) || run.Tokens()[slot].Rect.isEmpty())
        return {};
    return run.Tokens()[slot].Rect.translated(Area()->pos());
}

int TfrmDialogi_Dop::SlotUnder(QPoint formPoint)
{
    LayOut(); // the slots as they stand now, whatever was painted last
    const QPoint point = formPoint - Area()->pos();
    if (!Area()->rect().contains(point))
        return -1;
    return SlotAt(m_run, point);
}

void TfrmDialogi_Dop::PaintArea(QPainter &painter)
{
    const TCompletionLayout layout = LayOut();
    const QPixmap left = IMG_Miejsce1->pixmap();
    const QPixmap middle = IMG_miejsce2->pixmap();
    const QPixmap right = IMG_miejsce3->pixmap();
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    const QPixmap wrong = Host().Picture(u"IMG_Zle"_s);
    const QList<TSlowo> &tokens = m_run.Tokens();

    for (const TLaidPiece &piece : layout.Speakers)
        painter.drawPixmap(piece.At, SpeakerPicture(tokens[piece.Token].Speaker));
    for (const TLaidPiece &piece : layout.Words)
        DrawWord(painter, piece.At.x(), piece.At.y(), tokens[piece.Token].Word);

    const QFont areaFont = painter.font();
    const QPen areaPen = painter.pen();
    const QFont tileFont = TileFont();
    const QFontMetrics tileMetrics(tileFont);
    painter.setFont(tileFont);
    painter.setPen(WordColour);
    for (const TLaidPiece &piece : layout.Slots) {
        painter.drawPixmap(piece.At, left);
        painter.drawPixmap(piece.Slot, middle);
        painter.drawPixmap(piece.Slot.right() + 1, piece.At.y(), right);
        const QString &placed = tokens[piece.Token].Placed;
        if (!placed.isEmpty()) {
            const int x = (m_run.SlotWidth() - tileMetrics.horizontalAdvance(placed)) / 2 + piece.At.x() + 1;
            const int top = piece.At.y() + (piece.Slot.height() - tileMetrics.height()) / 2;
            painter.drawText(x, top + tileMetrics.ascent(), placed);
        }
        if (piece.Mark != TMark::None)
            painter.drawPixmap(piece.MarkAt, piece.Mark == TMark::Right ? ok : wrong);
    }
    painter.setFont(areaFont);
    painter.setPen(areaPen);
    SetContentHeight(layout.LastRow + LineHeight);
}

void TfrmDialogi_Dop::AreaMousePress(QMouseEvent *event)
{
    if (m_run.Marked())
        return;
    const QPoint point = event->position().toPoint();
    const int slot = SlotUnder(point + Area()->pos());
    const int index = m_run.Lift(slot);
    if (index < 0)
        return;
    // The word leaves the slot on its tile, held where the slot was pressed.
    const QRect rect = m_run.Tokens()[slot].Rect;
    TKlocek *tile = m_tiles[index];
    const QPoint slotLeft = rect.topLeft() - QPoint(IMG_Miejsce1->pixmap().width(), 0);
    tile->MoveTo(slotLeft + Area()->pos());
    tile->BeginDrag(point - slotLeft);
    UpdateArea();
}

void TfrmDialogi_Dop::AreaMouseMove(QMouseEvent *event)
{
    // Before the check a filled slot can be taken; once the right words show, a wrong slot's
    // mark tells what the learner had put there.
    LayOut();
    const int slot = SlotAt(m_run, event->position().toPoint());
    const bool canTake = slot >= 0 && !m_run.Marked() && !m_run.Tokens()[slot].IsEmpty;
    const QString hint = m_run.HintAt(slot);
    Area()->setCursor(canTake || !hint.isEmpty() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (hint != Area()->toolTip()) {
        Area()->setToolTip(hint);
        TMyHint::RefreshHint(Area());
    }
}

void TfrmDialogi_Dop::AreaLeave()
{
    Area()->setToolTip(QString());
}

void TfrmDialogi_Dop::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        // Again: the same file, new gaps where they are drawn and a new order of tiles.
        StartRun(m_path);
        return;
    }
    m_run.Check();
    for (TKlocek *tile : std::as_const(m_tiles))
        tile->SetFrozen(true);
    const bool scored = m_run.HasScore();
    SetCheckState(CheckState::Checked, scored && m_run.Percent() < 100);
    if (scored) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(m_run.Percent()); // recorded by the host at once
    }
    UpdateArea();
}

void TfrmDialogi_Dop::btnPoprawClick()
{
    if (!m_run.Marked() || m_run.CorrectionsShown())
        return;
    m_run.ShowCorrections();
    for (TKlocek *tile : std::as_const(m_tiles)) {
        tile->hide();
        tile->setCursor(Qt::ArrowCursor);
    }
    SetCheckState(CheckState::Checked, false);
    UpdateArea();
}

void TfrmDialogi_Dop::closeEvent(QCloseEvent *event)
{
    TDialogueScreen::closeEvent(event);
    DeleteTiles();
    EditLines().clear();
    m_run = TCompletionRun();
}
