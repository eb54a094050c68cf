#pragma once
// What the screens that move word tiles share beyond the tile itself: the hidden picture
// components their designs name (the tile's and the slot's parts, the table strips), the
// tile's face made from them, a tile created the way every one of those screens needs it, and
// TTileScreen, the part of the screen they have in common (layout of the chrome, the tiles'
// list, the check's end, going again, the marks' pictures).

#include "exercises/frame/ExerciseScreen.h"
#include "exercises/shared/ExerciseRules.h"
#include "exercises/shared/Klocek.h"

#include <QFont>
#include <QList>
#include <QString>

class QLabel;
class QWidget;
class TVelResButton;

// A hidden picture component named name, holding the skin's picture skinName (none when the
// skin lacks it: the screen still works, drawn without it).
QLabel *CreateSkinPicture(QWidget *form, const QString &name, const QString &skinName);

// A tile face from three picture components (left end, stretched middle, right end).
TKlocek::TFace ThreePartFace(const QLabel *left, const QLabel *middle, const QLabel *right, const QFont &font,
                             const QColor &colour, int captionTop = -1);

// A tile on form named name with its face and caption: hand cursor, its word looked up in
// the dictionary on a right press.
TKlocek *CreateTile(QWidget *form, const QString &name, const TKlocek::TFace &face, const QString &caption);

// The screen of a kind whose words are tiles dragged into place (matching pairs, table
// sorting, word ordering). Tile k is "slowo<k>" and its drops go to DropTile(k, ...).
class TTileScreen : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTileScreen)
public:
    ~TTileScreen() override;

    // The state before a file is read.
    virtual void Reset() = 0;

    // State, for tests and the gallery.
    QList<TKlocek *> Tiles() const { return Kostki; }
    QString FilePath() const { return PlikCwiczenia; }

protected:
    TTileScreen(int kind, IExerciseHost &host, QWidget *parent);

    // The result panel and the check and right-answers buttons.
    void CreateTileScreenButtons();

    // Tile k with face and caption, its drops handed to DropTile(k, ...); appended to Kostki.
    TKlocek *AddTile(const TKlocek::TFace &face, const QString &caption);
    virtual TKlocek::TDrop DropTile(int tile, QPoint formPoint) = 0;
    void ClearTiles();

    // The end of every check: the tiles frozen, the check button's second face offering the
    // right answers while not all was right, the sound and the score when there is one.
    void FinishCheck(const Exercises::TScore &score);
    // "Again": the same file in a fresh random order (on a new background when asked).
    void RunAgain(bool newBackground = false);
    // The skin picture of a mark; a null picture for none.
    QPixmap MarkPicture(Exercises::TileMark mark) const;

    TVelResButton *btnMedia2 = nullptr;
    QList<TKlocek *> Kostki; // tile k in creation order
    QString PlikCwiczenia;
};
