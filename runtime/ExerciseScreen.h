#pragma once
// The contract every exercise screen meets, so the host can give it a navigation bar, read its
// score and close it at any time.
//
// A screen derives from TExerciseScreen, creates its own components (the title bar named
// "Belka", optionally "btnMedia", "btnMedia2", "btnSpr", "btnAnalizator" and the result panel
// "Panel_Wynik"), and calls FinishCreation() at the end of its constructor. Its opening routine
// (registered with RegisterExerciseOpener, uFrmWyborCwiczenia.h) loads the file, calls
// frmNawigacja->RegisterExerciseScreen(screen, set) and shows the screen.

#include <QString>
#include <QWidget>

class TVelBelka;
class TVelProgress;

// Places a 1024 x 768 form in the middle of its screen; on a display of that size it sits at
// 0, 0. Positions inside the form are unaffected.
void CentreOnScreen(QWidget *form);

class TExerciseScreen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TExerciseScreen)
public:
    // name is the class name without the leading T ("frmTest"); the help page depends on it.
    explicit TExerciseScreen(const QString &name, QWidget *parent = nullptr);
    ~TExerciseScreen() override;

    TVelBelka *Belka() const;          // the child named "Belka", or null
    TVelProgress *ResultPanel() const; // the child named "Panel_Wynik", or null

    // The panel's tag: 0 while the shown score is not recorded yet, 1 once it is.
    int ResultTag() const;
    void SetResultTag(int tag);
    // The score the host hands to RecordExerciseResult: only a visible panel counts.
    bool HasShownResult() const;
    int ShownResult() const;

    // Shows percent on Panel_Wynik; screens whose result is recorded at once (see
    // RecordsResultAtOnce) have it recorded by the host right away.
    void ShowResult(int percent);
    // A new run: the panel is hidden and its tag is 0.
    void StartNewRun();

    // Kinds 8, 21, 22, 24 answer false: the host records their shown score when the learner leaves.
    virtual bool RecordsResultAtOnce() const;

    // Help page of this screen by its name, empty when it has none.
    QString HelpPage() const;
    // Whether F1 opens that page in learner mode; screens whose help opens without it say so.
    virtual bool HelpInLearnerMode() const { return true; }

protected:
    // Product caption, skin, title bar: the last step of a screen's constructor.
    void FinishCreation();

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
