#pragma once
// TfrmTest: the multiple-choice test (exercise kind 3). A scrollable sheet of question
// groups; the learner marks answers, checks, sees the score and the right answers, and may
// take the test again in a fresh random order. The sheet's rules live in TestModel.

#include "exercises/words/Struct_Test.h"
#include "exercises/words/TestModel.h"
#include "reference/Slownik.h"
#include "runtime/ExerciseScreen.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRandomGenerator>

class QLabel;
class QTimer;
class TAALabel;
class TALScrollBar;
class TVelBelka;
class TVelDymek;
class TVelProgress;
class TVelResButton;

class TfrmTest : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTest)
public:
    explicit TfrmTest(QWidget *parent = nullptr);
    ~TfrmTest() override;

    void SetMediaMarks(const QString &marks) { MediaMarks = marks; }
    QString GetMediaMarks() const { return MediaMarks; }
    // Its help page ("h_film.html") opens without learner mode.
    bool HelpInLearnerMode() const override { return false; }

    // Reset: the state of a sheet before its file is read.
    void Reset();
    // Reads and shuffles the file; a fault is reported with the program's message and
    // leaves an empty sheet. True when the file was read.
    bool LoadFile(const QString &path);
    // Lays the sheet out once and sizes the scroll bar (after each load).
    void LayOutOnce();

    // The handlers, also driven by tests and keys.
    void btnSprClick();
    void btnPoprawClick();
    void btnMediaClick();

    // State, for the host's tests and the gallery.
    const QList<TGrupa> &Groups() const { return Grupy; }
    bool SingleChoice() const { return JedenWybor; }
    bool Scored() const { return Sprawdzone; }
    bool ShowsRightAnswers() const { return PokazPoprawne; }
    int ScrollOffset() const { return Przesuniecie; }
    int ContentHeight() const { return WysokoscTresci; }
    QString FilePath() const { return PlikCwiczenia; }
    QString MediaFile() const { return PlikMedia; }
    QString HintText() const;
    TestModel::TestScore LastScore() const { return Wynik; }
    const TPozycjeSlowek &WordPositions() const { return Slowka; }
    // The widget coordinates (of Obszar) of an answer's row as last laid out.
    QRect AnswerRect(int group, int item) const;

    // The random draws of the shuffles; the screen seeds its own from the clock.
    void SetRandomPick(TestModel::RandomPick pick);
    // Moves the sheet to scroll position (in 10-pixel steps), as the scroll bar does.
    void ScrollTo(int position);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    void CheckMsgInfoTimer();
    TestModel::SheetView View() const;
    TestModel::SheetLayout LayOut();
    void ObszarPaint(QPainter &painter);
    void ObszarMouseDown(QMouseEvent *event);
    void ObszarMouseMove(QMouseEvent *event);
    void ObszarWheel(QWheelEvent *event);
    void PolecenieMouseDown(QMouseEvent *event);
    void HideBubble();
    const QImage &Picture(const QString &path);
    TestModel::SheetPictureInfo PictureOf(int position);

    // Components, named as the design names them.
    QLabel *IMG_Tlo = nullptr;
    TAALabel *Polecenie = nullptr;
    TVelResButton *btnMedia = nullptr;
    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    TALScrollBar *ScrollBar = nullptr;
    TVelProgress *Panel_Wynik = nullptr;
    TVelResButton *btnPopraw = nullptr;
    TVelResButton *btnSpr = nullptr;
    QLabel *Stan_0 = nullptr;
    QLabel *Stan_1 = nullptr;
    TVelDymek *IMG_Dymek = nullptr;
    QTimer *CheckMsgInfo = nullptr;

    // The sheet and its state.
    QList<TGrupa> Grupy;
    QString PlikCwiczenia;
    QString PlikMedia;
    QString MediaMarks;
    bool JedenWybor = true;
    bool Sprawdzone = false;
    bool PokazPoprawne = false;
    int Przesuniecie = 0;
    int WysokoscTresci = 0;
    TestModel::TestScore Wynik;
    TPozycjeSlowek Slowka;

    QImage Tlo; // the background as shown (1024 × 718)
    QHash<QString, QImage> Obrazki;
    QRandomGenerator Losowanie;
    TestModel::RandomPick Losuj;
};

// Opens the test file at path (kind 3) with the package's speaker marks: a missing file is
// reported and opens nothing. Returns the new screen, shown, or null.
TfrmTest *OpenTestScreen(const QString &path, const QString &mediaMarks);
