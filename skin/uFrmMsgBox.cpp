#include "skin/uFrmMsgBox.h"

#include "skin/AALabel.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

TfrmMsgBox *frmMsgBox = nullptr;

namespace {

TVelResButton *MakeButton(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *button = new TVelResButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->SetRozmiar(roz32);
    button->setGeometry(left, 146, 100, 32);
    button->SetCaption(caption);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    font.setBold(true);
    button->setFont(font);
    button->SetFontColor(QColor(52, 52, 52));
    return button;
}

} // namespace

TfrmMsgBox::TfrmMsgBox(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(u"frmMsgBox"_s);
    setFixedSize(423, 190);
    setModal(true);

    Body = new TVelMsgBoxWindow(this);
    Body->setObjectName(u"Body"_s);
    Body->SetBelkaSize(bs40);
    Body->SetDialogStyle(dsBlue);
    Body->SetAllowMoveWindow(true);

    lblTresc = new TAALabel(this);
    lblTresc->setObjectName(u"lblTresc"_s);
    lblTresc->setGeometry(93, 65, 305, 73);
    lblTresc->SetWordWrap(true);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(13);
    lblTresc->SetFont(font);
    lblTresc->SetFontColor(QColor(52, 52, 52));

    btnTak = MakeButton(this, "btnTak", u"Tak"_s, 193);
    btnNie = MakeButton(this, "btnNie", u"Nie"_s, 300);
    btnOK = MakeButton(this, "btnOK", u"OK"_s, 299);
    for (TVelResButton *button : {btnTak, btnNie, btnOK})
        button->setFocusPolicy(Qt::TabFocus);
    connect(btnTak, &QAbstractButton::clicked, this, [this] { done(1); });
    connect(btnOK, &QAbstractButton::clicked, this, [this] { done(1); });
    connect(btnNie, &QAbstractButton::clicked, this, [this] { done(0); });

    ApplySkin(this);
}

TfrmMsgBox::~TfrmMsgBox()
{
    if (frmMsgBox == this)
        frmMsgBox = nullptr;
}

void TfrmMsgBox::Prepare(const QString &message, const QString &caption, int kind)
{
    // The skin may have been loaded after the box was made.
    if (!Body->Skin())
        ApplySkin(this);
    m_kind = kind == smQuestion || kind == smQuestionDefaultNo ? kind : smInformation;
    lblTresc->SetCaption(message);
    Body->SetCaption(caption);
    const QString tak = Utils::GetInterfaceText(35);
    const QString nie = Utils::GetInterfaceText(36);
    btnTak->SetCaption(tak.isEmpty() ? u"Tak"_s : tak);
    btnNie->SetCaption(nie.isEmpty() ? u"Nie"_s : nie);
    const bool question = m_kind != smInformation;
    Body->SetIcon(question ? icoQuestion : icoInformation);
    btnTak->setVisible(question);
    btnNie->setVisible(question);
    btnOK->setVisible(!question);
    (m_kind == smQuestion ? btnTak : m_kind == smQuestionDefaultNo ? btnNie : btnOK)->setFocus();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
    }
}

int TfrmMsgBox::Execute(const QString &message, const QString &caption, int kind)
{
    Prepare(message, caption, kind);
    return exec() == 1 ? 1 : 0;
}

TVelResButton *TfrmMsgBox::DefaultButton() const
{
    // The box's focus child, whether or not the window system has made the box active yet.
    for (TVelResButton *button : {btnTak, btnNie, btnOK}) {
        if (focusWidget() == button && !button->isHidden())
            return button;
    }
    return m_kind == smQuestion ? btnTak : m_kind == smQuestionDefaultNo ? btnNie : btnOK;
}

void TfrmMsgBox::keyPressEvent(QKeyEvent *event)
{
    const bool question = m_kind != smInformation;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        DefaultButton()->Press();
        return;
    case Qt::Key_Escape:
        (question ? btnNie : btnOK)->Press();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfrmMsgBox::closeEvent(QCloseEvent *event)
{
    setResult(0);
    QDialog::closeEvent(event);
}
