#pragma once
// TfrmDialogi_Prez: the dialogue presentation (exercise kind 11). The whole dialogue as a
// scrollable list of lines, each with a microphone, the learner's temporary and kept
// recordings, the speaker and the text. The learner plays the dialogue, a line, or all lines
// of one speaker with pauses to repeat them; holds the microphone to record a line and plays
// it back; sees a line's translation; prints the dialogue. No score: the host records the
// presentation as seen when the learner leaves. What it does apart from drawing lives in
// PresentationModel and DialogueLayout.

#include "exercises/dialogues/DialogueScreen.h"
#include "exercises/dialogues/PresentationModel.h"

class TVelDymek;

class TfrmDialogi_Prez : public TDialogueScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmDialogi_Prez)
public:
    static constexpr int KindCode = 11;

    explicit TfrmDialogi_Prez(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmDialogi_Prez() override;

    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    // The handlers, also driven by tests.
    void btnDrukujClick();

    // State, for tests and the gallery.
    int RecordingLine() const { return m_recordingLine; }
    QString PrintedTitle() const { return m_printedTitle; }
    const DialogueLayout::TPresentationLayout &Layout() const { return m_layout; }
    // A line's two recording files.
    Presentation::TLearnerRecording LearnerFiles(int line) const;
    // The centre of a line's zone in the area's coordinates (as last laid out).
    QPoint ZonePoint(int line, DialogueLayout::TPresentationZone zone) const;
    TVelDymek *Bubble() const;

protected:
    void PaintArea(QPainter &painter) override;
    void AreaMousePress(QMouseEvent *event) override;
    void AreaMouseMove(QMouseEvent *event) override;
    void AreaMouseRelease(QMouseEvent *event) override;
    void AreaLeave() override;
    void OutsideAreaPressed() override;
    void closeEvent(QCloseEvent *event) override;

private:
    DialogueLayout::TPresentationMetrics Metrics() const;
    DialogueLayout::TPresentationLayout LayOut();
    void StartLineRecording(int line);
    void StopLineRecording();
    void HideBubble();
    void SetAreaHint(const QString &hint, bool hand);

    QLabel *IMG_Mic = nullptr;
    QLabel *IMG_Mic_Stop = nullptr;
    QLabel *IMG_Chlopek = nullptr;
    QLabel *IMG_Chlopek_A = nullptr;
    TVelResButton *btnDrukuj = nullptr;

    int m_recordingLine = -1;
    int m_bubbleLine = -1;
    QString m_printedTitle;
    DialogueLayout::TPresentationLayout m_layout;
};
