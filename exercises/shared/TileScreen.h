#pragma once
// What the screens that move word tiles share beyond the tile itself: the hidden picture
// components their designs name (the tile's and the slot's parts, the table strips), the
// tile's face made from them, and a tile created the way every one of those screens needs it.

#include "exercises/shared/Klocek.h"

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// A hidden picture component named name, holding the skin's picture skinName (none when the
// skin lacks it: the screen still works, drawn without it).
QLabel *CreateSkinPicture(QWidget *form, const QString &name, const QString &skinName);

// A tile face from three picture components (left end, stretched middle, right end).
TKlocek::TFace ThreePartFace(const QLabel *left, const QLabel *middle, const QLabel *right, const QFont &font,
                             const QColor &colour, int captionTop = -1);

// A tile on form named name with its face and caption: hand cursor, its word looked up in
// the dictionary on a right press.
TKlocek *CreateTile(QWidget *form, const QString &name, const TKlocek::TFace &face, const QString &caption);
