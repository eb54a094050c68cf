#include "exercises/words/uFrmTFGr.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/words/AnswerBox.h"
#include "learner/Struct_Config.h"
#include "reference/uSlownik.h"
#include "skin/AALabel.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace TrueFalseModel;

namespace {

constexpr int PolecenieLeft = 100;

QFont TableFont(bool bold = false)
{
    QFont verdana(u"Verdana"_s);
    verdana.setPointSize(9);
    verdana.setBold(bold);
    return verdana;
}

// The rules of the table: the vertical one between the box columns (stretched to the table's
// height) and the horizontal one under the headings.
QPixmap RulePicture(const QSize &size, Qt::Orientation along)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QLinearGradient fade(0, 0, along == Qt::Horizontal ? size.width() : 0,
                         along == Qt::Vertical ? size.height() : 0);
    QColor solid = SkinColors::Navy;
    solid.setAlpha(150);
    QColor clear = solid;
    clear.setAlpha(20);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.12, solid);
    fade.setColorAt(0.88, solid);
    fade.setColorAt(1, clear);
    if (along == Qt::Vertical)
        p.fillRect(QRect(1, 0, 1, size.height()), fade);
    else
        p.fillRect(QRect(0, 0, size.width(), 1), fade);
    return pixmap;
}

} // namespace

// The table's paint area: it hands its events to the screen, which owns the model.
class TfrmTFGr::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmTFGr *form) : QWidget(form), m_form(form)
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
    TfrmTFGr *m_form;
};

TfrmTFGr::TfrmTFGr(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmTFGr::~TfrmTFGr() = default;

void TfrmTFGr::CreateComponents()
{
    CreateBackground();
    CreateTitleBar();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 63, 50), false);
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));

    Obszar = new TObszar(this);
    Obszar->setGeometry(100, 190, AreaWidth, AreaHeight);

    CreateResultPanel();
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));

    const auto hidden = [this](const QString &name, const QPixmap &picture) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(picture);
        label->resize(picture.size());
        label->hide();
        return label;
    };
    Stan_0 = hidden(u"Stan_0"_s, AnswerBoxPicture(false));
    Stan_1 = hidden(u"Stan_1"_s, AnswerBoxPicture(true));
    Pion = hidden(u"Pion"_s, RulePicture(QSize(3, 316), Qt::Vertical));
    Poziom = hidden(u"Poziom"_s, RulePicture(QSize(80, 2), Qt::Horizontal));
}

void TfrmTFGr::Reset()
{
    Instruction()->hide();
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetInstruction(QString(), QString());
    StartNewRun();
    Zdania.clear();
    Sprawdzone = false;
    PokazPoprawne = false;
    Wynik = TrueFalseScore();
    SetCheckState(CheckState::Checking);
}

bool TfrmTFGr::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    Obrazki.clear();
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    TF2ReadResult read = ReadTF2File(path, instructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_TF2();
    }
    const Struct_TF2 &exercise = read.Exercise;

    SetupListenButtons(exercise.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());
    SetInstruction(exercise.Instruction, exercise.Hint);
    Instruction()->setVisible(read.Ok());

    Naglowek1 = exercise.LeftHeading;
    Naglowek2 = exercise.RightHeading;
    Zdania = exercise.Items;
    ShuffleStatements(Zdania, Random());
    Obszar->update();
    return read.Ok();
}

void TfrmTFGr::LayOutOnce()
{
    LayOut();
    Obszar->update();
}

TableView TfrmTFGr::View() const
{
    if (!Sprawdzone)
        return TableView::Open;
    return PokazPoprawne ? TableView::RightAnswers : TableView::Scored;
}

const QImage &TfrmTFGr::Picture(QChar placement)
{
    auto it = Obrazki.find(placement);
    if (it == Obrazki.end()) {
        QImage picture;
        if (!PlikCwiczenia.isEmpty() && !Zdania.isEmpty()) {
            const QString path = Utils::ResolvePath(Utils::ProgramPath(u"\\Gfx\\Tf_gfx"_s),
                                                    TrueFalsePictureName(PlikCwiczenia, placement));
            if (QFileInfo(path).isFile())
                picture = Utils::LoadPictureFile(path); // an unreadable picture is no picture
        }
        it = Obrazki.insert(placement, picture);
    }
    return *it;
}

TableLayout TfrmTFGr::LayOut()
{
    const QFontMetrics regular(TableFont(), Obszar);
    const QFontMetrics bold(TableFont(true), Obszar);
    TableMetrics m;
    m.TextWidth = [&regular](const QString &word) { return regular.horizontalAdvance(word); };
    m.BoldWidth = [&bold](const QString &text) { return bold.horizontalAdvance(text); };
    m.TextHeight = regular.height();
    m.BoxSize = Stan_1->width();
    m.MarkWidth = Host().Picture(u"IMG_OK"_s).width();
    m.RuleWidth = Pion->width();
    m.Width = Obszar->width();
    if (Zdania.isEmpty())
        return {};
    return LayOutTable(Zdania, Naglowek1, Naglowek2, m, View(), Picture(u'T').size(), Picture(u'B').size());
}

QRect TfrmTFGr::BoxRect(int row, bool left)
{
    const TableLayout layout = LayOut();
    if (row < 0 || row >= layout.Rows.size())
        return {};
    const TableRow &r = layout.Rows[row];
    return QRect(left ? r.LeftBox : r.RightBox, Stan_1->size());
}

void TfrmTFGr::ObszarPaint(QPainter &painter)
{
    Slowka.Clear();
    const TableLayout layout = LayOut();
    if (layout.Rows.isEmpty())
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (!layout.TopPicture.isEmpty())
        painter.drawImage(layout.TopPicture.topLeft(), Picture(u'T'));
    if (!layout.BottomPicture.isEmpty())
        painter.drawImage(layout.BottomPicture.topLeft(), Picture(u'B'));

    painter.drawPixmap(layout.Pion, Pion->pixmap());
    painter.drawPixmap(layout.Poziom, Poziom->pixmap());

    painter.setPen(Qt::black);
    painter.setFont(TableFont(true));
    for (const TableWord &heading : {layout.LeftHeading, layout.RightHeading}) {
        painter.drawText(heading.Rect.left(), heading.Rect.top() + painter.fontMetrics().ascent(),
                         heading.Text);
        Slowka.AddWord(heading.Text, heading.Rect);
    }

    const QPixmap empty = Stan_0->pixmap();
    const QPixmap ticked = Stan_1->pixmap();
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    const QPixmap wrong = Host().Picture(u"IMG_Zle"_s);
    for (const TableRow &row : layout.Rows) {
        painter.drawPixmap(row.LeftBox, row.LeftTicked ? ticked : empty);
        painter.drawPixmap(row.RightBox, row.RightTicked ? ticked : empty);
        if (row.Mark != RowMark::None)
            painter.drawPixmap(row.MarkTopLeft, row.Mark == RowMark::Right ? ok : wrong);
    }

    painter.setFont(TableFont());
    const int ascent = painter.fontMetrics().ascent();
    for (const TableWord &word : layout.Words) {
        Slowka.AddWord(word.Text, word.Rect);
        painter.drawText(word.Rect.left(), word.Rect.top() + ascent, word.Text);
    }
}

void TfrmTFGr::ObszarMouseDown(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        LookUpWordAt(Slowka, point);
        return;
    }
    if (Sprawdzone)
        return;
    const BoxRef hit = BoxAt(LayOut(), Stan_1->width(), point);
    if (!hit.IsValid())
        return;
    Tick(Zdania, hit.Row, hit.Left);
    Obszar->update();
}

void TfrmTFGr::ObszarMouseMove(QMouseEvent *event)
{
    // The hand over every box, scored or not.
    const bool overBox = BoxAt(LayOut(), Stan_1->width(), event->position().toPoint()).IsValid();
    Obszar->setCursor(overBox ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmTFGr::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        // Again: the same file in a new order.
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    Sprawdzone = true;
    Wynik = ScoreTrueFalse(Zdania);
    const std::optional<int> percent = Wynik.Percent();
    SetCheckState(CheckState::Checked, percent && *percent < 100);
    if (percent) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(*percent); // recorded by the host at once
    }
    Obszar->update();
}

void TfrmTFGr::btnPoprawClick()
{
    PokazPoprawne = true;
    ResultPanel()->hide();
    SetCheckState(CheckState::Checked, false);
    Obszar->update();
}

void TfrmTFGr::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Zdania.clear();
}
