#include "exercises/shared/TileScreen.h"

#include "reference/uSlownik.h"
#include "skin/uSkin.h"

#include <QLabel>

QLabel *CreateSkinPicture(QWidget *form, const QString &name, const QString &skinName)
{
    auto *picture = new QLabel(form);
    picture->setObjectName(name);
    const QImage image = SkinPictureOrNull(CurrentSkin().Handle, skinName);
    if (!image.isNull()) {
        picture->setPixmap(QPixmap::fromImage(image));
        picture->resize(image.size());
    }
    picture->hide();
    return picture;
}

TKlocek::TFace ThreePartFace(const QLabel *left, const QLabel *middle, const QLabel *right, const QFont &font,
                             const QColor &colour, int captionTop)
{
    TKlocek::TFace face;
    face.Left = left->pixmap();
    face.Middle = middle->pixmap();
    face.Right = right->pixmap();
    face.Font = font;
    face.Colour = colour;
    face.CaptionTop = captionTop;
    return face;
}

TKlocek *CreateTile(QWidget *form, const QString &name, const TKlocek::TFace &face, const QString &caption)
{
    auto *tile = new TKlocek(form);
    tile->setObjectName(name);
    tile->SetFace(face);
    tile->SetCaption(caption);
    QObject::connect(tile, &TKlocek::WordRequested, form, [](const QString &word) { LookUpWordAt(word); });
    return tile;
}
