#pragma once
// TfrmTabelka: table sorting (exercise kind 1). The words lie as tiles in a shuffled grid over
// an empty table with headed columns; the learner drags each tile into a cell of the column it
// belongs to (any row), checks, and may see the wrong tiles moved into their own columns. The
// rules live in TabelkaModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/shared/Klocek.h"
#include "exercises/words/TabelkaModel.h"

#include <QFont>
#include <QList>

class QLabel;
class TVelResButton;

class TfrmTabelka : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTabelka)
public:
    static constexpr int KindCode = 1;

    explicit TfrmTabelka(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmTabelka() override;

    void Reset();
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for tests and the gallery.
    const Tabelka::TModel &Model() const { return Model_; }
    const Tabelka::TTableLayout &Table() const { return Tabela; }
    QList<TKlocek *> Tiles() const { return Kostki; }
    QString FilePath() const { return PlikCwiczenia; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class TCellShape;
    void CreateComponents();
    void Build();
    void LayOut();
    void ClearTable();
    TKlocek::TDrop DropTile(int tile, QPoint formPoint);
    void ShowMarks();

    TVelResButton *btnMedia2 = nullptr;
    QLabel *IMG_GradCell = nullptr;
    QLabel *IMG_GradHeader = nullptr;
    QLabel *IMG_Table = nullptr;
    QFont SlowkoFont;

    Tabelka::TModel Model_;
    Tabelka::TTableLayout Tabela;
    QList<TKlocek *> Kostki;      // tile k in creation order
    QList<TCellShape *> Naglowki; // header cells by column
    QList<TCellShape *> Komorki;  // table cells, row by row
    Struct_Tabelka Dane;
    QString PlikCwiczenia;
    int W = 0;
};
