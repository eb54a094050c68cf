#pragma once
// TfrmTest: the multiple-choice test (exercise kind 3). A scrollable sheet of question
// groups; the learner marks answers, checks, sees the score and the right answers, and may
// take the test again in a fresh random order. The sheet's rules live in TestModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/Struct_Test.h"
#include "exercises/words/TestModel.h"
#include "reference/Slownik.h"

#include <QHash>
#include <QImage>
#include <QPixmap>

class QLabel;
class TALScrollBar;
class TVelResButton;

class TfrmTest : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTest)
public:
    static constexpr int KindCode = 3;

    explicit TfrmTest(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmTest() override;

    // Reset: the state of a sheet before its file is read.
    void Reset();
    // Reads and shuffles the file; a fault is reported with the program's message and
    // leaves an empty sheet. True when the file was read.
    bool LoadFile(const QString &path) override;
    // Lays the sheet out once and sizes the scroll bar (after each load).
    void LayOutOnce() override;

    // The handlers, also driven by tests and keys.
    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for the host's tests and the gallery.
    const QList<TGrupa> &Groups() const { return Grupy; }
    bool SingleChoice() const { return JedenWybor; }
    bool Scored() const { return Sprawdzone; }
    bool ShowsRightAnswers() const { return PokazPoprawne; }
    int ScrollOffset() const { return Przesuniecie; }
    int ContentHeight() const { return WysokoscTresci; }
    QString FilePath() const { return PlikCwiczenia; }
    using TExerciseScreen::MediaFile;
    QString HintText() const;
    TestModel::TestScore LastScore() const { return Wynik; }
    const TPozycjeSlowek &WordPositions() const { return Slowka; }
    // The widget coordinates (of Obszar) of an answer's row as last laid out.
    QRect AnswerRect(int group, int item) const;

    // Moves the sheet to scroll position (in 10-pixel steps), as the scroll bar does.
    void ScrollTo(int position);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    TestModel::SheetView View() const;
    TestModel::SheetLayout LayOut();
    void ObszarPaint(QPainter &painter);
    void ObszarMouseDown(QMouseEvent *event);
    void ObszarMouseMove(QMouseEvent *event);
    void ObszarWheel(QWheelEvent *event);
    const QImage &Picture(const QString &path);
    TestModel::SheetPictureInfo PictureOf(int position);

    // Components of its own, named as the design names them; the frame makes the others.
    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    TALScrollBar *ScrollBar = nullptr;
    QLabel *Stan_0 = nullptr;
    QLabel *Stan_1 = nullptr;

    // The sheet and its state.
    QList<TGrupa> Grupy;
    QString PlikCwiczenia;
    bool JedenWybor = true;
    bool Sprawdzone = false;
    bool PokazPoprawne = false;
    int Przesuniecie = 0;
    int WysokoscTresci = 0;
    TestModel::TestScore Wynik;
    TPozycjeSlowek Slowka;

    QHash<QString, QImage> Obrazki;
};
