#include "exercises/words/uFrmTest.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/words/AnswerBox.h"
#include "learner/Struct_Config.h"
#include "reference/uSlownik.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace TestModel;

namespace {

constexpr int PolecenieLeft = 100;
constexpr int BoxSize = AnswerBoxSize;

QString FileNameOnly(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

// The sheet's paint area: it hands its events to the screen, which owns the model.
class TfrmTest::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmTest *form) : QWidget(form), m_form(form)
    {
        setObjectName(u"Obszar"_s);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_form->ObszarPaint(painter);
    }
    void mousePressEvent(QMouseEvent *event) override { m_form->ObszarMouseDown(event); }
    void mouseMoveEvent(QMouseEvent *event) override { m_form->ObszarMouseMove(event); }
    void wheelEvent(QWheelEvent *event) override { m_form->ObszarWheel(event); }

private:
    TfrmTest *m_form;
};

TfrmTest::TfrmTest(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmTest::~TfrmTest() = default;

void TfrmTest::CreateComponents()
{
    CreateBackground();
    CreateTitleBar();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 63, 50), false);
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));

    Obszar = new TObszar(this);
    Obszar->setGeometry(100, 190, 660, 520);

    ScrollBar = CreateScrollBar(QRect(760, 190, 21, 520));
    connect(ScrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        Przesuniecie = position * 10;
        Obszar->update();
    });

    CreateResultPanel();
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));

    Stan_0 = new QLabel(this);
    Stan_0->setObjectName(u"Stan_0"_s);
    Stan_0->setPixmap(AnswerBoxPicture(false));
    Stan_0->hide();
    Stan_1 = new QLabel(this);
    Stan_1->setObjectName(u"Stan_1"_s);
    Stan_1->setPixmap(AnswerBoxPicture(true));
    Stan_1->hide();
}

void TfrmTest::Reset()
{
    Instruction()->hide();
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetInstruction(QString(), QString());
    StartNewRun();
    Sprawdzone = false;
    PokazPoprawne = false;
    Wynik = TestScore();
    Przesuniecie = 0;
    WysokoscTresci = 0;
    ScrollBar->blockSignals(true);
    ScrollBar->SetPosition(0);
    ScrollBar->blockSignals(false);
    SetCheckState(CheckState::Checking);
}

bool TfrmTest::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    TestReadResult read = ReadTestFile(path, instructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Test = Struct_Test();
    }
    Struct_Test &test = read.Test;
    JedenWybor = test.SingleChoice;

    SetupListenButtons(test.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());

    SetInstruction(test.Instruction, test.Hint);
    Instruction()->setVisible(read.Ok());

    Grupy = test.Groups;
    ShuffleTest(Grupy, Random());
    Obszar->update();
    return read.Ok();
}

void TfrmTest::LayOutOnce()
{
    LayOut();
    const int maximum = ScrollMaximum(WysokoscTresci, Obszar->height());
    ScrollBar->SetMax(maximum);
    ScrollBar->setVisible(maximum > 0);
}

QString TfrmTest::HintText() const
{
    return Instruction()->Hint();
}

QRect TfrmTest::AnswerRect(int group, int item) const
{
    if (group < 0 || group >= Grupy.size() || item < 0 || item >= Grupy[group].Items.size())
        return {};
    return Grupy[group].Items[item].HitRect;
}

void TfrmTest::ScrollTo(int position)
{
    ScrollBar->SetPosition(position);
}

SheetView TfrmTest::View() const
{
    if (!Sprawdzone)
        return SheetView::Open;
    return PokazPoprawne ? SheetView::RightAnswers : SheetView::Scored;
}

SheetLayout TfrmTest::LayOut()
{
    QFont verdana(u"Verdana"_s);
    verdana.setPointSize(9);
    const QFontMetrics metrics(verdana, Obszar);
    SheetMetrics m;
    m.TextWidth = [&metrics](const QString &word) { return metrics.horizontalAdvance(word); };
    m.TextHeight = metrics.height();
    m.StateSize = BoxSize;
    m.Width = Obszar->width();
    SheetLayout layout = LayOutSheet(Grupy, m, View(), Przesuniecie, [this](int n) { return PictureOf(n); });
    WysokoscTresci = layout.ContentHeight;
    return layout;
}

const QImage &TfrmTest::Picture(const QString &path)
{
    auto it = Obrazki.find(path);
    if (it == Obrazki.end())
        it = Obrazki.insert(path, QImage(path));
    return *it;
}

SheetPictureInfo TfrmTest::PictureOf(int position)
{
    const TestPicture found =
        FindTestPicture(Utils::ProgramPath(u"\\Gfx\\Test_gfx"_s), FileNameOnly(PlikCwiczenia), position);
    if (found.Placement == PicturePlacement::None)
        return {};
    const QImage &image = Picture(found.Path);
    if (image.isNull())
        return {}; // an unreadable picture is no picture
    return {found.Placement, found.Path, image.size()};
}

void TfrmTest::ObszarPaint(QPainter &painter)
{
    const SheetLayout layout = LayOut();
    QFont verdana(u"Verdana"_s);
    verdana.setPointSize(9);
    painter.setFont(verdana);
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();

    for (const SheetPicture &picture : layout.Pictures)
        painter.drawImage(picture.Rect.topLeft(), Picture(picture.Path));

    const QPixmap unmarked = Stan_0->pixmap();
    const QPixmap marked = Stan_1->pixmap();
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    const QPixmap wrong = Host().Picture(u"IMG_Zle"_s);
    for (const SheetBox &box : layout.Boxes) {
        painter.drawPixmap(box.TopLeft, box.Marked ? marked : unmarked);
        if (box.Mark != AnswerMark::None)
            painter.drawPixmap(box.MarkTopLeft, box.Mark == AnswerMark::Right ? ok : wrong);
    }

    Slowka.Clear();
    const QRect visible = rect();
    for (const SheetWord &word : layout.Words) {
        Slowka.AddWord(word.Text, word.Rect);
        if (word.Rect.intersects(visible))
            painter.drawText(word.Rect.left(), word.Rect.top() + ascent, word.Text);
    }
}

void TfrmTest::ObszarMouseDown(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        LookUpWordAt(Slowka, point);
        return;
    }
    if (Sprawdzone)
        return;
    LayOut(); // the rows as they stand now, whatever was painted last
    const AnswerRef hit = AnswerAt(Grupy, point);
    if (!hit.IsValid())
        return;
    SelectAnswer(Grupy[hit.Group], hit.Item, JedenWybor);
    Obszar->update();
}

void TfrmTest::ObszarMouseMove(QMouseEvent *event)
{
    const bool overRow = AnswerAt(Grupy, event->position().toPoint()).IsValid();
    Obszar->setCursor(overRow ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmTest::ObszarWheel(QWheelEvent *event)
{
    if (!ScrollBar->isVisibleTo(this))
        return;
    const int steps = event->angleDelta().y() / 120 * 4;
    ScrollBar->SetPosition(std::clamp(ScrollBar->Position() - steps, 0, ScrollBar->Max()));
    event->accept();
}

void TfrmTest::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        // Again: a fresh random order of the same file.
        Grupy.clear();
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    Sprawdzone = true;
    Wynik = ScoreTest(Grupy, JedenWybor);
    const bool scored = Wynik.HasScore();
    SetCheckState(CheckState::Checked, scored && Wynik.Percent() < 100);
    if (scored) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(Wynik.Percent()); // recorded by the host at once
    }
    Obszar->update();
}

void TfrmTest::btnPoprawClick()
{
    PokazPoprawne = true;
    ResultPanel()->hide();
    SetCheckState(CheckState::Checked, false);
    Obszar->update();
}

void TfrmTest::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Grupy.clear();
}
