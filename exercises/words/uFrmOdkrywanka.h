#pragma once
// TfrmOdkrywanka: uncovering (exercise kind 52). The words stand as buttons in a column in
// random order; the screen plays the recorded definition of a word not yet found, and the
// learner clicks the word it describes. A right click uncovers the word's strip of a hidden
// picture with the word and its definition on it; a wrong one costs a point and another
// definition plays. With every word found the whole picture stands uncovered, the score
// shows (and is recorded at once), and "again" starts a new run. The game's rules live in
// UncoveringModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/Struct_Odkrywanka.h"
#include "exercises/words/UncoveringModel.h"

#include <QImage>
#include <QList>

class QLabel;
class TOdkrywankaImage;
class TVelDymek;
class TVelResButton;

class TfrmOdkrywanka : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmOdkrywanka)
public:
    static constexpr int KindCode = 52;

    explicit TfrmOdkrywanka(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmOdkrywanka() override;

    // The state before a file is read.
    void Reset();
    // Reads the words, chooses the layout and makes the word buttons; a fault is reported and
    // leaves the screen without words.
    bool LoadFile(const QString &path) override;
    // Plays the first definition.
    void LayOutOnce() override;

    // The again button: a new run of the same file.
    void btnSprClick() override;

    // State, for tests and the gallery.
    const UncoveringModel::TUncoveringRun &Run() const { return Gra; }
    const UncoveringModel::TUncoveringLayout &Layout() const { return Uklad; }
    // The button of word index ("def_<index>"), or null.
    TOdkrywankaImage *WordButton(int index) const;

protected:
    void btnMediaClick() override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void CreateComponents();
    void ApplyLayout();
    void BuildButtons();
    void FreeButtons();
    void WordClick(int index);
    void Uncover(TOdkrywankaImage *button);
    void StripLeftPressed(TOdkrywankaImage *button, QPoint at);
    void StripRightPressed(TOdkrywankaImage *button, QPoint at);
    void HideBubble();

    // Components of their own, named as the design names them; the frame makes the others.
    QLabel *IMG_Tlo = nullptr;
    TVelResButton *btnMedia = nullptr;
    TVelResButton *btnSpr = nullptr;
    QLabel *Panel_Up = nullptr;
    QLabel *Panel_Hover = nullptr;
    QLabel *Panel_Full = nullptr;
    QLabel *BtnFont = nullptr;
    QList<TOdkrywankaImage *> Przyciski;

    QString PlikCwiczenia;
    QImage Ukryty; // the hidden picture
    UncoveringModel::TUncoveringLayout Uklad = UncoveringModel::LayoutFor(7, 0);
    UncoveringModel::TUncoveringRun Gra;
};
