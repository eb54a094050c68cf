#include "exercises/words/uFrmTest.h"

#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelBelka.h"
#include "skin/VelDymek.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace TestModel;

namespace {

constexpr int ButtonSet = TfrmNawigacja::ExerciseButtons;
constexpr int PolecenieLeft = 100;
constexpr int BoxSize = 23;

QString FileNameOnly(const QString &path)
{
    return QFileInfo(path).fileName();
}

// A random picture of the exercise backgrounds, stretched over the screen below its bar.
QImage LoadBackground(const QString &folder, QRandomGenerator &random)
{
    QImage picture;
    if (!Utils::LoadRandomBackground(picture, folder, &random)) {
        // The installation always ships backgrounds; a screen must still open without one.
        picture = QImage(1024, 718, QImage::Format_RGB32);
        QPainter p(&picture);
        QLinearGradient sky(0, 0, 0, 718);
        sky.setColorAt(0, QColor(214, 236, 248));
        sky.setColorAt(1, QColor(246, 251, 254));
        p.fillRect(picture.rect(), sky);
    }
    return picture.scaled(1024, 718, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The answer box pictures: an empty box and a box with a tick.
QPixmap StatePicture(bool marked)
{
    QPixmap pixmap(BoxSize, BoxSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(SkinColors::Navy, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 2.5, 18, 18), 4, 4);
    if (marked) {
        QPainterPath tick;
        tick.moveTo(6.5, 11.5);
        tick.lineTo(10, 15.5);
        tick.lineTo(17, 6.5);
        p.setPen(QPen(SkinColors::Blue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return pixmap;
}

TVelResButton *NewButton(QWidget *parent, const QString &name, const QRect &place)
{
    auto *button = new TVelResButton(parent);
    button->setObjectName(name);
    button->SetRozmiar(roz50);
    button->SetGrafikaIndex(6); // the dark set, under white captions
    QFont font(u"Trebuchet MS"_s);
    font.setPixelSize(21);
    button->setFont(font);
    button->SetFontColor(Qt::white);
    button->setGeometry(place);
    return button;
}

int TranslationLanguage()
{
    return frmNawigacja ? frmNawigacja->Settings().TranslationLanguage : 0;
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

TfrmTest::TfrmTest(QWidget *parent) : TExerciseScreen(u"frmTest"_s, parent)
{
    Losowanie.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    Losuj = [this](int count) { return int(Losowanie.bounded(count)); };
    QFont tahoma(u"Tahoma"_s);
    setFont(tahoma);
    CreateComponents();
    FinishCreation();
    Reset();

    CheckMsgInfo = new QTimer(this);
    CheckMsgInfo->setObjectName(u"CheckMsgInfo"_s);
    CheckMsgInfo->setSingleShot(true);
    CheckMsgInfo->setInterval(700);
    connect(CheckMsgInfo, &QTimer::timeout, this, &TfrmTest::CheckMsgInfoTimer);
    CheckMsgInfo->start();
}

TfrmTest::~TfrmTest() = default;

void TfrmTest::CreateComponents()
{
    IMG_Tlo = new QLabel(this);
    IMG_Tlo->setObjectName(u"IMG_Tlo"_s);
    IMG_Tlo->setGeometry(0, 50, 1024, 718);
    IMG_Tlo->setScaledContents(true);
    Tlo = LoadBackground(Utils::ProgramPath(u"\\Gfx\\Background_roz"_s), Losowanie);
    IMG_Tlo->setPixmap(QPixmap::fromImage(Tlo));

    auto *belka = new TVelBelka(this);
    belka->setObjectName(u"Belka"_s);
    belka->setGeometry(0, 0, 1024, 50);

    Polecenie = new TAALabel(this);
    Polecenie->setObjectName(u"Polecenie"_s);
    Polecenie->setGeometry(PolecenieLeft, 130, 480, 50);
    QFont georgia(u"Georgia"_s);
    georgia.setPixelSize(20);
    Polecenie->SetFont(georgia);
    Polecenie->SetFontColor(QColor(227, 27, 107));
    Polecenie->SetWordWrap(true);
    Polecenie->SetTransparent(true);
    Polecenie->installEventFilter(this);

    btnMedia2 = NewButton(this, u"btnMedia2"_s, QRect(100, 130, 63, 50));
    btnMedia2->SetShowCaption(false);
    btnMedia = NewButton(this, u"btnMedia"_s, QRect(808, 196, 200, 50));
    btnMedia->SetCaption(u"Słuchaj"_s);
    for (TVelResButton *listen : {btnMedia, btnMedia2}) {
        listen->SetHint(Utils::GetInterfaceText(4));
        connect(listen, &QAbstractButton::clicked, this, &TfrmTest::btnMediaClick);
    }

    Obszar = new TObszar(this);
    Obszar->setGeometry(100, 190, 660, 520);

    ScrollBar = new TALScrollBar(this);
    ScrollBar->setObjectName(u"ScrollBar"_s);
    ScrollBar->setGeometry(760, 190, 21, 520);
    ScrollBar->SetSkinPictures();
    ScrollBar->hide();
    connect(ScrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        Przesuniecie = position * 10;
        Obszar->update();
    });

    Panel_Wynik = new TVelProgress(this);
    Panel_Wynik->setObjectName(u"Panel_Wynik"_s);
    Panel_Wynik->setGeometry(744, 64, 259, 90);
    Panel_Wynik->SetTekst(Utils::GetInterfaceText(46));
    Panel_Wynik->hide();

    btnPopraw = NewButton(this, u"btnPopraw"_s, QRect(808, 614, 200, 50));
    connect(btnPopraw, &QAbstractButton::clicked, this, &TfrmTest::btnPoprawClick);
    btnSpr = NewButton(this, u"btnSpr"_s, QRect(808, 670, 200, 50));
    connect(btnSpr, &QAbstractButton::clicked, this, &TfrmTest::btnSprClick);
    if (frmNawigacja)
        frmNawigacja->SetButtonGlyph(btnPopraw, u"IMG_Sprawdz"_s, 1);

    Stan_0 = new QLabel(this);
    Stan_0->setObjectName(u"Stan_0"_s);
    Stan_0->setPixmap(StatePicture(false));
    Stan_0->hide();
    Stan_1 = new QLabel(this);
    Stan_1->setObjectName(u"Stan_1"_s);
    Stan_1->setPixmap(StatePicture(true));
    Stan_1->hide();

    IMG_Dymek = new TVelDymek(this);
    IMG_Dymek->setObjectName(u"IMG_Dymek"_s);
    IMG_Dymek->move(330, 56);
    IMG_Dymek->hide();
}

void TfrmTest::Reset()
{
    Polecenie->hide();
    Polecenie->move(PolecenieLeft, Polecenie->y());
    HideBubble();
    StartNewRun();
    Sprawdzone = false;
    PokazPoprawne = false;
    Wynik = TestScore();
    Przesuniecie = 0;
    WysokoscTresci = 0;
    ScrollBar->blockSignals(true);
    ScrollBar->SetPosition(0);
    ScrollBar->blockSignals(false);
    setFixedSize(1024, 768);
    if (frmNawigacja)
        frmNawigacja->SetButtonGlyph(btnSpr, u"IMG_Sprawdz"_s, 1);
    btnSpr->SetTag(0);
    btnSpr->SetCaption(Utils::GetInterfaceText(41));
    btnSpr->SetHint(QString());
    btnPopraw->hide();
    btnPopraw->SetCaption(Utils::GetInterfaceText(51));
}

bool TfrmTest::LoadFile(const QString &path)
{
    PlikCwiczenia = path;
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    TestReadResult read = ReadTestFile(path, instructionLanguage, TranslationLanguage());
    if (!read.Ok()) {
        Utils::ShowSystemError(u"Błąd podczas wczytywania pliku ćwiczenia! "_s +
                               u"(%1)"_s.arg(FileNameOnly(path)));
        read.Test = Struct_Test();
    }
    Struct_Test &test = read.Test;
    JedenWybor = test.SingleChoice;
    PlikMedia = test.MediaFile;

    SetupMediaButton(btnMedia, PlikMedia);
    SetupMediaButton(btnMedia2, PlikMedia);
    if (!btnMedia2->isHidden())
        Polecenie->move(Polecenie->x() + btnMedia2->width() + 10, Polecenie->y());

    Polecenie->SetCaption(test.Instruction);
    Polecenie->SetHint(test.Hint);
    Polecenie->setVisible(read.Ok());

    Grupy = test.Groups;
    ShuffleTest(Grupy, Losuj);
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
    return Polecenie->Hint();
}

QRect TfrmTest::AnswerRect(int group, int item) const
{
    if (group < 0 || group >= Grupy.size() || item < 0 || item >= Grupy[group].Items.size())
        return {};
    return Grupy[group].Items[item].HitRect;
}

void TfrmTest::SetRandomPick(RandomPick pick)
{
    Losuj = pick ? std::move(pick) : RandomPick([this](int count) { return int(Losowanie.bounded(count)); });
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
    const QPixmap ok = frmNawigacja ? frmNawigacja->Picture(u"IMG_OK"_s) : QPixmap();
    const QPixmap wrong = frmNawigacja ? frmNawigacja->Picture(u"IMG_Zle"_s) : QPixmap();
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
    if (btnSpr->Tag() == 1) {
        // Again: a fresh random order of the same file.
        Grupy.clear();
        Reset();
        LoadFile(PlikCwiczenia);
        LayOutOnce();
        return;
    }
    Sprawdzone = true;
    Wynik = ScoreTest(Grupy, JedenWybor);
    if (Wynik.HasScore()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(Wynik.Percent()); // recorded by the host at once
        btnPopraw->setVisible(Wynik.Percent() < 100);
    }
    if (frmNawigacja)
        frmNawigacja->SetButtonGlyph(btnSpr, u"IMG_JeszczeRaz"_s, 1);
    btnSpr->SetTag(1);
    btnSpr->SetCaption(Utils::GetInterfaceText(3));
    btnSpr->SetHint(Utils::GetInterfaceText(3));
    Obszar->update();
}

void TfrmTest::btnPoprawClick()
{
    PokazPoprawne = true;
    Panel_Wynik->hide();
    btnPopraw->hide();
    Obszar->update();
}

void TfrmTest::btnMediaClick()
{
    SetSpeakerMarks(MediaMarks);
    PlayMedia(Utils::MediaPath(u"\\Media\\Teksty\\"_s + PlikMedia), true);
}

void TfrmTest::CheckMsgInfoTimer()
{
    CheckMsgInfo->stop();
    ShowFirstUseNotice(9);
}

void TfrmTest::PolecenieMouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton || TranslationLanguage() == 255)
        return;
    if (!IMG_Dymek->isHidden()) {
        IMG_Dymek->hide();
        return;
    }
    if (Polecenie->Hint().isEmpty())
        return;
    const QPoint at = event->position().toPoint() + Polecenie->pos();
    IMG_Dymek->ShowBubble(at.x(), at.y(), Polecenie->Hint());
}

void TfrmTest::HideBubble()
{
    if (IMG_Dymek)
        IMG_Dymek->hide();
}

bool TfrmTest::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Polecenie) {
        if (event->type() == QEvent::MouseButtonPress)
            PolecenieMouseDown(static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::Leave)
            HideBubble();
    }
    return TExerciseScreen::eventFilter(watched, event);
}

void TfrmTest::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    CloseMedia();
    Grupy.clear();
}

void TfrmTest::showEvent(QShowEvent *event)
{
    TExerciseScreen::showEvent(event);
    // The scroll bar shows the part of the background behind it.
    ScrollBar->SetIMG_BKG(
        Tlo.copy(ScrollBar->x(), ScrollBar->y() - 50, ScrollBar->width(), ScrollBar->height()));
}

TfrmTest *OpenTestScreen(const QString &path, const QString &mediaMarks)
{
    if (!QFileInfo(path).isFile()) {
        Utils::ShowSystemError(u"Brak pliku ćwiczenia! "_s + u"(%1)"_s.arg(3));
        return nullptr;
    }
    auto *screen = new TfrmTest();
    screen->SetMediaMarks(mediaMarks);
    screen->Reset();
    screen->LoadFile(path);
    if (frmNawigacja)
        frmNawigacja->RegisterExerciseScreen(screen, ButtonSet);
    screen->LayOutOnce();
    screen->show();
    return screen;
}
