#include "learner/uFrmNewUser.h"

#include "learner/LearnerUi.h"
#include "reference/uFrmPomoc.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSlider>

using namespace Qt::StringLiterals;
using Learner::Ui::Text;

namespace {

std::function<bool(TUser &, bool)> &DialogHook()
{
    static std::function<bool(TUser &, bool)> hook;
    return hook;
}

QImage Arrow(bool right)
{
    // The bundle may carry its own arrows; otherwise they are drawn here, without a complaint.
    const QString name = right ? u"IMG_Right"_s : u"IMG_Left"_s;
    if (CurrentSkin().Handle && CurrentSkin().Handle->HasPicture(name))
        return Learner::Ui::SkinImage(name);
    QImage arrow(16, 24, QImage::Format_ARGB32_Premultiplied);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinColors::Blue);
    const QPolygonF shape =
        right ? QPolygonF{{3, 2}, {14, 12}, {3, 22}} : QPolygonF{{13, 2}, {2, 12}, {13, 22}};
    p.drawPolygon(shape);
    return arrow;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &place, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    label->setFont(font);
    label->setStyleSheet(u"color: rgb(52,52,52); background: transparent;"_s);
    return label;
}

QLineEdit *MakePasswordField(QWidget *parent, const QString &name, const QRect &place)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    field->setMaxLength(Learner::MaxPasswordLength);
    field->setEchoMode(QLineEdit::Password);
    // The same mask as the password prompt's, whatever the style would choose.
    field->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s);
    // Pasting is held to the same characters as typing.
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[A-Za-z0-9]{0,15}"_s), field));
    return field;
}

} // namespace

TfrmNewUser::TfrmNewUser(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(u"frmNewUser"_s);
    setFixedSize(572, 338);
    setModal(true);

    VelDialogWindow1 = new TVelDialogWindow(this);
    VelDialogWindow1->setObjectName(u"VelDialogWindow1"_s);
    VelDialogWindow1->SetBelkaSize(bs40);
    VelDialogWindow1->SetDialogStyle(dsBlue);
    VelDialogWindow1->SetAllowMoveWindow(true);

    lblNazwa = MakeLabel(this, u"lblNazwa"_s, QRect(17, 71, 54, 18), Text(66, u"Nazwa:"_s));
    eLogin = new QLineEdit(this);
    eLogin->setObjectName(u"eLogin"_s);
    eLogin->setGeometry(72, 64, 209, 32);
    eLogin->setMaxLength(Learner::MaxNameLength);
    QFont loginFont(u"Tahoma"_s);
    loginFont.setPixelSize(20);
    eLogin->setFont(loginFont);

    lblPlec = MakeLabel(this, u"lblPlec"_s, QRect(17, 103, 54, 18), Text(67, u"Płeć:"_s));
    chPlec_K = Learner::Ui::MakeCheckBox(this, u"chPlec_K"_s, {72, 101}, Text(68, u"Kobieta"_s), true);
    chPlec_M = Learner::Ui::MakeCheckBox(this, u"chPlec_M"_s, {165, 101}, Text(69, u" Mężczyzna"_s), true);
    chPass =
        Learner::Ui::MakeCheckBox(this, u"chPass"_s, {17, 128}, Text(70, u"Hasło do logowania:"_s), false);
    eHaslo = MakePasswordField(this, u"eHaslo"_s, QRect(225, 127, 150, 21));
    lblPowtorzPass =
        MakeLabel(this, u"lblPowtorzPass"_s, QRect(43, 156, 180, 18), Text(71, u"Powtórz hasło:"_s));
    eHaslo2 = MakePasswordField(this, u"eHaslo2"_s, QRect(225, 154, 150, 21));
    lblAby = MakeLabel(this, u"lblAby"_s, QRect(17, 190, 360, 70),
                       Text(72, u"Zaznacz tę opcję, jeżeli chcesz chronić swój profil. Aby rozpocząć pracę z "
                                u"programem, będziesz proszony o podanie hasła dostępu."_s));
    lblAby->setWordWrap(true);
    lblAby->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *frame = new QLabel(this);
    frame->setObjectName(u"RamkaLudzik"_s);
    frame->setGeometry(454, 55, 68, 67);
    frame->setStyleSheet(u"background: white; border: 1px solid rgb(157,157,157);"_s);
    Ludzik = new QLabel(this);
    Ludzik->setObjectName(u"Ludzik"_s);
    Ludzik->setGeometry(458, 59, 60, 59);
    Ludzik->setAlignment(Qt::AlignCenter);

    auto arrowButton = [this](const QString &name, int left, bool right) {
        auto *button = new TVelResButton(this);
        button->setObjectName(name);
        button->SetRozmiar(rozUndefined);
        button->SetShowCaption(false);
        button->SetGlyph(Arrow(right));
        button->setGeometry(left, 78, 18, 24);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    btnLeft = arrowButton(u"btnLeft"_s, 422, false);
    btnRight = arrowButton(u"btnRight"_s, 533, true);
    connect(btnLeft, &QAbstractButton::clicked, this, [this] {
        m_set = 10;
        UpdateFigure();
    });
    connect(btnRight, &QAbstractButton::clicked, this, [this] {
        m_set = 20;
        UpdateFigure();
    });

    const int swatchX[] = {417, 439, 463, 485, 509, 533};
    const QColor fallback[] = {QColor(220, 40, 40), QColor(240, 150, 20), QColor(230, 210, 30),
                               QColor(0, 154, 43),  QColor(2, 174, 228),  QColor(140, 60, 180)};
    for (int i = 0; i < 6; ++i) {
        auto *swatch = new QLabel(this);
        swatch->setObjectName(u"Kolor%1"_s.arg(i + 1));
        swatch->setGeometry(swatchX[i], 127, 12, 12);
        QImage picture = Learner::Ui::SkinImage(u"COLOR%1"_s.arg(i + 1));
        if (picture.isNull()) {
            picture = QImage(12, 12, QImage::Format_RGB32);
            picture.fill(fallback[i]);
        }
        swatch->setPixmap(QPixmap::fromImage(picture));
    }
    kolor = new QSlider(Qt::Horizontal, this);
    kolor->setObjectName(u"kolor"_s);
    kolor->setGeometry(417, 145, 128, 19);
    kolor->setRange(0, 5);
    kolor->setPageStep(1);
    kolor->setTickPosition(QSlider::NoTicks);
    connect(kolor, &QSlider::valueChanged, this, [this] { UpdateFigure(); });

    btnOK = Learner::Ui::MakeButton(this, u"btnOK"_s, roz32, QRect(349, 294, 100, 32),
                                    Text(31, u"Utwórz profil"_s));
    btnCancel =
        Learner::Ui::MakeButton(this, u"btnCancel"_s, roz32, QRect(455, 294, 100, 32), Text(32, u"Anuluj"_s));
    btnClose = Learner::Ui::MakeSmallButton(this, u"btnClose"_s, {532, 2}, u"IMG_Close"_s);
    connect(btnOK, &QAbstractButton::clicked, this, [this] {
        if (Validate())
            accept();
    });
    connect(btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(btnClose, &QAbstractButton::clicked, this, &QDialog::reject);

    // Tab walks every field in reading order; buttons and boxes show when they have the focus.
    const QList<QWidget *> order{eLogin,  chPlec_K, chPlec_M, chPass, eHaslo,   eHaslo2,
                                 btnLeft, btnRight, kolor,    btnOK,  btnCancel};
    for (QWidget *field : order) {
        if (!qobject_cast<QLineEdit *>(field))
            field->setFocusPolicy(Qt::TabFocus);
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));

    connect(chPlec_K, &QAbstractButton::clicked, this, [this] { SetGender(true); });
    connect(chPlec_M, &QAbstractButton::clicked, this, [this] { SetGender(false); });
    connect(chPass, &QAbstractButton::toggled, this, [this] { UpdateState(); });
    connect(eLogin, &QLineEdit::textChanged, this, [this] { UpdateState(); });
    for (QLineEdit *field : {eLogin, eHaslo, eHaslo2})
        field->installEventFilter(this);

    ApplySkin(this);
    Prepare(TUser(), false, Learner::ProfileList());
}

TfrmNewUser::~TfrmNewUser() = default;

void TfrmNewUser::Prepare(const TUser &user, bool edit, const Learner::ProfileList &list)
{
    m_user = user;
    m_edit = edit;
    m_list = &list;
    VelDialogWindow1->SetCaption(edit ? Text(74, u"Edycja profilu"_s) : Text(73, u"Nowy profil"_s));
    if (!edit) {
        m_user.Gender = u"K"_s;
        m_user.Figure = 0;
    }
    eLogin->setText(m_user.Name);
    SetGender(m_user.Gender != u"M"_s);
    chPass->SetChecked(m_user.HasPassword);
    eHaslo->setText(m_user.HasPassword ? m_user.Password : QString());
    eHaslo2->setText(m_user.HasPassword ? m_user.Password : QString());
    if (edit) {
        m_set = Learner::FigureSet(m_user.Figure);
        kolor->setValue(Learner::FigureColour(m_user.Figure));
    } else {
        m_set = 10;
        kolor->setValue(0);
    }
    UpdateState();
    UpdateFigure();
    eLogin->setFocus();
}

int TfrmNewUser::Colour() const
{
    return kolor->value();
}

QString TfrmNewUser::FigurePictureName() const
{
    return u"C"_s + (chPlec_K->Checked() ? u"K"_s : u"M"_s) + QString::number(m_set + Colour() + 1);
}

void TfrmNewUser::SetGender(bool woman)
{
    chPlec_K->SetChecked(woman);
    chPlec_M->SetChecked(!woman);
    UpdateFigure();
}

void TfrmNewUser::UpdateFigure()
{
    Ludzik->setPixmap(QPixmap::fromImage(Learner::Ui::SkinImage(FigurePictureName())));
}

void TfrmNewUser::UpdateState()
{
    const bool protectedProfile = chPass->Checked();
    eHaslo->setEnabled(protectedProfile);
    eHaslo2->setEnabled(protectedProfile);
    btnOK->setEnabled(!eLogin->text().trimmed().isEmpty());
}

bool TfrmNewUser::Validate()
{
    const QString caption = Utils::GetInterfaceText(59);
    const auto tell = [&](const QString &text, QLineEdit *focus, bool select) {
        ShowSkinnedMessage(text, caption, smInformation);
        focus->setFocus();
        if (select)
            focus->selectAll();
        return false;
    };
    const int ownId = m_edit ? m_user.Id : 0;
    switch (m_list ? m_list->CheckName(eLogin->text(), ownId) : Learner::NameProblem::None) {
    case Learner::NameProblem::Empty:
        return tell(Utils::GetInterfaceText(58), eLogin, false);
    case Learner::NameProblem::Duplicate:
        return tell(Utils::GetInterfaceText(60), eLogin, true);
    case Learner::NameProblem::HasEquals:
        return tell(Text(118, u"Nazwa profilu nie może zawierać znaku \"=\"."_s), eLogin, true);
    case Learner::NameProblem::Unstorable:
        return tell(Text(119, u"Nazwa profilu zawiera znak, którego program nie potrafi zapisać. "
                              u"Użyj innych liter."_s),
                    eLogin, true);
    case Learner::NameProblem::None:
        break;
    }
    // The whole line must survive the scrambling of the profile list.
    TUser line = Result();
    line.Id = m_edit ? m_user.Id : (m_list ? m_list->NextId() : 1);
    if (!Learner::LineIsStorable(Learner::BuildProfileLine(line)))
        return tell(Text(119, u"Nazwa profilu zawiera znak, którego program nie potrafi zapisać. "
                              u"Użyj innych liter."_s),
                    eLogin, true);
    if (!chPass->Checked())
        return true;
    switch (Learner::CheckPassword(eHaslo->text(), eHaslo2->text())) {
    case Learner::PasswordProblem::TooShort:
        return tell(Utils::GetInterfaceText(61), eHaslo, false);
    case Learner::PasswordProblem::Mismatch:
        eHaslo2->clear();
        return tell(Utils::GetInterfaceText(62), eHaslo2, false);
    case Learner::PasswordProblem::None:
        break;
    }
    return true;
}

TUser TfrmNewUser::Result() const
{
    TUser user = m_user;
    user.Name = eLogin->text().trimmed();
    user.Figure = quint8(m_set + Colour());
    user.Gender = chPlec_K->Checked() ? u"K"_s : u"M"_s;
    user.HasPassword = chPass->Checked() ? 1 : 0;
    user.Password = chPass->Checked() ? eHaslo->text() : QString();
    return user;
}

void TfrmNewUser::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_F1:
        OpenHelp(u"h_log.html"_s, false, this);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return; // only the three fields press OK
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TfrmNewUser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        btnOK->Press();
        return true;
    }
    if (watched == eHaslo || watched == eHaslo2) {
        // Only letters, digits and the keys that move or delete are let through.
        const QString text = key->text();
        const bool editing = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                             key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                             key->key() == Qt::Key_Home || key->key() == Qt::Key_End ||
                             key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                             key->key() == Qt::Key_Escape || key->key() == Qt::Key_F1;
        if (!editing && (text.size() != 1 || !Learner::IsPasswordCharacter(text.at(0))))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool EditProfileDialog(TUser &user, bool edit, const Learner::ProfileList &list, QWidget *parent)
{
    if (DialogHook())
        return DialogHook()(user, edit);
    TfrmNewUser dialog(parent);
    dialog.Prepare(user, edit, list);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    user = dialog.Result();
    return true;
}

void SetProfileDialogHook(std::function<bool(TUser &user, bool edit)> hook)
{
    DialogHook() = std::move(hook);
}
