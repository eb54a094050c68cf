#pragma once
// Tfrm3Obrazki: three pictures (exercise kind 8). Turn by turn a recorded sentence plays and
// three pictures stand in three frames; the learner picks the one that matches (a click or
// the keys 1 to 3), hears at once whether it was right, reads the sentence and its
// translation, and goes on (btnSpr or Enter). A notebook counts the picks; after the last
// turn the score shows, and the host records it when the learner leaves. The run's rules
// live in ThreePicturesModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/Struct_3Obrazki.h"
#include "exercises/words/ThreePicturesModel.h"

#include <array>

class QLabel;
class TAALabel;
class TVel3ObrazkiFrame;
class TVelResButton;
class TVelZeszytStatystyki;

class Tfrm3Obrazki : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm3Obrazki)
public:
    static constexpr int KindCode = 8;

    explicit Tfrm3Obrazki(IExerciseHost &host, QWidget *parent = nullptr);
    ~Tfrm3Obrazki() override;

    // The state before a file is read.
    void Reset();
    // Reads the turns; a fault is reported and leaves the screen without turns.
    bool LoadFile(const QString &path) override;
    // Starts the first turn (its recording plays).
    void LayOutOnce() override;

    // Picks frame 1 to 3, as a click on it or its key does.
    void PickFrame(int frame);
    // The next turn, as btnSpr or Enter does while btnSpr shows.
    void btnSprClick() override;

    // State, for tests and the gallery.
    const ThreePicturesModel::TThreePicturesRun &Run() const { return Przebieg; }
    TVel3ObrazkiFrame *Frame(int n) const { return Ramki.at(n - 1); }

protected:
    void btnMediaClick() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateComponents();
    void StartTurn();
    bool Answering() const;

    // Components of their own, named as the design names them; the frame makes the others.
    QLabel *IMG_Tlo = nullptr;
    std::array<TVel3ObrazkiFrame *, 3> Ramki{}; // R1, R2, R3
    std::array<QLabel *, 3> Obrazki{};          // B1, B2, B3
    TAALabel *ZD1 = nullptr;
    TAALabel *ZD2 = nullptr;
    TVelZeszytStatystyki *Statystyki = nullptr;
    TVelResButton *btnMedia = nullptr;
    TVelResButton *btnSpr = nullptr;
    TVelResButton *btnAnalizator = nullptr;

    ThreePicturesModel::TThreePicturesRun Przebieg;
};
