#pragma once
// TfrmAntonimy: matching pairs (exercise kind 7). The first parts of the pairs lie as tiles in
// a shuffled grid; below it each row has an empty slot and the second part of its pair. The
// learner drags every tile into the slot of its row, checks, and may see every tile moved to
// its own row with the wrong rows explained. The rules live in LaczenieModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/shared/Klocek.h"
#include "exercises/words/LaczenieModel.h"
#include "reference/Slownik.h"

#include <QList>

class QLabel;
class TVelResButton;

class TfrmAntonimy : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAntonimy)
public:
    static constexpr int KindCode = 7;

    explicit TfrmAntonimy(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmAntonimy() override;

    // Reset: the state before a file is read.
    void Reset();
    // Reads the pairs and lays out a fresh shuffle of the tiles; a fault is reported and
    // leaves the screen without pairs.
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for tests and the gallery.
    const Laczenie::TModel &Model() const { return Model_; }
    QString FilePath() const { return PlikCwiczenia; }
    QList<TKlocek *> Tiles() const { return Kostki; }
    // The slot of row in form coordinates, as last laid out.
    QRect SlotRect(int row) const;
    // The mark area of row in form coordinates.
    QRect MarkRect(int row) const;
    int TileWidth() const { return W; }
    const TPozycjeSlowek &WordPositions() const { return Slowka; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    void BuildTiles();
    void LayOutRows();
    TKlocek::TDrop DropTile(int tile, QPoint formPoint);
    void ObszarPaint(QPainter &painter);
    void ObszarMouseDown(QMouseEvent *event);
    void ObszarMouseMove(QMouseEvent *event);
    void ClearTiles();
    QFont PromptFont() const;

    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    QLabel *IMG_Kostka1 = nullptr;
    QLabel *IMG_Kostka2 = nullptr;
    QLabel *IMG_Kostka3 = nullptr;
    QLabel *IMG_Miejsce1 = nullptr;
    QLabel *IMG_miejsce2 = nullptr;
    QLabel *IMG_miejsce3 = nullptr;
    QLabel *IMG_Antonimy = nullptr;

    Laczenie::TModel Model_;
    QList<TKlocek *> Kostki; // tile i comes from pair i
    Laczenie::TRowsLayout Rows;
    QString PlikCwiczenia;
    int W = 0;
    TPozycjeSlowek Slowka;
};
