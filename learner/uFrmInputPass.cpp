#include "learner/uFrmInputPass.h"

#include "learner/LearnerUi.h"
#include "reference/uFrmPomoc.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using Learner::Ui::Text;

namespace {
std::function<PasswordAnswer()> &PromptHook()
{
    static std::function<PasswordAnswer()> hook;
    return hook;
}
} // namespace

TfrmInputPass::TfrmInputPass(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(u"frmInputPass"_s);
    setFixedSize(326, 177);
    setModal(true);

    VelDialogWindow1 = new TVelDialogWindow(this);
    VelDialogWindow1->setObjectName(u"VelDialogWindow1"_s);
    VelDialogWindow1->SetBelkaSize(bs40);
    VelDialogWindow1->SetDialogStyle(dsBlue);
    VelDialogWindow1->SetCaption(Text(81, u"Hasło"_s));

    lblPrompt = new QLabel(Text(80, u"Wprowadź hasło do profilu:"_s), this);
    lblPrompt->setObjectName(u"lblPrompt"_s);
    lblPrompt->setGeometry(17, 56, 292, 20);
    QFont bold(u"Tahoma"_s);
    bold.setPixelSize(13);
    bold.setBold(true);
    lblPrompt->setFont(bold);
    lblPrompt->setStyleSheet(u"color: rgb(52,52,52); background: transparent;"_s);

    ePass = new QLineEdit(this);
    ePass->setObjectName(u"ePass"_s);
    ePass->setGeometry(17, 82, 292, 32);
    ePass->setEchoMode(QLineEdit::Password);
    ePass->setMaxLength(15);
    QFont field(u"Tahoma"_s);
    field.setPixelSize(20);
    ePass->setFont(field);
    // The mask character is "*" whatever the style would choose.
    ePass->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s);

    btnOk = Learner::Ui::MakeButton(this, u"btnOk"_s, roz32, QRect(103, 131, 100, 32), u"OK"_s);
    btnAnuluj =
        Learner::Ui::MakeButton(this, u"btnAnuluj"_s, roz32, QRect(209, 131, 100, 32), Text(32, u"Anuluj"_s));
    btnClose = Learner::Ui::MakeSmallButton(this, u"btnClose"_s, {283, 2}, u"IMG_Close"_s);
    // Tab walks the field and the two buttons, each showing when it has the focus.
    for (TVelResButton *button : {btnOk, btnAnuluj})
        button->setFocusPolicy(Qt::TabFocus);
    setTabOrder(ePass, btnOk);
    setTabOrder(btnOk, btnAnuluj);
    connect(btnOk, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(btnClose, &QAbstractButton::clicked, this, &QDialog::reject);
    ApplySkin(this);
    ePass->setFocus();
}

TfrmInputPass::~TfrmInputPass() = default;

void TfrmInputPass::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnOk->Press();
        return;
    case Qt::Key_Escape:
        btnAnuluj->Press();
        return;
    case Qt::Key_F1:
        OpenHelp(u"h_index.html"_s, true, this);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

PasswordAnswer AskProfilePassword(QWidget *parent)
{
    if (PromptHook())
        return PromptHook()();
    TfrmInputPass dialog(parent);
    PasswordAnswer answer;
    if (dialog.exec() == QDialog::Accepted) {
        answer.Ok = true;
        answer.Text = dialog.ePass->text().trimmed();
    }
    return answer;
}

void SetPasswordPromptHook(std::function<PasswordAnswer()> hook)
{
    PromptHook() = std::move(hook);
}
