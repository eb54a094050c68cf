#pragma once
// TfrmDialogi_Dop: dialogue completion (exercise kind 18). The text of a dialogue with some
// words replaced by empty slots; the missing words lie as tiles on a notebook beside it, in a
// random order. The learner drags tiles into the slots (and out again), checks, sees each slot
// marked and the score, which is stored at once, may have the right words put in and point at
// a wrong slot's mark to see what was there, and starts again with a new order of tiles (and
// new gaps where the file's mode draws them). The run's rules live in CompletionModel.

#include "exercises/dialogues/CompletionModel.h"
#include "exercises/dialogues/DialogueScreen.h"

class QLabel;
class TKlocek;

class TfrmDialogi_Dop : public TDialogueScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmDialogi_Dop)
public:
    static constexpr int KindCode = 18;

    explicit TfrmDialogi_Dop(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmDialogi_Dop() override;

    // Starts a run of the file: gaps, slots and the tiles on the notebook.
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    // Check, then again; the right words in every slot.
    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for tests and the gallery.
    const Completion::TCompletionRun &Run() const { return m_run; }
    // The tiles, in the order of Run().Tiles().
    const QList<TKlocek *> &Tiles() const { return m_tiles; }
    int TileWidth() const { return m_tileWidth; }
    // A slot's area (a token index of Run().Tokens()) in form coordinates as laid out now;
    // empty when it cannot be pointed at.
    QRect SlotRect(int slot) const;

protected:
    void PaintArea(QPainter &painter) override;
    void AreaMousePress(QMouseEvent *event) override;
    void AreaMouseMove(QMouseEvent *event) override;
    void AreaLeave() override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool StartRun(const QString &path);
    void DeleteTiles();
    void CreateTiles();
    Completion::TCompletionMetrics Metrics() const;
    Completion::TCompletionLayout LayOut();
    int SlotUnder(QPoint formPoint);

    QLabel *IMG_Zeszyt = nullptr;
    QLabel *IMG_Kostka1 = nullptr;
    QLabel *IMG_Kostka2 = nullptr;
    QLabel *IMG_Kostka3 = nullptr;
    QLabel *IMG_Miejsce1 = nullptr;
    QLabel *IMG_miejsce2 = nullptr;
    QLabel *IMG_miejsce3 = nullptr;

    QString m_path;
    Completion::TCompletionRun m_run;
    QList<TKlocek *> m_tiles;
    int m_tileWidth = 0;
};
