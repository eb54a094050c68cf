#include "exercises/dialogues/uFrmZdania.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "media/uFrmAnalizator.h"
#include "media/uMedia.h"
#include "skin/AALabel.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/VelZeszytStatystyki.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// The language every instruction is shown in; the program never changes it.
constexpr int InstructionLanguage = 1;

} // namespace

TfrmZdania::TObszar::TObszar(TfrmZdania *form) : QWidget(form), m_form(form)
{
    setObjectName(u"Obszar"_s);
    setMouseTracking(true);
}

void TfrmZdania::TObszar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    m_form->ObszarPaint(painter);
}

void TfrmZdania::TObszar::mousePressEvent(QMouseEvent *event)
{
    m_form->ObszarMouseDown(event);
}

void TfrmZdania::TObszar::mouseMoveEvent(QMouseEvent *event)
{
    m_form->ObszarMouseMove(event);
}

void TfrmZdania::TObszar::mouseReleaseEvent(QMouseEvent *event)
{
    m_form->ObszarMouseUp(event);
}

TfrmZdania::TfrmZdania(int kind, IExerciseHost &host, QWidget *parent) : TExerciseScreen(kind, host, parent)
{
}

TfrmZdania::~TfrmZdania() = default;

void TfrmZdania::CreateSentenceFrame(const QRect &obszar, int obszarFontPixels, const QRect &check)
{
    CreateBackground();
    CreateTitleBar();
    CreateInstruction(QRect(282, 130, 447, 50));
    btnMedia2 = CreateListenButton(u"btnMedia2"_s, QRect(204, 130, 63, 50), false);
    btnMedia2->SetHint(Utils::GetInterfaceText(42));

    Statystyki = new TVelZeszytStatystyki(this);
    Statystyki->setObjectName(u"Statystyki"_s);
    Statystyki->setGeometry(0, 130, 155, 200);
    Statystyki->SetShowPowtorki(false);
    Statystyki->SetTextPoprawnie(Utils::GetInterfaceText(104));
    Statystyki->SetTextBlednie(Utils::GetInterfaceText(105));
    Statystyki->SetTextOgolnie(Utils::GetInterfaceText(106));
    Statystyki->SetTextStatystyka(Utils::GetInterfaceText(107));

    Obszar = new TObszar(this);
    Obszar->setGeometry(obszar);
    QFont verdana(u"Verdana"_s);
    verdana.setPixelSize(obszarFontPixels);
    verdana.setBold(true);
    Obszar->setFont(verdana);
    Obszar->hide();

    btnMedia = CreateListenButton(u"btnMedia"_s, QRect(808, 203, 200, 50));
    btnMedia->SetCaption(Utils::GetInterfaceText(42));
    btnMedia->SetHint(Utils::GetInterfaceText(42));

    // The voice analyser's button stays hidden; its action is there for a screen that shows it.
    btnAnalizator = CreateButton(u"btnAnalizator"_s, QRect(808, 259, 200, 50));
    btnAnalizator->SetCaption(Utils::GetInterfaceText(95));
    btnAnalizator->hide();
    connect(btnAnalizator, &QAbstractButton::clicked, this, &TfrmZdania::btnAnalizatorClick);

    // The check button is a light one with a dark caption, unlike the frame's check buttons.
    btnSpr = CreateButton(u"btnSpr"_s, check);
    btnSpr->SetGrafikaIndex(1);
    btnSpr->SetFontColor(QColor(52, 52, 52));
    btnSpr->SetCaption(Utils::GetInterfaceText(41));
    connect(btnSpr, &QAbstractButton::clicked, this, [this] { btnSprClick(); });

    CreateResultPanel();
}

void TfrmZdania::CreateTranslationCard()
{
    btnTlumaczenie = new TVelResButton(this);
    btnTlumaczenie->setObjectName(u"btnTlumaczenie"_s);
    btnTlumaczenie->SetRozmiar(roz22);
    btnTlumaczenie->setGeometry(282, 543, 153, 22);
    QFont trebuchet(u"Trebuchet MS"_s);
    trebuchet.setPixelSize(13);
    btnTlumaczenie->setFont(trebuchet);
    btnTlumaczenie->SetFontColor(Qt::black);
    btnTlumaczenie->SetCaption(Utils::GetInterfaceText(82));
    btnTlumaczenie->hide();
    connect(btnTlumaczenie, &QAbstractButton::clicked, this, &TfrmZdania::btnTlumaczenieClick);

    IMG_Kartka = new QLabel(this);
    IMG_Kartka->setObjectName(u"IMG_Kartka"_s);
    IMG_Kartka->setGeometry(282, 571, 450, 68);
    IMG_Kartka->setPixmap(QPixmap::fromImage(SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Kartka"_s)));
    IMG_Kartka->hide();

    lblTlumaczenie = new TAALabel(this);
    lblTlumaczenie->setObjectName(u"lblTlumaczenie"_s);
    lblTlumaczenie->setGeometry(300, 576, 392, 50);
    QFont georgia(u"Georgia"_s);
    georgia.setPixelSize(15);
    lblTlumaczenie->SetFont(georgia);
    lblTlumaczenie->SetFontColor(QColor(73, 73, 73));
    lblTlumaczenie->SetWordWrap(true);
    lblTlumaczenie->SetTransparent(true);
    lblTlumaczenie->hide();
}

void TfrmZdania::PrepareTranslationCard(const QString &translation)
{
    if (!btnTlumaczenie)
        return;
    IMG_Kartka->hide();
    lblTlumaczenie->hide();
    lblTlumaczenie->SetCaption(translation);
    btnTlumaczenie->hide();
}

void TfrmZdania::btnTlumaczenieClick()
{
    IMG_Kartka->show();
    lblTlumaczenie->show();
    lblTlumaczenie->raise();
    btnTlumaczenie->hide();
}

void TfrmZdania::Reset()
{
    Obszar->hide();
    Instruction()->hide();
    SetInstruction(QString(), QString());
    m_run = Sentences::TSentenceRun();
    Statystyki->SetPoprawnie(0);
    Statystyki->SetBlednie(0);
    Statystyki->SetXFactor(0);
    StartNewRun();
    btnSpr->show();
    btnSpr->SetTag(0);
    btnSpr->SetCaption(Utils::GetInterfaceText(41));
    PrepareTranslationCard(QString());
    m_busy = false;
}

bool TfrmZdania::LoadFile(const QString &path)
{
    Reset();
    m_filePath = path;
    const ZdaniaReadResult read = LoadSentenceExerciseFile(
        path, SentenceVariantOfKind(Kind().Kind), InstructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok())
        ReportLoadFault(path);
    SetInstruction(read.Exercise.Instruction, read.Exercise.Hint);
    Instruction()->show();
    m_run = Sentences::TSentenceRun(read.Exercise.Sentences);
    return read.Ok();
}

void TfrmZdania::LayOutOnce()
{
    if (!m_run.HasSentences()) {
        // Nothing to offer: the message has been shown and no run starts.
        btnSpr->hide();
        return;
    }
    m_run.PickNextSentence(-1, Random());
    PrepareSentence();
}

void TfrmZdania::ActAsClick(QAbstractButton *button)
{
    if (button && button->isEnabled())
        button->click();
}

int TfrmZdania::CheckTag() const
{
    return btnSpr->Tag();
}

QString TfrmZdania::CurrentRecordingPath() const
{
    const TZdanie *sentence = CurrentSentence();
    if (!sentence)
        return {};
    return Utils::MediaPath(u"\\Media\\Zdania\\"_s + sentence->Recording);
}

void TfrmZdania::btnSprClick()
{
    // Once every sentence has been answered the button has nothing left to do.
    if (m_busy || m_run.IsOver() || !m_run.CurrentSentence())
        return;
    m_busy = true;
    CheckAction();
    m_busy = false;
}

void TfrmZdania::PickNext()
{
    m_run.PickNextSentence(m_run.Current(), Random());
    PrepareSentence();
}

void TfrmZdania::CountAnswer(bool right)
{
    m_run.CountAnswer(right);
    Statystyki->SetPoprawnie(unsigned(m_run.Right()));
    Statystyki->SetBlednie(unsigned(m_run.Wrong()));
    Statystyki->SetXFactor(unsigned(m_run.XFactor()));
    if (!m_run.IsOver())
        return;
    btnSpr->hide();
    HideAnswerButtons();
    ShowResult(m_run.XFactor()); // the host records it when the learner leaves
    PlaySkinSound(u"WAV_WYNIK"_s);
}

void TfrmZdania::btnMediaClick()
{
    PlayCurrentSentence();
}

void TfrmZdania::PlayCurrentSentence()
{
    if (const TZdanie *sentence = CurrentSentence())
        PlayExerciseMedia(sentence->Recording, false);
}

void TfrmZdania::btnAnalizatorClick()
{
    if (CurrentSentence())
        OpenVoiceAnalyser(CurrentRecordingPath(), Host().LoggedInUser().Id, this);
}

bool TfrmZdania::HandleSharedKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4) {
        NewBackground();
        return true;
    }
    if (event->key() == Qt::Key_W && event->modifiers().testFlag(Qt::ControlModifier)) {
        if (!event->isAutoRepeat())
            ActAsClick(btnMedia);
        return true;
    }
    return false;
}

void TfrmZdania::keyPressEvent(QKeyEvent *event)
{
    if (HandleSharedKey(event)) {
        event->accept();
        return;
    }
    TExerciseScreen::keyPressEvent(event);
}

void TfrmZdania::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    m_run = Sentences::TSentenceRun();
}
