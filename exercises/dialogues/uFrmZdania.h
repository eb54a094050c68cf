#pragma once
// TfrmZdania: what the three sentence screens (arranging 21, dictation 22, translation 24)
// share on top of the exercise frame: the sentence run with its statistics notebook and
// score, the listen buttons playing the current sentence, the hidden voice-analyser button,
// F4 for another background and Ctrl+W to hear the sentence again. Each screen adds its
// paint area's view, its check action and its keys.

#include "exercises/dialogues/SentenceRun.h"
#include "exercises/frame/ExerciseScreen.h"

#include <QWidget>

class QAbstractButton;
class QLabel;
class QPainter;
class TAALabel;
class TVelResButton;
class TVelZeszytStatystyki;

class TfrmZdania : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmZdania)
public:
    ~TfrmZdania() override;

    // Reads the sentences and instructions of the screen's variant. A fault is reported with
    // the program's message; the sentences read before it stay. True when the whole file was read.
    bool LoadFile(const QString &path) override;
    // Starts the run with its first sentence; a file without sentences starts none.
    void LayOutOnce() override;

    // The button's click action when it is enabled, whether it is shown or not.
    static void ActAsClick(QAbstractButton *button);

    // State, for tests and the gallery.
    const Sentences::TSentenceRun &Run() const { return m_run; }
    const TZdanie *CurrentSentence() const { return m_run.CurrentSentence(); }
    QString FilePath() const { return m_filePath; }
    // The check button's state: 0 before the answer, 1 after it.
    int CheckTag() const;
    // The current sentence's recording as the listen buttons play it (a disk path).
    QString CurrentRecordingPath() const;
    // Runs the check button's action, as Enter and the button do.
    void btnSprClick() override;

protected:
    TfrmZdania(int kind, IExerciseHost &host, QWidget *parent);

    // The paint area; it hands paints and the mouse to the screen.
    class TObszar : public QWidget
    {
    public:
        explicit TObszar(TfrmZdania *form);

    protected:
        void paintEvent(QPaintEvent *event) override;
        void mousePressEvent(QMouseEvent *event) override;
        void mouseMoveEvent(QMouseEvent *event) override;
        void mouseReleaseEvent(QMouseEvent *event) override;

    private:
        TfrmZdania *m_form;
    };

    // The components every sentence screen has, the paint area and check button placed as
    // the screen's design places them.
    void CreateSentenceFrame(const QRect &obszar, int obszarFontPixels, const QRect &check);
    // The translation card of arranging and dictation: "btnTlumaczenie" shows "IMG_Kartka"
    // with "lblTlumaczenie" on it.
    void CreateTranslationCard();
    // A new sentence: the card and its button hidden, the card holding this translation.
    void PrepareTranslationCard(const QString &translation);
    void btnTlumaczenieClick();
    // The state before a file is read.
    virtual void Reset();
    // Shows the current sentence for a new answer (after each pick).
    virtual void PrepareSentence() = 0;
    // The check button's action in the screen's own terms.
    virtual void CheckAction() = 0;
    // Hides what the screen shows besides the check button when the run is over.
    virtual void HideAnswerButtons() {}
    virtual void ObszarPaint(QPainter &painter) = 0;
    virtual void ObszarMouseDown(QMouseEvent *) {}
    virtual void ObszarMouseMove(QMouseEvent *) {}
    virtual void ObszarMouseUp(QMouseEvent *) {}

    // Finishes the current sentence and offers the next.
    void PickNext();
    // Counts an answer: the notebook, and at the end of the run the score and its sound.
    void CountAnswer(bool right);
    // Plays the current sentence (the listen buttons, Ctrl+W).
    void btnMediaClick() override;
    void PlayCurrentSentence();
    void btnAnalizatorClick();
    // Keys every sentence screen shares (F4, Ctrl+W) and the frame's; true when handled.
    bool HandleSharedKey(QKeyEvent *event);

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    TObszar *Obszar = nullptr;
    TVelZeszytStatystyki *Statystyki = nullptr;
    TVelResButton *btnMedia = nullptr;
    TVelResButton *btnMedia2 = nullptr;
    TVelResButton *btnAnalizator = nullptr;
    TVelResButton *btnSpr = nullptr;
    TVelResButton *btnTlumaczenie = nullptr;
    QLabel *IMG_Kartka = nullptr;
    TAALabel *lblTlumaczenie = nullptr;

    Sentences::TSentenceRun m_run;
    QString m_filePath;
    // Set while the check action runs, so no key starts it a second time.
    bool m_busy = false;
};
