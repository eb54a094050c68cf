#pragma once
// Small pieces the learner screens share: skinned buttons made the same way, interface
// texts with the form's own text as fallback, and skin pictures that may be missing.

#include "skin/VelResButton.h"

#include <QImage>
#include <QString>

class QWidget;
class TVelCheckBox;

namespace Learner::Ui {

// The interface text, or the form's own text while the definitions have none.
QString Text(int number, const QString &formText);

// A picture of the current skin, null when missing.
QImage SkinImage(const QString &name);

TVelResButton *MakeButton(QWidget *parent, const QString &name, TRozmiar size, const QRect &place,
                          const QString &caption);
// The small close button of dialog windows and the bar's minimise/close buttons (34 x 18).
TVelResButton *MakeSmallButton(QWidget *parent, const QString &name, const QPoint &place,
                               const QString &pictures);
TVelCheckBox *MakeCheckBox(QWidget *parent, const QString &name, const QPoint &place, const QString &caption,
                           bool round);

// Tells the learner about a file or folder problem (the program's plain error box).
void ReportProblem(const QString &text);

} // namespace Learner::Ui
