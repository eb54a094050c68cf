#pragma once
// TfrmWpisywanie: gap typing (exercise kind 4). A running text with gaps over the background,
// with pictures floated at its sides; the learner clicks a gap (or is led to the next empty one
// by Enter and Tab) and types into a small edit box over it. The check marks every gap and
// scores the text; the right answers, printing and the mini dictionary of phrases follow. The
// text's rules live in GapTypingModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/GapTypingModel.h"
#include "reference/Slownik.h"

#include <QFont>
#include <QHash>
#include <QImage>

class QLabel;
class QLineEdit;
class TALScrollBar;
class TVelResButton;

class TfrmWpisywanie : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmWpisywanie)
public:
    static constexpr int KindCode = 4;

    explicit TfrmWpisywanie(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmWpisywanie() override;

    // The state of a text before its file is read.
    void Reset();
    bool LoadFile(const QString &path) override;
    // Lays the text out, sizes the scroll bar and puts the edit position on the first empty gap.
    void LayOutOnce() override;

    // The handlers, also driven by tests.
    void btnSprClick() override;
    void btnPoprawClick() override;
    void btnDrukujClick();
    void btnZwrotyClick();

    // State, for tests and the gallery.
    const GapTyping::TGapText &Text() const { return Tekst; }
    QString PhraseList() const { return Zwroty; }
    QString PrintHeading() const { return NaglowekWydruku; }
    int ScrollOffset() const { return Przesuniecie; }
    int LineHeight() const { return WysokoscLinii; }
    int ContentHeight() const { return WysokoscTresci; }
    const TPozycjeSlowek &WordPositions() const { return Slowka; }
    using TExerciseScreen::MediaFile;
    // The area coordinates (of Obszar) of a gap as last laid out.
    QRect GapRect(int index) const;
    // Moves the text to scroll position (whole lines), as the scroll bar does.
    void ScrollTo(int position);
    // Starts editing a gap as a click on it does.
    void EditGap(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    GapTyping::Metrics Measures();
    FlowText::Layout LayOut();
    QImage PictureNamed(const QString &name);
    void ObszarPaint(QPainter &painter);
    void ObszarMouseDown(QMouseEvent *event);
    void ObszarMouseMove(QMouseEvent *event);
    void ObszarWheel(QWheelEvent *event);
    void FitObszarUnderInstruction();
    void UpdateScrollBar();
    void PlaceEditBox();
    void StartEditing(int index);
    void EndEditing();
    void MoveOn();
    QString EditText() const;

    // Components of its own, named as the design names them; the frame makes the others.
    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    TALScrollBar *ScrollBar = nullptr;
    TVelResButton *btnDrukuj = nullptr;
    TVelResButton *btnZwroty = nullptr;
    QLabel *IMG_Pole = nullptr;
    QLineEdit *Edit1 = nullptr;

    // The text and its state.
    GapTyping::TGapText Tekst;
    QString PlikCwiczenia;
    QString Zwroty;
    QString NaglowekWydruku;
    QFont Czcionka; // the text font: Tahoma 15 pixels
    FlowText::Measure Miara;
    int WysokoscLinii = 0;
    int Odstep = 0;
    int Przesuniecie = 0;
    int WysokoscTresci = 0;
    bool ObszarDopasowany = false; // moved under a wrapped instruction, once per screen
    TPozycjeSlowek Slowka;
    QHash<QString, QImage> Obrazki;
};
