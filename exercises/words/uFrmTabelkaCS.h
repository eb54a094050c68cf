#pragma once
// TfrmTabelkaCS: word ordering (exercise kind 50). The words stand shuffled as tiles in one
// column; the learner drops a tile on another to swap the two until the column reads in the
// right order, checks, and may see the tiles put in order with the places that were wrong
// marked. The rules live in TabelkaCSModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/shared/Klocek.h"
#include "exercises/words/TabelkaCSModel.h"

#include <QFont>
#include <QList>

class QLabel;
class TVelResButton;

class TfrmTabelkaCS : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTabelkaCS)
public:
    static constexpr int KindCode = 50;

    explicit TfrmTabelkaCS(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmTabelkaCS() override;

    void Reset();
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for tests and the gallery.
    const TabelkaCS::TModel &Model() const { return Model_; }
    const TabelkaCS::TColumnLayout &Column() const { return Kolumna; }
    QList<TKlocek *> Tiles() const { return Kostki; }
    QString FilePath() const { return PlikCwiczenia; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    void BuildTiles();
    void LayOutColumn();
    void ClearTiles();
    TKlocek::TDrop DropTile(int tile, QPoint formPoint);
    void ObszarPaint(QPainter &painter);
    void ObszarMouseMove(QMouseEvent *event);
    // The place (1-based) whose mark square holds point (Obszar coordinates), 0 for none.
    int MarkPlaceAt(QPoint point) const;

    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    QLabel *IMG_Kostka1 = nullptr;
    QLabel *IMG_Kostka2 = nullptr;
    QLabel *IMG_Kostka3 = nullptr;
    QFont KostkaFont;

    TabelkaCS::TModel Model_;
    TabelkaCS::TColumnLayout Kolumna;
    QList<TKlocek *> Kostki; // tile i started at place i + 1
    QString PlikCwiczenia;
    int W = 0;
};
