#include "exercises/shared/TileScreen.h"

#include "exercises/frame/ExerciseHost.h"
#include "reference/uSlownik.h"
#include "skin/uSkin.h"

#include <QLabel>

using namespace Qt::StringLiterals;

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

TTileScreen::TTileScreen(int kind, IExerciseHost &host, QWidget *parent) : TExerciseScreen(kind, host, parent)
{
}

TTileScreen::~TTileScreen() = default;

void TTileScreen::CreateTileScreenButtons()
{
    CreateResultPanel();
    CreateCheckButtons(QRect(808, 670, 200, 50), QRect(808, 614, 200, 50));
}

TKlocek *TTileScreen::AddTile(const TKlocek::TFace &face, const QString &caption)
{
    const int k = int(Kostki.size());
    TKlocek *tile = CreateTile(this, u"slowo%1"_s.arg(k), face, caption);
    tile->SetDropHandler([this, k](TKlocek &, QPoint at) { return DropTile(k, at); });
    Kostki.append(tile);
    return tile;
}

void TTileScreen::ClearTiles()
{
    qDeleteAll(Kostki);
    Kostki.clear();
}

void TTileScreen::FinishCheck(const Exercises::TScore &score)
{
    for (TKlocek *tile : std::as_const(Kostki))
        tile->SetFrozen(true);
    SetCheckState(CheckState::Checked, score.HasScore() && score.Percent() < 100);
    if (score.HasScore()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(score.Percent());
    }
}

void TTileScreen::RunAgain(bool newBackground)
{
    Reset();
    if (newBackground)
        NewBackground();
    LoadFile(PlikCwiczenia);
    LayOutOnce();
}

QPixmap TTileScreen::MarkPicture(Exercises::TileMark mark) const
{
    const QString name = Exercises::TileMarkPicture(mark);
    return name.isEmpty() ? QPixmap() : Host().Picture(name);
}
