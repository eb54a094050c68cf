#pragma once
// The selection screen: the course's table of contents (mode 1) and the list of due repetitions
// (mode 2), drawn as collapsible rows, and the dispatch from a kind code to the opening routine
// of that kind's screen.

#include "exercises/frame/OpenExercise.h"

#include <QString>
#include <QWidget>
#include <functional>

class QTimer;
class QLabel;
namespace Utils {
class TDeferredPictureLabel;
}
class TAALabel;
class TALScrollBar;
class TVelBelka;
class TVelListBox;
class TVelResButton;
class TfrmNawigacja;
namespace Course {
struct TElement;
}

// An opening routine: checks the file, creates the screen, loads the file, registers the screen
// with the host and shows it. path is the file on disk, mediaMarks the package's speaker marks.
using ExerciseOpener = std::function<void(const QString &path, const QString &mediaMarks)>;

// Exercise screens add themselves here (RegisterExerciseScreens, exercises/RegisterExercises.h).
void RegisterExerciseOpener(int kind, ExerciseOpener opener);
// Registers every opener, each opening its screens with host.
void RegisterExerciseOpeners(const QList<TExerciseOpener> &openers, IExerciseHost &host);
void UnregisterExerciseOpeners();
bool HasExerciseOpener(int kind);

// Opens the exercise file (relative to Dane) with the routine of its kind. A kind without a screen
// tells the learner so (interface text UnavailableKindText, information) and leaves the
// selection screen in front with its list enabled; otherwise the selection screen is hidden.
void OpenExercise(int kind, const QString &fileName, const QString &mediaMarks);
inline constexpr int UnavailableKindText = 130;

class TfrmWyborCwiczenia : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmWyborCwiczenia)
public:
    enum Mode { CatalogueMode = 1, RepetitionsMode = 2 };
    static constexpr int RowHeight = 24;
    static constexpr int VisibleRows = 23;

    // What a mouse position over a row does.
    enum class Zone { None, Toggle, Open, OpenFirstItem, OpenItem, RepetitionHint };
    struct Hit
    {
        Zone zone = Zone::None;
        int item = 0; // OpenItem: 1-based item of the package
    };

    explicit TfrmWyborCwiczenia(TfrmNawigacja *host, QWidget *parent = nullptr);
    ~TfrmWyborCwiczenia() override;

    int SelectionMode() const { return m_mode; }
    // Shows the list of the mode and hides the other one.
    void SetSelectionMode(int mode);

    TVelListBox *ExerciseList() const { return m_exerciseList; }     // DrzewoLista_Cwiczenia
    TVelListBox *RepetitionList() const { return m_repetitionList; } // DrzewoLista_Powtorki
    TVelListBox *CurrentList() const;
    TALScrollBar *ScrollBar() const { return m_scrollBar; }

    // Appends the numbered titles of node's children, each followed by its visible descendants.
    void FillList(TVelListBox *list, Course::TElement *node);
    // Empties the list of the mode and fills it from its tree's root.
    void RefillList(int mode);
    void UpdateScrollBar();
    void ExpandAll();
    void CollapseAll();
    // Heading and column captions, expand/collapse captions.
    void ApplyInterfaceTexts();
    // The help page of the mode shown: the contents, or the repetitions page in mode 2.
    QString HelpPage() const;

    // The node of a row of list, or null.
    Course::TElement *NodeOfRow(const TVelListBox *list, int row) const;
    static Hit HitZone(const Course::TElement &node, int x);
    // The hint of the repetition-hint zone, empty when the node has nothing scheduled.
    static QString RepetitionHint(const Course::TElement &node);
    // The skin picture of a kind's row icon ("Typ_3", "Typ_101_2" ...); every kind has one.
    static QString KindIconName(int kind, int pictureVariant = 1);
    // A click (button release) at list-relative x on row.
    void ActivateRow(TVelListBox *list, int row, int x);
    void ToggleRow(TVelListBox *list, int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateComponents();
    void OpenNode(TVelListBox *list, Course::TElement *node, bool disableList);
    void SyncScrollBar();
    void ScrollToTop();
    const QList<Course::TElement *> &ListOfMode(const TVelListBox *list) const;

    TfrmNawigacja *m_host;
    int m_mode = CatalogueMode;
    TVelBelka *m_belka = nullptr;
    Utils::TDeferredPictureLabel *m_background = nullptr;
    bool m_scrollBarBackground = false;
    TAALabel *m_heading = nullptr;
    TAALabel *m_lblWykonano = nullptr;
    TAALabel *m_lblOstatnio = nullptr;
    TAALabel *m_lblCwiczenia = nullptr;
    TVelListBox *m_exerciseList = nullptr;
    TVelListBox *m_repetitionList = nullptr;
    TALScrollBar *m_scrollBar = nullptr;
    TVelResButton *m_btnExpand = nullptr;
    TVelResButton *m_btnCollapse = nullptr;
    QTimer *m_timer = nullptr;
};

extern TfrmWyborCwiczenia *frmWyborCwiczenia;
