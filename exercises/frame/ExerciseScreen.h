#pragma once
// The frame every exercise screen is built on. It owns what all kinds share: the contract with
// the host (object name, result panel, Escape as back, F1 as help, closing), and the pieces a
// screen composes from: background, title bar, instruction with its bubble, listen buttons,
// the check / again / solution buttons, result panel, scroll bar and first-use notice. A kind's
// screen brings its model and its paint area and says only what is particular to it; what
// differs by kind is its row of Course::KindInfo.
//
// A screen's constructor creates its components (with the Create* calls below and its own), then
// calls FinishCreation(). Its opening routine is OpenExerciseScreen<T> (OpenExercise.h).

#include "course/ExerciseKind.h"
#include "utils/Random.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;
class IExerciseHost;
class TAALabel;
class TALScrollBar;
class TVelBelka;
class TVelDymek;
class TVelProgress;
class TVelResButton;

// Frees every component of screen whose name contains "btn_nawigacja_", last to first. A
// button whose click is being handled is hidden at once and freed when the event loop is back.
void RemoveNavigationButtons(QWidget *screen);

class TExerciseScreen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TExerciseScreen)
public:
    // kind must have a row in Course::KindInfo; the form is named after it ("frmTest").
    TExerciseScreen(int kind, IExerciseHost &host, QWidget *parent = nullptr);
    ~TExerciseScreen() override;

    const Course::TKindInfo &Kind() const { return *m_kind; }
    IExerciseHost &Host() const { return m_host; }

    // Reads the exercise file. A fault is reported with the program's message and leaves the
    // screen empty but usable; returns whether the file was read.
    virtual bool LoadFile(const QString &path) = 0;
    // Lays the screen out once after loading (scroll range, first turn ...).
    virtual void LayOutOnce() {}

    // The package's speaker marks, handed to the media window with each recording.
    void SetMediaMarks(const QString &marks) { m_mediaMarks = marks; }
    QString MediaMarks() const { return m_mediaMarks; }

    TVelBelka *Belka() const;          // the child named "Belka", or null
    TVelProgress *ResultPanel() const; // the child named "Panel_Wynik", or null

    // The panel's tag: 0 while the shown score is not recorded yet, 1 once it is.
    int ResultTag() const;
    void SetResultTag(int tag);
    // The score the host hands to RecordExerciseResult: only a visible panel counts.
    bool HasShownResult() const;
    int ShownResult() const;

    // Shows percent on Panel_Wynik; a kind recorded at once has it recorded right away.
    void ShowResult(int percent);
    // A new run: the panel is hidden and its tag is 0.
    void StartNewRun();
    bool RecordsResultAtOnce() const { return m_kind->RecordsAtOnce; }

    QString HelpPage() const;
    bool HelpInLearnerMode() const { return m_kind->HelpInLearnerMode; }

    // The check button's two faces: before a check it checks, after it starts again.
    enum class CheckState { Checking, Checked };
    CheckState CheckButtonState() const { return m_checkState; }

    // The background as shown under the title bar (1024 x 718), for pieces drawn over it.
    const QImage &Background() const { return m_background; }

protected:
    // --- Pieces a screen composes; each names its component as the screens' designs do. ---

    // "IMG_Tlo": a random picture of Gfx\<folder> (the kind's background folder when empty),
    // stretched over rect; a painted sky when the folder has none.
    QLabel *CreateBackground(const QString &folder = QString(), const QRect &rect = QRect(0, 50, 1024, 718));
    // Draws another background from the same folder (F4 on some screens).
    void NewBackground();
    // "Belka", the title bar.
    TVelBelka *CreateTitleBar();
    // "Polecenie" with its right-click bubble "IMG_Dymek" (the hint in the translation
    // language; nothing when translations are off, language 255).
    TAALabel *CreateInstruction(const QRect &rect);
    TAALabel *Instruction() const { return m_instruction; }
    void SetInstruction(const QString &text, const QString &translation);
    // Before a file is read: the instruction hidden, empty and back at its designed place.
    void ClearInstruction();
    // After a file is read: the listen buttons for its recording, the instruction moved right
    // of "btnMedia2" while that shows, its texts, and the instruction shown when the file was
    // read (a faulty file leaves it hidden).
    void ShowFileInstruction(const QString &mediaFile, const QString &text, const QString &translation,
                             bool fileRead);
    // The top of the word screens' designs: background, title bar, instruction at (100, 130),
    // the small listen button "btnMedia2" (listen2Width wide, no caption) under its start and
    // the large "btnMedia" on the right. Returns btnMedia2.
    TVelResButton *CreateWordScreenTop(int listen2Width = 63);
    // "btnMedia" / "btnMedia2": a listen button that plays PlayExerciseMedia(file).
    TVelResButton *CreateListenButton(const QString &name, const QRect &rect, bool showCaption = true);
    // Shows or hides the listen buttons for the exercise's recording (SetupMediaButton).
    void SetupListenButtons(const QString &mediaFile);
    QString MediaFile() const { return m_mediaFile; }
    // "btnSpr" (check, then again) and "btnPopraw" (the right answers), dark 50-pixel buttons.
    void CreateCheckButtons(const QRect &check, const QRect &solution);
    TVelResButton *CheckButton() const { return m_btnSpr; }
    TVelResButton *SolutionButton() const { return m_btnPopraw; }
    // Before a check: "Sprawdź" face, no hint, solution hidden.
    void SetCheckState(CheckState state, bool offerSolution = false);
    // "Panel_Wynik" with its label (text 46), hidden.
    TVelProgress *CreateResultPanel(const QRect &rect = QRect(744, 64, 259, 90));
    // "ScrollBar" with the part of the background behind it as its background.
    TALScrollBar *CreateScrollBar(const QRect &rect);
    // Starts "CheckMsgInfo": 700 ms after creation the kind's first-use notice, once per learner.
    void StartFirstUseNotice();
    // A dark 50-pixel button with a white caption, as the screens' own buttons are.
    TVelResButton *CreateButton(const QString &name, const QRect &rect);

    // Product caption, skin, title bar: the last step of a screen's constructor.
    void FinishCreation();

    // Plays Media\<kind's folder>\<file> with the package's speaker marks.
    void PlayExerciseMedia(const QString &file, bool show = true);
    // The exercise's recording, from the listen buttons; screens may override.
    virtual void btnMediaClick();
    // Check and solution: screens override what they do; the frame switches the faces.
    virtual void btnSprClick() {}
    virtual void btnPoprawClick() {}

    // The load fault message, for LoadFile implementations.
    static void ReportLoadFault(const QString &path);

    Utils::RandomPick &Random() { return m_random; }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Tests fix the shuffles with this; the screen starts with the host's source.
    void SetRandomPick(Utils::RandomPick pick);

private:
    void ApplyCheckFace();
    void InstructionMouseDown(QMouseEvent *event);

    const Course::TKindInfo *m_kind;
    IExerciseHost &m_host;
    Utils::RandomPick m_random;
    QString m_mediaMarks;
    QString m_mediaFile;
    QString m_backgroundFolder;
    QImage m_background;
    QLabel *m_backgroundLabel = nullptr;
    TAALabel *m_instruction = nullptr;
    int m_instructionLeft = 0; // as designed
    TVelDymek *m_bubble = nullptr;
    TVelResButton *m_btnSpr = nullptr;
    TVelResButton *m_btnPopraw = nullptr;
    TALScrollBar *m_scrollBar = nullptr;
    QTimer *m_checkMsgInfo = nullptr;
    CheckState m_checkState = CheckState::Checking;
    bool m_offerSolution = false;
};
