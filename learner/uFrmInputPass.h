#pragma once
// TfrmInputPass: the password prompt before login, editing and deleting a protected profile.

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;
class QLabel;
class TVelDialogWindow;
class TVelResButton;

class TfrmInputPass : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmInputPass)
public:
    explicit TfrmInputPass(QWidget *parent = nullptr);
    ~TfrmInputPass() override;

    TVelDialogWindow *VelDialogWindow1 = nullptr;
    QLabel *lblPrompt = nullptr;
    QLineEdit *ePass = nullptr;
    TVelResButton *btnOk = nullptr;
    TVelResButton *btnAnuluj = nullptr;
    TVelResButton *btnClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

struct PasswordAnswer
{
    bool Ok = false;
    QString Text; // trimmed; empty when cancelled
};

// The modal prompt. Tests answer it through the hook instead.
PasswordAnswer AskProfilePassword(QWidget *parent = nullptr);
void SetPasswordPromptHook(std::function<PasswordAnswer()> hook);
