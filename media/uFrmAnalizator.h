#pragma once
// TfrmAnalizator: the voice analyser. The learner hears a model recording, records the same
// words and compares the two as waveform charts drawn one above the other. Nothing is
// measured or scored. The learner's recording lives only while the dialog is open.

#include <QDialog>
#include <QString>

#include <functional>

class QFrame;
class QLabel;
class QTimer;
class TVelCheckBox;
class TVelDialogWindow;
class TVelResButton;
class TWaveImage;

class TfrmAnalizator : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAnalizator)

public:
    // learnerId names the learner's temporary recordings folder.
    TfrmAnalizator(const QString &modelPath, int learnerId, QWidget *parent = nullptr);
    ~TfrmAnalizator() override;

    // Users\<id>_Media_temp\analiz_tmp.wav in the program folder.
    static QString LearnerRecordingPath(int learnerId);

    QString ModelPath() const { return m_modelPath; }
    QString RecordingPath() const { return m_recordingPath; }
    // The file btnMedia2 plays: empty until the learner has recorded.
    QString LearnerFile() const { return m_learnerFile; }

    // Reads the model into the first chart (the 300 ms start timer calls it).
    void StartTimerTimer();
    // Moves the playback marker (the 100 ms position timer calls it).
    void PositionTimerTimer();

    TVelDialogWindow *VelDialogWindow1 = nullptr;
    QLabel *lblNag1 = nullptr;
    TWaveImage *Analizator1 = nullptr;
    TVelResButton *btnMedia1 = nullptr;
    QLabel *lblNag2 = nullptr;
    TVelCheckBox *chSrednia = nullptr;
    TWaveImage *Analizator2 = nullptr;
    TVelResButton *btnMedia2 = nullptr;
    TVelResButton *btnRecord = nullptr;
    QFrame *Wsk = nullptr;
    TVelResButton *btnClose = nullptr;
    QTimer *StartTimer = nullptr;
    QTimer *PositionTimer = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void btnMediaClick(TVelResButton *button);
    void btnRecordClick();
    void chSredniaClick();
    void CleanUp();

    QString m_modelPath;
    QString m_recordingPath;
    QString m_learnerFile;
    TWaveImage *m_playingChart = nullptr;
    bool m_started = false;
    bool m_cleanedUp = false;
};

// Opens the analyser modally for a model recording and frees it when it closes. Tests (and
// screens under test) see the call through the hook instead.
void OpenVoiceAnalyser(const QString &modelPath, int learnerId, QWidget *parent = nullptr);
using VoiceAnalyserHook = std::function<void(const QString &modelPath, int learnerId)>;
void SetVoiceAnalyserHook(VoiceAnalyserHook hook);
