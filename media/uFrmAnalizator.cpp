#include "media/uFrmAnalizator.h"

#include "media/OggPlayer.h"
#include "media/WaveImage.h"
#include "media/uMedia.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The interface text, or the form's own while the definitions have none.
QString Text(int number, const QString &formText)
{
    const QString text = Utils::GetInterfaceText(number);
    return text.isEmpty() ? formText : text;
}

QImage SkinImage(const QString &name)
{
    return SkinPictureOrNull(CurrentSkin().Handle, name);
}

TVelResButton *PictureButton(QWidget *parent, const QString &name, const QRect &place, const QString &picture,
                             int tag)
{
    auto *button = new TVelResButton(parent);
    button->setObjectName(name);
    button->SetRozmiar(roz50);
    button->setGeometry(place);
    button->SetShowCaption(false);
    button->SetGlyph(SkinImage(picture));
    button->SetTag(tag);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel *Heading(QWidget *parent, const QString &name, const QPoint &place, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(u"color: rgb(52,52,52); background: transparent;"_s);
    label->move(place);
    label->adjustSize();
    return label;
}

TWaveImage *Chart(QWidget *parent, const QString &name, const QRect &place)
{
    auto *chart = new TWaveImage(parent);
    chart->setObjectName(name);
    chart->setGeometry(place);
    chart->Szer_Wykresu = 600;
    chart->Szer_Belek = 0;
    chart->YScale = 50;
    chart->LoadingText = Text(96, u"Analizuję plik..."_s);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    chart->setFont(font);
    return chart;
}

VoiceAnalyserHook &Hook()
{
    static VoiceAnalyserHook hook;
    return hook;
}

} // namespace

TfrmAnalizator::TfrmAnalizator(const QString &modelPath, int learnerId, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_modelPath(modelPath),
      m_recordingPath(LearnerRecordingPath(learnerId))
{
    setObjectName(u"frmAnalizator"_s);
    setFixedSize(698, 371);
    setModal(true);

    VelDialogWindow1 = new TVelDialogWindow(this);
    VelDialogWindow1->setObjectName(u"VelDialogWindow1"_s);
    VelDialogWindow1->SetBelkaSize(bs40);
    VelDialogWindow1->SetDialogStyle(dsBlue);
    VelDialogWindow1->SetAllowMoveWindow(true);
    VelDialogWindow1->SetCaption(Text(95, u"Analizator głosu"_s));

    lblNag1 = Heading(this, u"lblNag1"_s, {16, 48}, Text(93, u"Nagranie oryginalne:"_s));
    Analizator1 = Chart(this, u"Analizator1"_s, {16, 72, 600, 128});
    btnMedia1 = PictureButton(this, u"btnMedia1"_s, {622, 72, 51, 50}, u"IMG_Glosnik"_s, 1);
    lblNag2 = Heading(this, u"lblNag2"_s, {16, 207}, Text(94, u"Nagranie użytkownika:"_s));

    chSrednia = new TVelCheckBox(this);
    chSrednia->setObjectName(u"chSrednia"_s);
    QFont boxFont(u"Tahoma"_s);
    boxFont.setPixelSize(13);
    chSrednia->setFont(boxFont);
    chSrednia->SetFontColor(QColor(52, 52, 52));
    chSrednia->SetSkinPictures(cbSquare);
    chSrednia->SetCaption(Text(97, u"Pokaż średnią"_s));
    chSrednia->SetChecked(false); // the charts start without the average curve
    chSrednia->move(409, 208);

    Analizator2 = Chart(this, u"Analizator2"_s, {16, 231, 600, 128});
    btnMedia2 = PictureButton(this, u"btnMedia2"_s, {622, 231, 51, 50}, u"IMG_Glosnik"_s, 2);
    btnRecord = PictureButton(this, u"btnRecord"_s, {622, 287, 51, 50}, u"IMG_Mikrofon1"_s, 0);

    Wsk = new QFrame(this);
    Wsk->setObjectName(u"Wsk"_s);
    Wsk->setGeometry(16, 72, 2, 128);
    Wsk->setStyleSheet(u"background: rgb(220,40,40); border: none;"_s);

    btnClose = new TVelResButton(this);
    btnClose->setObjectName(u"btnClose"_s);
    btnClose->SetRozmiar(rozUndefined);
    btnClose->setGeometry(655, 2, 34, 18);
    btnClose->SetShowCaption(false);
    btnClose->SetGlyph(SkinImage(u"IMG_Close_N"_s));
    btnClose->SetGlyphHot(SkinImage(u"IMG_Close_H"_s));
    btnClose->SetGlyphDown(SkinImage(u"IMG_Close_D"_s));
    btnClose->setCursor(Qt::PointingHandCursor);

    StartTimer = new QTimer(this);
    StartTimer->setObjectName(u"StartTimer"_s);
    StartTimer->setSingleShot(true);
    StartTimer->setInterval(300);
    PositionTimer = new QTimer(this);
    PositionTimer->setObjectName(u"PositionTimer"_s);
    PositionTimer->setInterval(100);

    connect(btnMedia1, &QAbstractButton::clicked, this, [this] { btnMediaClick(btnMedia1); });
    connect(btnMedia2, &QAbstractButton::clicked, this, [this] { btnMediaClick(btnMedia2); });
    connect(btnRecord, &QAbstractButton::clicked, this, &TfrmAnalizator::btnRecordClick);
    connect(chSrednia, &QAbstractButton::clicked, this, &TfrmAnalizator::chSredniaClick);
    connect(btnClose, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(StartTimer, &QTimer::timeout, this, &TfrmAnalizator::StartTimerTimer);
    connect(PositionTimer, &QTimer::timeout, this, &TfrmAnalizator::PositionTimerTimer);
    ApplySkin(this);
}

TfrmAnalizator::~TfrmAnalizator()
{
    CleanUp();
}

QString TfrmAnalizator::LearnerRecordingPath(int learnerId)
{
    return Utils::ProgramPath(u"\\Users\\%1_Media_temp\\analiz_tmp.wav"_s.arg(learnerId));
}

void TfrmAnalizator::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        StartTimer->start();
    }
}

void TfrmAnalizator::StartTimerTimer()
{
    StartTimer->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Analizator1->LoadRecording(m_modelPath);
    QApplication::restoreOverrideCursor();
}

void TfrmAnalizator::btnMediaClick(TVelResButton *button)
{
    const bool model = button->Tag() == 1;
    const QString path = model ? m_modelPath : m_learnerFile;
    TWaveImage *chart = model ? Analizator1 : Analizator2;
    Wsk->move(Wsk->x(), chart->y());
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    PlayMedia(path, false);
    m_playingChart = chart;
    Wsk->move(chart->x(), chart->y());
    PositionTimer->start();
}

void TfrmAnalizator::PositionTimerTimer()
{
    if (!frmMedia || !m_playingChart) {
        PositionTimer->stop();
        return;
    }
    qint64 position = 0;
    qint64 length = 0;
    if (frmMedia->MediaKind() == Media::TMediaKind::Ogg) {
        position = frmMedia->Ogg()->Position();
        length = frmMedia->Ogg()->Length();
    } else if (frmMedia->Player()) {
        position = frmMedia->Player()->Position();
        length = frmMedia->Player()->Length();
    }
    // Nothing known yet about the file: wait, never divide by it.
    if (length <= 0) {
        if (!frmMedia->IsPlaying())
            PositionTimer->stop();
        return;
    }
    const int travel = m_playingChart->width() - Wsk->width();
    const int left = Utils::RoundHalfEven(double(std::min(position, length)) / double(length) * travel);
    Wsk->move(left + m_playingChart->x(), m_playingChart->y());
    if (position >= length || !frmMedia->IsPlaying())
        PositionTimer->stop();
}

void TfrmAnalizator::btnRecordClick()
{
    if (btnRecord->Tag() == 0) {
        btnRecord->SetTag(1);
        QDir().mkpath(QFileInfo(m_recordingPath).path());
        StartRecording(m_recordingPath);
        btnRecord->SetGlyph(SkinImage(u"IMG_Mikrofon2"_s));
        return;
    }
    btnRecord->SetTag(0);
    StopRecording(true);
    btnRecord->SetGlyph(SkinImage(u"IMG_Mikrofon1"_s));
    // A recording that could not be saved leaves the learner's chart as it was.
    if (Analizator2->LoadWav(m_recordingPath))
        m_learnerFile = m_recordingPath;
}

void TfrmAnalizator::chSredniaClick()
{
    Analizator1->SetKrzywa(chSrednia->Checked());
    Analizator2->SetKrzywa(chSrednia->Checked());
}

void TfrmAnalizator::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmAnalizator::done(int result)
{
    CleanUp();
    QDialog::done(result);
}

void TfrmAnalizator::CleanUp()
{
    if (m_cleanedUp)
        return;
    m_cleanedUp = true;
    StartTimer->stop();
    PositionTimer->stop();
    CloseMedia();
    if (btnRecord->Tag() == 1) {
        btnRecord->SetTag(0);
        StopRecording(false);
    }
    QFile::remove(m_recordingPath);
}

void OpenVoiceAnalyser(const QString &modelPath, int learnerId, QWidget *parent)
{
    if (Hook()) {
        Hook()(modelPath, learnerId);
        return;
    }
    TfrmAnalizator dialog(modelPath, learnerId, parent);
    dialog.exec();
}

void SetVoiceAnalyserHook(VoiceAnalyserHook hook)
{
    Hook() = std::move(hook);
}
