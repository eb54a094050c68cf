#pragma once
// TfrmMsgBox: the one skinned message box of the program, behind ShowSkinnedMessage.

#include <QDialog>

class TVelMsgBoxWindow;
class TAALabel;
class TVelResButton;

class TfrmMsgBox : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMsgBox)
public:
    explicit TfrmMsgBox(QWidget *parent = nullptr);
    ~TfrmMsgBox() override;

    // Fills the box for a message of kind 0 (question), 1 (information) or 2 (question whose
    // default answer is "Nie") and centres it on the screen, without showing it. The default
    // button has the focus; Tab moves it to the other one.
    void Prepare(const QString &message, const QString &caption, int kind);
    // Prepare, then show modally: 1 for Tak/OK, 0 for Nie or closing.
    int Execute(const QString &message, const QString &caption, int kind);
    int Kind() const { return m_kind; }
    // The button Enter and Space press now: the focused one, else the kind's default.
    TVelResButton *DefaultButton() const;

    TVelMsgBoxWindow *Body;
    TAALabel *lblTresc;
    TVelResButton *btnTak;
    TVelResButton *btnNie;
    TVelResButton *btnOK;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    int m_kind = 1;
};

// Created at start-up; null until then (ShowSkinnedMessage then makes one for itself).
extern TfrmMsgBox *frmMsgBox;
