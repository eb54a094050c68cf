#include "exercises/words/uFrmWpisywanie.h"

#include "course/Catalogue.h"
#include "exercises/frame/ExerciseHost.h"
#include "exercises/shared/FlowPainter.h"
#include "exercises/words/Struct_Wpisywanie.h"
#include "exercises/words/ufrmMiniSlownik.h"
#include "learner/Struct_Config.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/MyHint.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace GapTyping;

namespace {

constexpr int PolecenieLeft = 100;
constexpr QRect ObszarPlace(100, 190, 660, 520);
constexpr int FieldWidth = 93;
constexpr int FieldHeight = 21;
constexpr int EditHeight = 22;

// The empty answer field drawn in every gap that has no answer yet.
QPixmap EmptyFieldPicture()
{
    QPixmap pixmap(FieldWidth, FieldHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 160, 200), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, FieldWidth - 1, FieldHeight - 1), 3, 3);
    p.setPen(QPen(QColor(225, 234, 244), 1));
    p.drawLine(QPointF(3, 2.5), QPointF(FieldWidth - 4, 2.5));
    return pixmap;
}

} // namespace

// The text's paint area: it hands its events to the screen, which owns the model.
class TfrmWpisywanie::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmWpisywanie *form) : QWidget(form), m_form(form)
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
    void wheelEvent(QWheelEvent *event) override { m_form->ObszarWheel(event); }

private:
    TfrmWpisywanie *m_form;
};

TfrmWpisywanie::TfrmWpisywanie(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    Czcionka = QFont(u"Tahoma"_s);
    Czcionka.setPixelSize(15);
    const QFontMetrics metrics(Czcionka);
    WysokoscLinii = metrics.height() + 8; // the text height of "XXX" + 8
    Odstep = metrics.horizontalAdvance(u' ');
    Miara = FlowText::MeasureWith(Czcionka);
    CreateComponents();
    FinishCreation();
    Host().SetButtonGlyph(btnDrukuj, u"IMG_Drukuj"_s, 1);
    Host().SetButtonGlyph(btnZwroty, u"IMG_Slownik"_s, 1);
    Reset();
    StartFirstUseNotice();
}

TfrmWpisywanie::~TfrmWpisywanie() = default;

void TfrmWpisywanie::CreateComponents()
{
    if (QLabel *background = CreateBackground())
        background->installEventFilter(this);
    CreateTitleBar();
    CreateInstruction(QRect(PolecenieLeft, 130, 480, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(100, 130, 63, 50), false);
    CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));

    Obszar = new TObszar(this);
    Obszar->setGeometry(ObszarPlace);

    ScrollBar = CreateScrollBar(QRect(760, 190, 21, 522));
    ScrollBar->installEventFilter(this);
    connect(ScrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        Przesuniecie = position * WysokoscLinii;
        PlaceEditBox();
        Obszar->update();
    });

    CreateResultPanel();
    btnDrukuj = CreateButton(u"btnDrukuj"_s, QRect(808, 252, 200, 50));
    btnDrukuj->SetCaption(Utils::GetInterfaceText(47));
    connect(btnDrukuj, &QAbstractButton::clicked, this, &TfrmWpisywanie::btnDrukujClick);
    btnZwroty = CreateButton(u"btnZwroty"_s, QRect(808, 338, 200, 50));
    btnZwroty->SetCaption(Utils::GetInterfaceText(113));
    btnZwroty->hide();
    connect(btnZwroty, &QAbstractButton::clicked, this, &TfrmWpisywanie::btnZwrotyClick);
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));

    IMG_Pole = new QLabel(this);
    IMG_Pole->setObjectName(u"IMG_Pole"_s);
    IMG_Pole->setPixmap(EmptyFieldPicture());
    IMG_Pole->resize(FieldWidth, FieldHeight);
    IMG_Pole->hide();

    // The edit box lies over the gap's field inside the text area, so it scrolls and is cut
    // off with the text.
    Edit1 = new QLineEdit(Obszar);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->resize(75, EditHeight);
    QFont verdana(u"Verdana"_s);
    verdana.setPixelSize(12);
    Edit1->setFont(verdana);
    Edit1->setFrame(false);
    Edit1->setStyleSheet(
        u"QLineEdit { background: transparent; color: rgb(7,108,255); padding-left: 3px; }"_s);
    Edit1->hide();
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::returnPressed, this, &TfrmWpisywanie::MoveOn);
}

void TfrmWpisywanie::Reset()
{
    Instruction()->hide();
    Instruction()->move(PolecenieLeft, Instruction()->y());
    SetInstruction(QString(), QString());
    StartNewRun();
    Tekst = TGapText();
    Zwroty.clear();
    Przesuniecie = 0;
    WysokoscTresci = 0;
    ScrollBar->blockSignals(true);
    ScrollBar->SetPosition(0);
    ScrollBar->SetMax(0);
    ScrollBar->blockSignals(false);
    ScrollBar->hide();
    Edit1->hide();
    Edit1->clear();
    btnZwroty->hide();
    SetCheckState(CheckState::Checking);
}

bool TfrmWpisywanie::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    WpisywanieReadResult read =
        ReadWpisywanieFile(path, instructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_Wpisywanie();
    }
    const Struct_Wpisywanie &exercise = read.Exercise;

    SetupListenButtons(exercise.MediaFile);
    if (!btnMedia2->isHidden())
        Instruction()->move(Instruction()->x() + btnMedia2->width() + 10, Instruction()->y());
    SetInstruction(exercise.Instruction, exercise.Hint);
    Instruction()->setVisible(read.Ok());

    // The package's title without its numbering heads the printed page; an exercise outside a
    // package prints without a heading.
    const Course::TElement *package = Host().CurrentPackage();
    NaglowekWydruku = package ? Utils::GetField(3, package->Title, u'=') : QString();

    Zwroty = exercise.PhraseList;
    btnZwroty->setVisible(!Zwroty.isEmpty());
    Tekst.Load(exercise.Text);
    Obszar->show();
    Obszar->update();
    return read.Ok();
}

void TfrmWpisywanie::LayOutOnce()
{
    FitObszarUnderInstruction();
    Tekst.PlaceEditPosition(Tekst.FirstEmptyGap());
    LayOut();
    UpdateScrollBar();
    Obszar->update();
}

void TfrmWpisywanie::FitObszarUnderInstruction()
{
    // An instruction of more than one line pushes the text down, once per screen.
    if (ObszarDopasowany || Instruction()->isHidden())
        return;
    const QFontMetrics metrics(Instruction()->font());
    const int textHeight = metrics
                               .boundingRect(QRect(0, 0, Instruction()->width(), 1000), Qt::TextWordWrap,
                                             Instruction()->Caption())
                               .height();
    if (textHeight <= 27)
        return;
    ObszarDopasowany = true;
    const int top = Instruction()->y() + textHeight + 20;
    const int moved = top - Obszar->y();
    if (moved <= 0)
        return;
    Obszar->setGeometry(Obszar->x(), top, Obszar->width(), Obszar->height() - moved - 20);
    ScrollBar->setGeometry(ScrollBar->x(), top, ScrollBar->width(), Obszar->height() + 2);
}

GapTyping::Metrics TfrmWpisywanie::Measures()
{
    Metrics m;
    m.TextWidth = Miara;
    m.LineHeight = WysokoscLinii;
    m.WordSpacing = Odstep;
    m.Width = Obszar->width();
    m.FieldWidth = FieldWidth;
    const QImage ok = PictureNamed(RightMark.toString());
    m.MarkWidth = ok.isNull() ? 24 : ok.width();
    m.PictureSize = [this](const QString &name) {
        const QImage image = PictureNamed(name);
        return image.isNull() ? QSize() : image.size();
    };
    return m;
}

FlowText::Layout TfrmWpisywanie::LayOut()
{
    FlowText::Layout layout = Tekst.LayOut(Measures());
    WysokoscTresci = layout.ContentHeight;
    return layout;
}

QImage TfrmWpisywanie::PictureNamed(const QString &name)
{
    auto it = Obrazki.find(name);
    if (it != Obrazki.end())
        return *it;
    QImage image;
    if (name == FieldPicture)
        image = IMG_Pole->pixmap().toImage();
    else if (name == RightMark || name == WrongMark || name == InfoMark)
        image = Host().Picture(name).toImage();
    else
        image = QImage(Utils::ProgramPath(u"\\Gfx\\Wpis_gfx\\"_s + name)); // null when missing
    return *Obrazki.insert(name, image);
}

QRect TfrmWpisywanie::GapRect(int index) const
{
    if (index < 0 || index >= Tekst.Words().size())
        return {};
    return Tekst.Words()[index].HitRect.translated(0, -Przesuniecie);
}

void TfrmWpisywanie::ScrollTo(int position)
{
    ScrollBar->SetPosition(std::clamp(position, 0, ScrollBar->Max()));
}

void TfrmWpisywanie::UpdateScrollBar()
{
    const int lines = FlowText::ScrollLines(WysokoscTresci, Obszar->height(), WysokoscLinii);
    ScrollBar->SetMax(lines);
    ScrollBar->setVisible(lines > 0);
}

void TfrmWpisywanie::ObszarPaint(QPainter &painter)
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    const FlowText::Layout layout = LayOut();
    FlowText::Paint(painter, layout, Czcionka, FlowText::Palette(), Przesuniecie, Obszar->height(),
                    [this](const QString &name) { return PictureNamed(name); });
    FlowText::FillWordPositions(Slowka, layout, Przesuniecie, Obszar->height());
}

void TfrmWpisywanie::ObszarMouseDown(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        LookUpWordAt(Slowka, point);
        return;
    }
    if (!Tekst.Editable())
        return;
    EndEditing();
    LayOut(); // the gaps as they stand now, whatever was painted last
    const int gap = Tekst.GapAt(point + QPoint(0, Przesuniecie));
    if (gap >= 0)
        StartEditing(gap);
    else
        Obszar->update();
}

void TfrmWpisywanie::ObszarMouseMove(QMouseEvent *event)
{
    const QPoint content = event->position().toPoint() + QPoint(0, Przesuniecie);
    Obszar->setCursor(Tekst.GapAt(content) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const QString hint = Tekst.HintAt(content);
    if (hint != Obszar->toolTip()) {
        Obszar->setToolTip(hint);
        if (!hint.isEmpty())
            TMyHint::RefreshHint(Obszar);
    }
}

void TfrmWpisywanie::ObszarWheel(QWheelEvent *event)
{
    if (!ScrollBar->isVisibleTo(this))
        return;
    const int delta = event->angleDelta().y();
    if (delta != 0)
        ScrollTo(ScrollBar->Position() + (delta < 0 ? 1 : -1));
    event->accept();
}

void TfrmWpisywanie::EditGap(int index)
{
    if (!Tekst.Editable())
        return;
    EndEditing();
    StartEditing(index);
}

void TfrmWpisywanie::StartEditing(int index)
{
    const QString answer = Tekst.BeginEdit(index);
    if (!Tekst.EditorOpen())
        return;
    // The box must be seen whole: the text scrolls a line at a time until it is.
    LayOut();
    UpdateScrollBar();
    const QRect field = Tekst.Words()[index].HitRect;
    while (field.top() + EditHeight - Przesuniecie > Obszar->height() &&
           ScrollBar->Position() < ScrollBar->Max())
        ScrollTo(ScrollBar->Position() + 1);
    while (field.top() - Przesuniecie < 0 && ScrollBar->Position() > 0)
        ScrollTo(ScrollBar->Position() - 1);
    Edit1->setText(answer);
    Edit1->selectAll();
    PlaceEditBox();
    Edit1->show();
    Edit1->setFocus(Qt::OtherFocusReason);
    Obszar->update();
}

void TfrmWpisywanie::PlaceEditBox()
{
    if (!Tekst.EditorOpen()) {
        Edit1->hide();
        return;
    }
    const QRect field = Tekst.Words()[Tekst.EditIndex()].HitRect;
    Edit1->setGeometry(field.left(), field.top() - Przesuniecie, FieldWidth, EditHeight);
}

void TfrmWpisywanie::EndEditing()
{
    if (!Tekst.EditorOpen())
        return;
    Tekst.Commit(Edit1->text());
    Edit1->hide();
    LayOut();
    UpdateScrollBar();
    Obszar->update();
}

QString TfrmWpisywanie::EditText() const
{
    return Tekst.EditorOpen() ? Edit1->text() : QString();
}

void TfrmWpisywanie::MoveOn()
{
    if (!Tekst.Editable())
        return;
    const int next = Tekst.MoveOn(EditText());
    Edit1->hide();
    LayOut();
    UpdateScrollBar();
    Obszar->update();
    if (next >= 0)
        StartEditing(next);
    else
        setFocus(Qt::OtherFocusReason);
}

bool TfrmWpisywanie::focusNextPrevChild(bool)
{
    // Tab anywhere on the screen keeps the gap and goes on to the next empty one.
    MoveOn();
    return true;
}

void TfrmWpisywanie::btnSprClick()
{
    if (CheckButtonState() == CheckState::Checked) {
        // Again: the same text afresh.
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    const LearnerSettings &settings = Host().Settings();
    const CheckResult result =
        Tekst.Check(EditText(), {settings.UsePunctuation != 0, settings.MatchCase != 0});
    Edit1->hide();
    // A text without gaps has nothing to score: no score is shown or stored.
    SetCheckState(CheckState::Checked, result.Percent && *result.Percent < 100);
    if (result.Percent) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(*result.Percent); // recorded by the host at once
    }
    LayOut();
    UpdateScrollBar();
    Obszar->update();
}

void TfrmWpisywanie::btnPoprawClick()
{
    Tekst.ShowRightAnswers();
    SetCheckState(CheckState::Checked, false);
    LayOut();
    UpdateScrollBar();
    Obszar->update();
}

void TfrmWpisywanie::btnDrukujClick()
{
    EndEditing();
    TPrinterHTML &printer = PrinterHTML();
    printer.LoadFromString(Tekst.PrintPage(NaglowekWydruku));
    printer.Title = NaglowekWydruku;
    printer.Print(0, 40);
}

void TfrmWpisywanie::btnZwrotyClick()
{
    EndEditing();
    OpenMiniDictionary(Zwroty, this);
}

bool TfrmWpisywanie::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        // Leaving the box keeps its answer; a window that only lost its activation (minimised,
        // a message over it) comes back with the box as it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EndEditing();
    } else if ((watched == ScrollBar || watched->objectName() == u"IMG_Tlo"_s) &&
               event->type() == QEvent::MouseButtonPress) {
        EndEditing();
    }
    return TExerciseScreen::eventFilter(watched, event);
}

void TfrmWpisywanie::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Edit1->hide();
    Tekst = TGapText();
}
