#pragma once
// TfrmTFGr: true/false groups (exercise kind 31). A table of statements in random order;
// for each the learner ticks the left column (the first heading: it holds) or the right
// one, checks, sees the score and the right ticks, and may go again in a new order. The
// table's rules live in TrueFalseModel.

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/Struct_TF2.h"
#include "exercises/words/TrueFalseModel.h"
#include "reference/Slownik.h"

#include <QHash>
#include <QImage>

class QLabel;
class TVelResButton;

class TfrmTFGr : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTFGr)
public:
    static constexpr int KindCode = 31;

    explicit TfrmTFGr(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmTFGr() override;

    // The state of a table before its file is read.
    void Reset();
    // Reads the file and puts the statements in a new random order; a fault is reported
    // and leaves an empty table.
    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    void btnSprClick() override;
    void btnPoprawClick() override;

    // State, for tests and the gallery.
    const QList<TTrueFalseItem> &Items() const { return Zdania; }
    QString LeftHeading() const { return Naglowek1; }
    QString RightHeading() const { return Naglowek2; }
    bool Scored() const { return Sprawdzone; }
    bool ShowsRightAnswers() const { return PokazPoprawne; }
    TrueFalseModel::TrueFalseScore LastScore() const { return Wynik; }
    const TPozycjeSlowek &WordPositions() const { return Slowka; }
    using TExerciseScreen::MediaFile;
    // The boxes of a row in Obszar's coordinates, as laid out now.
    QRect BoxRect(int row, bool left);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class TObszar;
    void CreateComponents();
    TrueFalseModel::TableView View() const;
    TrueFalseModel::TableLayout LayOut();
    const QImage &Picture(QChar placement);
    void ObszarPaint(QPainter &painter);
    void ObszarMouseDown(QMouseEvent *event);
    void ObszarMouseMove(QMouseEvent *event);

    // Components of its own, named as the design names them; the frame makes the others.
    TVelResButton *btnMedia2 = nullptr;
    TObszar *Obszar = nullptr;
    QLabel *Stan_0 = nullptr;
    QLabel *Stan_1 = nullptr;
    QLabel *Pion = nullptr;
    QLabel *Poziom = nullptr;

    // The table and its state.
    QList<TTrueFalseItem> Zdania;
    QString Naglowek1;
    QString Naglowek2;
    QString PlikCwiczenia;
    bool Sprawdzone = false;
    bool PokazPoprawne = false;
    TrueFalseModel::TrueFalseScore Wynik;
    TPozycjeSlowek Slowka;
    QHash<QChar, QImage> Obrazki; // the pictures above ('T') and below ('B') the table
};
