#pragma once
// TfrmDialogi_Rozum: dialogue comprehension (exercise kind 14). Some lines of a recorded
// dialogue hide behind empty frames. The screen plays the recording of one of them and the
// learner clicks the frame of the line heard: a right click uncovers the line and plays the
// next one, a wrong click buzzes and the question stays. When every frame is uncovered the
// score is shown and stored at once; "again" starts a new run, with new random lines where
// the file's mode draws them. The run's rules live in ComprehensionModel.

#include "exercises/dialogues/ComprehensionModel.h"
#include "exercises/dialogues/DialogueScreen.h"

class QLabel;
class TVelResButton;

class TfrmDialogi_Rozum : public TDialogueScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmDialogi_Rozum)
public:
    static constexpr int KindCode = 14;

    explicit TfrmDialogi_Rozum(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmDialogi_Rozum() override;

    // Starts a run of the file: hides its lines, shuffles the questions and plays the first.
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    // The run, and where a hidden line's frame was last laid out (area coordinates; empty for
    // a shown line), for tests and the gallery.
    const Comprehension::TComprehensionRun &Run() const { return m_run; }
    QRect FrameRect(int line) const;

    // A new run of the same file (the again button).
    void btnJeszczeRazClick();

protected:
    // Plays the question open now again.
    void btnMediaClick() override;
    void PaintArea(QPainter &painter) override;
    void AreaMousePress(QMouseEvent *event) override;
    void AreaMouseMove(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool StartRun(const QString &path);
    void PlayCurrentQuestion();
    Comprehension::TComprehensionLayout LayOut() const;

    TVelResButton *btnMedia = nullptr;
    TVelResButton *btnJeszczeRaz = nullptr;
    QLabel *IMG_Ramka = nullptr;

    QString m_path;
    Comprehension::TComprehensionRun m_run;
    Comprehension::TComprehensionLayout m_layout;
};
