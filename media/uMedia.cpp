#include "media/uMedia.h"
#include "skin/uSkin.h"

#include "media/MediaPictures.h"
#include "media/OggPlayer.h"
#include "skin/VelResButton.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace Media;
using namespace Qt::StringLiterals;
using MediaPictures::TButtonState;

TfrmMedia *frmMedia = nullptr;

namespace {

// Play, pause, stop and close: pictures for normal, pointed-at and pressed.
class TMediaButton final : public QAbstractButton
{
public:
    TMediaButton(QWidget *parent, const QString &name, QImage (*picture)(TButtonState))
        : QAbstractButton(parent), m_normal(picture(TButtonState::Normal)), m_hot(picture(TButtonState::Hot)),
          m_down(picture(TButtonState::Down))
    {
        setObjectName(name);
        setFixedSize(m_normal.size());
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, isDown() ? m_down : underMouse() ? m_hot : m_normal);
    }

private:
    QImage m_normal, m_hot, m_down;
};

QLabel *Picture(QWidget *parent, const QString &name, const QImage &image)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    return label;
}

// A path given in the stored form (media root + "\Media\..."), found on disk.
QString DiskPath(const QString &path)
{
    QString slashed = path;
    slashed.replace(u'\\', u'/');
    if (QFileInfo::exists(slashed))
        return slashed;
    for (const QString &root : {Utils::MediaRoot(), Utils::ProgramFolder()}) {
        QString rootSlashed = root;
        rootSlashed.replace(u'\\', u'/');
        if (!rootSlashed.isEmpty() && slashed.startsWith(rootSlashed))
            return Utils::ResolvePath(root, slashed.mid(rootSlashed.size()));
    }
    return slashed;
}

constexpr int BarLeft = 118;

} // namespace

TfrmMedia::TfrmMedia(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("frmMedia"));
    setWindowTitle(Utils::ProductCaption());

    // The backgrounds are drawn when the window first shows them.
    IMG_Tlo =
        new Utils::TDeferredPictureLabel(this, {360, 363}, [] { return MediaPictures::Background(true); });
    IMG_Tlo->setObjectName(QStringLiteral("IMG_Tlo"));
    IMG_Tlo2 =
        new Utils::TDeferredPictureLabel(this, {360, 74}, [] { return MediaPictures::Background(false); });
    IMG_Tlo2->setObjectName(QStringLiteral("IMG_Tlo2"));

    DisplayArea_MPG = new QWidget(this);
    DisplayArea_MPG->setObjectName(QStringLiteral("DisplayArea_MPG"));
    DisplayArea_MPG->setGeometry(11, 22, 336, 287);
    DisplayArea_MPG->setAutoFillBackground(true);
    QPalette black = DisplayArea_MPG->palette();
    black.setColor(QPalette::Window, Qt::black);
    DisplayArea_MPG->setPalette(black);

    btnPlay = new TMediaButton(this, QStringLiteral("btnPlay"), &MediaPictures::PlayButton);
    btnPause = new TMediaButton(this, QStringLiteral("btnPause"), &MediaPictures::PauseButton);
    btnStop = new TMediaButton(this, QStringLiteral("btnStop"), &MediaPictures::StopButton);
    btnClose = new TMediaButton(this, QStringLiteral("btnClose"), &MediaPictures::CloseButton);
    btnClose->move(313, 1);
    connect(btnPlay, &QAbstractButton::clicked, this, &TfrmMedia::btnPlayClick);
    connect(btnPause, &QAbstractButton::clicked, this, &TfrmMedia::btnPauseClick);
    connect(btnStop, &QAbstractButton::clicked, this, &TfrmMedia::btnStopClick);
    connect(btnClose, &QAbstractButton::clicked, this, &TfrmMedia::btnCloseClick);

    Pasek_Tlo = Picture(this, QStringLiteral("Pasek_Tlo"), MediaPictures::BarTrough());
    Pasek = new QLabel(this);
    Pasek->setObjectName(QStringLiteral("Pasek"));
    Pasek->resize(0, 6);
    Suwak = Picture(this, QStringLiteral("Suwak"), MediaPictures::Knob());
    Suwak->setCursor(Qt::PointingHandCursor);
    for (QWidget *watched :
         {static_cast<QWidget *>(Suwak), static_cast<QWidget *>(Pasek), static_cast<QWidget *>(Pasek_Tlo)})
        watched->installEventFilter(this);

    for (int m = 1; m <= MaxSpeakerMarks; ++m) {
        QLabel *mark =
            new Utils::TDeferredPictureLabel(this, {30, 14}, [m] { return MediaPictures::SpeakerMark(m); });
        mark->setObjectName(QStringLiteral("osoba_%1").arg(m));
        mark->setCursor(Qt::PointingHandCursor);
        mark->installEventFilter(this);
        mark->hide();
        osoba[size_t(m - 1)] = mark;
    }

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);
    connect(Timer, &QTimer::timeout, this, &TfrmMedia::TimerTick);

    m_ogg = new TOggPlayer(this);
    m_ogg->setObjectName(QStringLiteral("Ogg"));
    m_ogg->OnPlayingDone = [this] { FileEnded(); };
    m_player = CreateMediaPlayer(this);
    m_player->OnEnded = [this] { FileEnded(); };
    m_recorder = CreateRecorder();

    ApplyLayout();
}

TfrmMedia::~TfrmMedia()
{
    m_onMediaFinished = nullptr;
    m_ogg->OnPlayingDone = nullptr;
    m_player->OnEnded = nullptr;
    if (m_recording)
        StopRecording(true);
    if (frmMedia == this)
        frmMedia = nullptr;
}

int TfrmMedia::MarkSeconds(int m) const
{
    return m >= 1 && m <= MaxSpeakerMarks ? m_markSeconds[size_t(m - 1)] : 0;
}

void TfrmMedia::PlayMedia(const QString &path, bool show)
{
    StopMedia();
    m_queue.clear();
    m_queue.append(path);
    PlayMediaQueue(show || path.endsWith(u".wmv", Qt::CaseInsensitive));
}

void TfrmMedia::ClearMediaQueue()
{
    m_queue.clear();
}

void TfrmMedia::EnqueueMedia(const QString &path)
{
    m_queue.append(path);
}

void TfrmMedia::PlayMediaQueue(bool show)
{
    m_show = show;
    if (!m_queue.isEmpty())
        PlayFile(m_queue.takeFirst());
}

void TfrmMedia::OnMediaFinished(QObject *context, std::function<void()> callback)
{
    m_finishedContext = context;
    m_hasFinishedContext = context != nullptr;
    m_onMediaFinished = std::move(callback);
}

void TfrmMedia::SetSpeakerMarks(const QString &marks)
{
    const QList<int> seconds = ParseSpeakerMarks(marks);
    m_marksCount = int(seconds.size());
    m_markSeconds.fill(0);
    for (int m = 0; m < m_marksCount; ++m)
        m_markSeconds[size_t(m)] = seconds[m];
    ApplyLayout();
}

void TfrmMedia::StopMedia()
{
    if (!m_playing)
        return;
    m_playing = false;
    Timer->stop();
    if (m_kind == TMediaKind::Ogg)
        m_ogg->Stop();
    else
        m_player->Stop();
    SetKnobLeft(BarLeft);
    Pasek->resize(0, Pasek->height());
}

void TfrmMedia::CloseMedia()
{
    m_onMediaFinished = nullptr;
    m_finishedContext = nullptr;
    m_hasFinishedContext = false;
    StopMedia();
    if (m_player->IsOpen())
        m_player->Close();
    m_marksCount = 0;
    ApplyLayout();
    hide();
}

void TfrmMedia::SetDeviceChecks(std::function<bool()> hasOutput, std::function<bool()> hasMicrophone)
{
    m_hasOutput = std::move(hasOutput);
    m_hasMicrophone = std::move(hasMicrophone);
}

void TfrmMedia::TellOnce(bool &told, int text, const QString &fallback)
{
    if (told)
        return;
    told = true;
    const QString message = Utils::GetInterfaceText(text);
    const QString caption = Utils::GetInterfaceText(59);
    ShowSkinnedMessage(message.isEmpty() ? fallback : message, caption.isEmpty() ? u"Informacja"_s : caption,
                       smInformation);
}

void TfrmMedia::StartRecording(const QString &path)
{
    if (m_recording)
        StopRecording(true);
    m_recordingPath = path;
    const auto noMicrophone = [this] {
        TellOnce(m_toldNoMicrophone, NoMicrophoneText,
                 u"Nie znaleziono mikrofonu, więc nagrywanie własnego głosu nie jest możliwe. "
                 u"Pozostałe części programu działają bez zmian."_s);
    };
    if (m_hasMicrophone && !m_hasMicrophone()) {
        noMicrophone();
        return;
    }
    // A microphone that cannot start leaves nothing behind; the screen goes on as usual.
    m_recording = m_recorder->Start(DiskPath(path), RecordingFormat());
    if (!m_recording)
        noMicrophone();
}

void TfrmMedia::StopRecording(bool save)
{
    if (!m_recording)
        return;
    m_recording = false;
    m_recorder->Stop(save);
}

bool TfrmMedia::PlayFile(const QString &path)
{
    if (m_playing)
        StopMedia();
    const QString file = DiskPath(path);
    if (!QFileInfo::exists(file)) {
        QString name = path;
        name.replace(u'\\', u'/');
        Utils::ShowSystemError(u"Brak pliku dźwiękowego: " + QFileInfo(name).fileName());
        return false;
    }
    m_kind = MediaKindOf(file);
    m_currentFile = file;
    if (m_hasOutput && !m_hasOutput()) {
        TellOnce(m_toldNoOutput, NoSoundDeviceText,
                 u"Nie znaleziono urządzenia dźwiękowego, więc nagrania nie będą odtwarzane. "
                 u"Ćwiczenia działają dalej bez dźwięku."_s);
        if (m_kind != TMediaKind::Video) {
            // Nothing to hear: the file ends at once, so a queue and its screen go on.
            m_playing = true;
            QTimer::singleShot(0, this, [this, file] {
                if (m_playing && m_currentFile == file)
                    FileEnded();
            });
            return true;
        }
    }
    ApplyLayout();
    if (m_kind == TMediaKind::Ogg) {
        m_ogg->FileName = file;
    } else {
        m_player->Open(file, m_kind == TMediaKind::Video ? DisplayArea_MPG : nullptr);
    }
    btnPlayClick();
    // The window stays on top of the screens by itself.
    if (m_show)
        show();
    return true;
}

void TfrmMedia::btnPlayClick()
{
    if (m_currentFile.isEmpty())
        return;
    if (m_kind == TMediaKind::Ogg) {
        bool started = false;
        try {
            started = m_ogg->Play();
        } catch (const EWaveOut &e) {
            Utils::ShowSystemError(e.Message());
        }
        if (!started) {
            // A file that cannot be decoded (or a refused device) ends at once, so a queue
            // moves on instead of waiting for an end that never comes.
            m_playing = true;
            QTimer::singleShot(0, this, [this] {
                if (m_playing && m_kind == TMediaKind::Ogg && !m_ogg->IsPlaying())
                    FileEnded();
            });
            return;
        }
    } else if (m_player->IsPaused()) {
        m_player->Play();
    } else {
        if (!m_player->IsOpen())
            m_player->Open(m_currentFile, m_kind == TMediaKind::Video ? DisplayArea_MPG : nullptr);
        m_player->Play();
    }
    m_playing = true;
    Timer->start();
}

void TfrmMedia::btnPauseClick()
{
    if (!m_playing || m_kind == TMediaKind::Ogg)
        return;
    if (m_player->IsPaused())
        m_player->Play();
    else
        m_player->Pause();
}

void TfrmMedia::btnStopClick()
{
    StopMedia();
}

void TfrmMedia::btnCloseClick()
{
    CloseMedia();
}

void TfrmMedia::TimerTick()
{
    qint64 position = 0;
    qint64 length = 0;
    if (m_kind == TMediaKind::Ogg) {
        try {
            position = m_ogg->Position();
        } catch (const EWaveOut &) {
            position = 0;
        }
        length = m_ogg->Length();
    } else {
        position = m_player->Position();
        length = m_player->Length();
    }
    if (length > 0 && !m_draggingKnob) {
        SetKnobLeft(KnobLeftFor(position, length, BarLeft));
        Pasek->resize(Suwak->x() - BarLeft + 3, Pasek->height());
        DrawProgress();
    }
}

void TfrmMedia::FileEnded()
{
    if (!m_playing)
        return;
    StopMedia();
    if (!m_queue.isEmpty()) {
        PlayFile(m_queue.takeFirst());
        return;
    }
    if (m_hasFinishedContext && m_finishedContext.isNull()) {
        // The screen that asked to be told has gone.
        m_onMediaFinished = nullptr;
        m_hasFinishedContext = false;
        return;
    }
    if (m_onMediaFinished) {
        const auto finished = m_onMediaFinished;
        finished();
    }
}

void TfrmMedia::PlayPositionMs(qint64 ms)
{
    if (m_kind == TMediaKind::Ogg || m_currentFile.isEmpty())
        return;
    if (!m_player->IsOpen())
        m_player->Open(m_currentFile, m_kind == TMediaKind::Video ? DisplayArea_MPG : nullptr);
    m_player->Play();
    m_player->Seek(ms);
    m_playing = true;
    Timer->start();
}

void TfrmMedia::SpeakerMarkClick(int m)
{
    if (m_kind == TMediaKind::Ogg || m < 1 || m > m_marksCount)
        return;
    PlayPositionMs(qint64(m_markSeconds[size_t(m - 1)]) * 1000);
}

void TfrmMedia::ApplyLayout()
{
    const bool video = m_kind == TMediaKind::Video;
    setFixedSize(360, video ? 363 : 74);
    if (isVisible() && !m_movedByLearner && screen())
        move(HomePosition(screen()->geometry(), size()));
    IMG_Tlo->setVisible(video);
    IMG_Tlo2->setVisible(!video);
    DisplayArea_MPG->setVisible(video);
    const int top = video ? 315 : 26;
    btnPlay->move(10, top);
    btnPause->move(52, top + 7);
    btnStop->move(82, top + 7);
    Pasek_Tlo->move(BarLeft, top + 18);
    Pasek->move(BarLeft, top + 18);
    Suwak->move(m_playing ? Suwak->x() : BarLeft, top);
    m_background = (video ? IMG_Tlo : IMG_Tlo2)->pixmap().toImage();
    for (int m = 1; m <= MaxSpeakerMarks; ++m) {
        QLabel *mark = osoba[size_t(m - 1)];
        mark->move(SpeakerMarkLeft(m, m_marksCount), Pasek_Tlo->y() + 12);
        mark->setVisible(m <= m_marksCount);
        mark->setToolTip(QStringLiteral("%1:%2")
                             .arg(m_markSeconds[size_t(m - 1)] / 60)
                             .arg(m_markSeconds[size_t(m - 1)] % 60, 2, 10, QLatin1Char('0')));
    }
    btnClose->raise();
    Pasek->raise();
    Suwak->raise();
    DrawProgress();
}

void TfrmMedia::SetKnobLeft(int left)
{
    Suwak->move(left, Suwak->y());
}

void TfrmMedia::DrawProgress()
{
    const int width = Pasek->width();
    if (width <= 0) {
        Pasek->clear();
        return;
    }
    QImage bitmap(width, 6, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bitmap);
    // The window's own background at the bar's place, then the fill's two ends and middle.
    p.drawImage(QPoint(0, 0), m_background, QRect(Pasek->pos(), QSize(BarWidth, 6)));
    p.drawImage(QPoint(0, 0), MediaPictures::BarTrough());
    p.drawImage(QPoint(0, 0), MediaPictures::BarPiece(1));
    if (width > 4)
        p.drawImage(QRect(2, 0, width - 4, 6), MediaPictures::BarPiece(2));
    p.drawImage(QPoint(qMax(0, width - 2), 0), MediaPictures::BarPiece(3));
    p.end();
    Pasek->setPixmap(QPixmap::fromImage(bitmap));
}

QPoint TfrmMedia::HomePosition(const QRect &screenArea, const QSize &windowSize)
{
    const QRect stage(screenArea.left() + qMax(0, (screenArea.width() - 1024) / 2),
                      screenArea.top() + qMax(0, (screenArea.height() - 768) / 2), 1024, 768);
    return {stage.left() + 8, stage.top() + stage.height() - windowSize.height() - 8};
}

void TfrmMedia::showEvent(QShowEvent *event)
{
    if (!m_movedByLearner) {
        if (const QScreen *shown = screen())
            move(HomePosition(shown->geometry(), size()));
    }
    QWidget::showEvent(event);
}

void TfrmMedia::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_movingWindow = true;
        m_moveStart = event->globalPosition().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void TfrmMedia::mouseMoveEvent(QMouseEvent *event)
{
    if (m_movingWindow) {
        const QPoint now = event->globalPosition().toPoint();
        m_movedByLearner = true;
        move(pos() + now - m_moveStart);
        m_moveStart = now;
    }
    QWidget::mouseMoveEvent(event);
}

void TfrmMedia::mouseReleaseEvent(QMouseEvent *event)
{
    m_movingWindow = false;
    QWidget::mouseReleaseEvent(event);
}

bool TfrmMedia::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);

    for (int m = 1; m <= MaxSpeakerMarks; ++m) {
        if (watched == osoba[size_t(m - 1)]) {
            if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
                SpeakerMarkClick(m);
            return true;
        }
    }

    if (watched == Suwak) {
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && m_playing) {
            Timer->stop();
            m_draggingKnob = true;
            m_knobGrab = mouse->position().toPoint().x();
        } else if (type == QEvent::MouseMove && m_draggingKnob) {
            const int x = Suwak->x() + mouse->position().toPoint().x() - m_knobGrab;
            SetKnobLeft(qBound(BarLeft - 3, x, BarLeft + BarWidth - KnobWidth));
            Pasek->resize(qMax(0, Suwak->x() - BarLeft + 3), Pasek->height());
            DrawProgress();
        } else if (type == QEvent::MouseButtonRelease && m_draggingKnob) {
            m_draggingKnob = false;
            if (m_kind != TMediaKind::Ogg)
                PlayPositionMs(SeekTargetFor(m_player->Length(), Suwak->x() - BarLeft));
            Timer->start();
        }
        return true;
    }

    if (watched == Pasek || watched == Pasek_Tlo) {
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton &&
            Pasek->width() > KnobWidth && m_kind != TMediaKind::Ogg) {
            const int x = static_cast<QWidget *>(watched)->x() - BarLeft + mouse->position().toPoint().x();
            SetKnobLeft(qBound(BarLeft - 3, BarLeft + x, BarLeft + BarWidth - KnobWidth));
            PlayPositionMs(SeekTargetFor(m_player->Length(), x));
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The free functions of the exercise screens.

void PlayMedia(const QString &path, bool show)
{
    if (frmMedia)
        frmMedia->PlayMedia(path, show);
}

void ClearMediaQueue()
{
    if (frmMedia)
        frmMedia->ClearMediaQueue();
}

void EnqueueMedia(const QString &path)
{
    if (frmMedia)
        frmMedia->EnqueueMedia(path);
}

void PlayMediaQueue(bool show)
{
    if (frmMedia)
        frmMedia->PlayMediaQueue(show);
}

void OnMediaFinished(QObject *context, std::function<void()> callback)
{
    if (frmMedia)
        frmMedia->OnMediaFinished(context, std::move(callback));
}

void SetSpeakerMarks(const QString &marks)
{
    if (frmMedia)
        frmMedia->SetSpeakerMarks(marks);
}

void StopMedia()
{
    if (frmMedia)
        frmMedia->StopMedia();
}

void CloseMedia()
{
    if (frmMedia)
        frmMedia->CloseMedia();
}

void StartRecording(const QString &path)
{
    if (frmMedia)
        frmMedia->StartRecording(path);
}

void StopRecording(bool save)
{
    if (frmMedia)
        frmMedia->StopRecording(save);
}

void SetupMediaButton(TVelResButton *button, const QString &name)
{
    if (!button)
        return;
    const QString checked = Utils::MediaPath(MediaButtonCheckPath(name));
    const TMediaButtonSetup setup = DecideMediaButton(name, !name.isEmpty() && QFileInfo::exists(checked));
    button->setVisible(setup.Visible);
    if (!setup.ChangeLook)
        return;
    if (setup.Tag >= 0)
        button->SetTag(setup.Tag);
    SetButtonGlyph(button, setup.Glyph, 1);
    button->SetCaption(Utils::GetInterfaceText(setup.CaptionText));
}
