#pragma once
// TfrmMedia: the one media window of the program. Plays sound files and films through the
// media player service and Ogg Vorbis files through TOggPlayer, one queued file after
// another, with play/pause/stop, a progress bar with a draggable knob, up to five speaker
// marks and, for films, a video area. It also records the learner's voice to WAV files.
// Exercise screens drive it through the free functions at the end of this file.

#include "media/MediaRules.h"
#include "media/MediaServices.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QTimer;
class QAbstractButton;
class TOggPlayer;
class TVelResButton;

class TfrmMedia : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMedia)

public:
    explicit TfrmMedia(QWidget *parent = nullptr);
    ~TfrmMedia() override;

    // The operations of the exercise screens (see the free functions below).
    void PlayMedia(const QString &path, bool show);
    void ClearMediaQueue();
    void EnqueueMedia(const QString &path);
    void PlayMediaQueue(bool show);
    // callback runs when the last file of the queue has ended; it is dropped when context
    // is destroyed first. An empty callback clears it.
    void OnMediaFinished(QObject *context, std::function<void()> callback);
    void SetSpeakerMarks(const QString &marks);
    void StopMedia();
    void CloseMedia();
    void StartRecording(const QString &path);
    void StopRecording(bool save);

    // Starts one file now; false (with the "Brak pliku dźwiękowego: " message) when missing.
    bool PlayFile(const QString &path);

    // How the window learns whether the machine can sound and record; asked at each file and
    // each recording. Until set, both are taken to be there. Without a sound device the
    // learner is told once per run, recordings end at once (queues and screens go on) and
    // films play without sound; without a microphone, once per run, nothing is recorded.
    void SetDeviceChecks(std::function<bool()> hasOutput, std::function<bool()> hasMicrophone);
    // Interface texts of the two notices.
    static constexpr int NoSoundDeviceText = 131;
    static constexpr int NoMicrophoneText = 132;

    // State, for the screens and the tests.
    Media::TMediaKind MediaKind() const { return m_kind; }
    bool IsPlaying() const { return m_playing; }
    bool IsRecording() const { return m_recording; }
    QString RecordingPath() const { return m_recordingPath; }
    const QStringList &Queue() const { return m_queue; }
    int MarksCount() const { return m_marksCount; }
    int MarkSeconds(int m) const; // 1-based
    QString CurrentFile() const { return m_currentFile; }
    TOggPlayer *Ogg() const { return m_ogg; }
    Media::IMediaPlayer *Player() const { return m_player.get(); }
    // Runs the 100 ms position timer once (the timer calls it).
    void TimerTick();

    // Where the window opens: the bottom-left corner of the 1024 x 768 stage in the middle of
    // screenArea, clear of the title bar with the learner's name.
    static QPoint HomePosition(const QRect &screenArea, const QSize &windowSize);

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btnPlayClick();
    void btnPauseClick();
    void btnStopClick();
    void btnCloseClick();
    void SpeakerMarkClick(int m);
    void ApplyLayout();
    void FileEnded();
    void PlayPositionMs(qint64 ms);
    void SetKnobLeft(int left);
    void DrawProgress();
    void TellOnce(bool &told, int text, const QString &fallback);

    // Components, named as the design names them.
    QLabel *IMG_Tlo = nullptr;
    QLabel *IMG_Tlo2 = nullptr;
    QWidget *DisplayArea_MPG = nullptr;
    QAbstractButton *btnPlay = nullptr;
    QAbstractButton *btnPause = nullptr;
    QAbstractButton *btnStop = nullptr;
    QAbstractButton *btnClose = nullptr;
    QLabel *Suwak = nullptr;
    QLabel *Pasek = nullptr;
    QLabel *Pasek_Tlo = nullptr;
    std::array<QLabel *, Media::MaxSpeakerMarks> osoba{};
    QTimer *Timer = nullptr;

    TOggPlayer *m_ogg = nullptr;
    std::unique_ptr<Media::IMediaPlayer> m_player;
    std::unique_ptr<Media::IRecorder> m_recorder;

    QStringList m_queue;
    Media::TMediaKind m_kind = Media::TMediaKind::Sound;
    bool m_show = false;
    bool m_playing = false;
    int m_marksCount = 0;
    std::array<int, Media::MaxSpeakerMarks> m_markSeconds{};
    bool m_recording = false;
    QString m_recordingPath;
    QString m_currentFile;
    std::function<bool()> m_hasOutput;
    std::function<bool()> m_hasMicrophone;
    bool m_toldNoOutput = false;
    bool m_toldNoMicrophone = false;
    QPointer<QObject> m_finishedContext;
    bool m_hasFinishedContext = false;
    std::function<void()> m_onMediaFinished;

    // Dragging of the window and of the knob.
    bool m_movingWindow = false;
    bool m_movedByLearner = false; // the learner's place is kept from then on
    QPoint m_moveStart;
    bool m_draggingKnob = false;
    int m_knobGrab = 0;
    QImage m_background; // the background picture of the current layout
};

// The program-wide media window; null until start-up creates it.
extern TfrmMedia *frmMedia;

// The media operations of the exercise screens. Each does nothing while frmMedia is null.
void PlayMedia(const QString &path, bool show);
void ClearMediaQueue();
void EnqueueMedia(const QString &path);
void PlayMediaQueue(bool show);
void OnMediaFinished(QObject *context, std::function<void()> callback);
void SetSpeakerMarks(const QString &marks);
void StopMedia();
void CloseMedia();
void StartRecording(const QString &path);
void StopRecording(bool save);

// Prepares a screen's play button for a media file name of Media\Teksty: hidden for an
// empty name or a missing file, else the listen or the film look.
void SetupMediaButton(TVelResButton *button, const QString &name);
