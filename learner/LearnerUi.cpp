#include "learner/LearnerUi.h"

#include "skin/VelCheckBox.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace Learner::Ui {

QString Text(int number, const QString &formText)
{
    const QString text = Utils::GetInterfaceText(number);
    return text.isEmpty() ? formText : text;
}

QImage SkinImage(const QString &name)
{
    return SkinPictureOrNull(CurrentSkin().Handle, name);
}

TVelResButton *MakeButton(QWidget *parent, const QString &name, TRozmiar size, const QRect &place,
                          const QString &caption)
{
    auto *button = new TVelResButton(parent);
    button->setObjectName(name);
    button->SetRozmiar(size);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(size == rozBelka ? 16 : 13);
    font.setBold(size != rozBelka);
    button->setFont(font);
    button->SetFontColor(size == rozBelka ? QColor(Qt::white) : QColor(52, 52, 52));
    button->setGeometry(place);
    button->SetCaption(caption);
    return button;
}

TVelResButton *MakeSmallButton(QWidget *parent, const QString &name, const QPoint &place,
                               const QString &pictures)
{
    auto *button = new TVelResButton(parent);
    button->setObjectName(name);
    button->SetRozmiar(rozUndefined);
    button->setGeometry(place.x(), place.y(), 34, 18);
    button->SetShowCaption(false);
    button->SetGlyph(SkinImage(pictures + u"_N"_s));
    button->SetGlyphHot(SkinImage(pictures + u"_H"_s));
    button->SetGlyphDown(SkinImage(pictures + u"_D"_s));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TVelCheckBox *MakeCheckBox(QWidget *parent, const QString &name, const QPoint &place, const QString &caption,
                           bool round)
{
    auto *box = new TVelCheckBox(parent);
    box->setObjectName(name);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    box->setFont(font);
    box->SetFontColor(QColor(52, 52, 52));
    box->SetSkinPictures(round ? cbRound : cbSquare);
    box->SetRadioStyle(round);
    box->move(place);
    box->SetCaption(caption);
    return box;
}

void ReportProblem(const QString &text)
{
    Utils::ShowSystemError(text);
}

} // namespace Learner::Ui
