#pragma once
// The exercise host: a form that is never shown. It owns the catalogue and the repetitions tree,
// keeps the navigation state (which node is being worked on, inside which package), gives every
// screen its navigation bar and title bar, lends the pictures of the common buttons, records
// results and moves from one package item to the next.

#include "course/Catalogue.h"
#include "exercises/frame/ExerciseHost.h"

#include <QDate>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QTimer;
namespace Utils {
class IProgress;
}
class TVelBelka;
class TVelResButton;
struct TUser;
struct LearnerSettings;

class TfrmNawigacja : public QWidget, public IExerciseHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmNawigacja)
public:
    // Bits of RegisterExerciseScreen's button set.
    enum ButtonBits {
        NumberedButtons = 1,
        HelpButton = 2,
        BackButton = 4,
        CloseButtons = 8,
        DictionaryButton = 16,
    };
    static constexpr int ExerciseButtons = 31;
    static constexpr int SelectionButtons = 30;
    static constexpr int MainMenuButtons = 26;

    // The deferred opening of the next package item. The program routes it through the
    // backdrop's timer and busy flag; until SetHandOff is called the host uses its own 1 ms
    // one-shot timer and flag.
    struct HandOff
    {
        std::function<bool()> isBusy;
        std::function<void()> start; // sets the busy flag and starts the timer
    };

    // Reads the definitions file and scans the course, showing progress (loadCatalogue false: an
    // empty tree, for tests that build their own with Catalogue() and RenumberCatalogue()).
    explicit TfrmNawigacja(QWidget *parent = nullptr, bool loadCatalogue = true,
                           Utils::IProgress *progress = nullptr);
    ~TfrmNawigacja() override;

    // Catalogue and repetitions.
    Course::TDrzewo &Catalogue() const;
    QList<Course::TElement *> &CatalogueList();
    Course::TDrzewo &Repetitions() const;
    QList<Course::TElement *> &RepetitionList();
    // Rebuilds the catalogue in the current interface language; returns the accepted files.
    // Invalidates the navigation state.
    int LoadCatalogue();
    // The definitions file could not be read at the last load: the program must end.
    bool TerminateRequested() const { return m_terminateRequested; }
    // Numbers CatalogueList once after a test or a tool built the tree by hand (titles get their
    // "index=depth=" prefix, so call it once per tree).
    void RenumberCatalogue();
    // Loads the logged-in learner's statistics into the catalogue nodes.
    void LoadStatistics();
    // A new repetitions tree of the exercises due on Today().
    void FindDueRepetitions();

    // Navigation state.
    void SetCurrent(Course::TElement *node);
    void SelectSibling(int n);
    Course::TElement *CurrentNode() const { return m_currentNode; }
    Course::TElement *CurrentPackage() const override { return m_currentPackage; }
    int CurrentPosition() const { return m_currentPosition; }

    // The navigation bar.
    void RegisterExerciseScreen(QWidget *screen, int buttonSet) override;
    static void RemoveNavigationButtons(QWidget *screen);
    void SetupExerciseTitleBar(TVelBelka *bar) override;
    // state: 1 normal, 2 hot, 3 pressed; any other does nothing.
    void SetButtonGlyph(TVelResButton *button, const QString &imageName, int state = 1) override;
    // The picture of the holder named imageName ("IMG_Sprawdz" ...), null when there is none.
    QPixmap Picture(const QString &imageName) const override;

    // Results and leaving a screen.
    void RecordExerciseResult(QWidget *screen) override;
    void ReturnToSelection(QWidget *screen);
    void ReturnToMainMenu();
    // The navigation bar's actions, also used by keys (Escape = back).
    void StepToItem(QWidget *screen, int n);
    void GoBack(QWidget *screen);
    void AskCloseProgram();
    void ShowHelp(QWidget *screen);
    void ShowDictionary(QWidget *screen);

    // Help page by screen name ("frmTest" -> "h_film.html"); empty for screens without one.
    static QString HelpPage(const QString &screenName);

    // The world the host works in.
    void SetHandOff(HandOff handOff);
    bool HandOffPending() const;
    void SetMainMenu(QWidget *mainMenu);
    // The black backdrop: registered screens become its child windows, so they stay in front
    // of it and are centred on it.
    void SetBackdrop(QWidget *backdrop);
    QWidget *Backdrop() const { return m_backdrop; }
    // The progress window of the catalogue scan and the statistics load (not owned).
    void SetProgress(Utils::IProgress *progress);
    QWidget *MainMenu() const { return m_mainMenu; }
    // The logged-in learner and settings (held by the main menu; not owned). Until set, the
    // host uses a learner of its own with the default settings.
    void SetLearner(const TUser *user, const LearnerSettings *settings);
    const TUser &LoggedInUser() const override;
    const LearnerSettings &Settings() const override;
    // "Today" for scheduling and dated file names; the program leaves it unset (the system
    // date, read here and nowhere else).
    void SetToday(const QDate &today);
    QDate Today() const override;
    // The program's random source, seeded from the clock once; tests may set their own.
    Utils::RandomPick Random() override { return m_random; }
    void SetRandom(Utils::RandomPick random);
    // First-use notices are the learner screens' business: the program hands their routine in.
    void ShowFirstUseNotice(int notice) override;
    void SetFirstUseNoticeHandler(std::function<void(int)> handler);

signals:
    // The catalogue was rebuilt; node references held elsewhere are gone.
    void CatalogueReloaded();

private:
    void CreatePictureHolders();
    void OpenCurrentNode();

    Course::TCatalogue m_catalogue;
    std::unique_ptr<Course::TDrzewo> m_repetitions;
    QList<Course::TElement *> m_repetitionList;

    Course::TElement *m_currentNode = nullptr;
    Course::TElement *m_currentPackage = nullptr;
    int m_currentPosition = 0;

    HandOff m_handOff;
    bool m_ownBusy = false;
    QTimer *m_ownTimer = nullptr;
    QWidget *m_mainMenu = nullptr;
    QWidget *m_backdrop = nullptr;
    bool m_terminateRequested = false;
    Utils::IProgress *m_progress = nullptr;
    const TUser *m_user = nullptr;
    const LearnerSettings *m_settings = nullptr;
    std::unique_ptr<TUser> m_ownUser;
    std::unique_ptr<LearnerSettings> m_ownSettings;
    QDate m_today;
    Utils::RandomPick m_random;
    std::function<void(int)> m_firstUseNotice;
};

extern TfrmNawigacja *frmNawigacja;
