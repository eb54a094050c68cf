#pragma once
// TfrmNewUser: the profile dialog, creating a profile or editing one.

#include "learner/TUser.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QSlider;
class TVelCheckBox;
class TVelDialogWindow;
class TVelResButton;

class TfrmNewUser : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmNewUser)
public:
    explicit TfrmNewUser(QWidget *parent = nullptr);
    ~TfrmNewUser() override;

    // Fills the dialog from user (in-memory Figure in edit mode); list is checked for
    // duplicate names and must outlive the dialog.
    void Prepare(const TUser &user, bool edit, const Learner::ProfileList &list);
    // The validation of OK: true when the dialog may close (otherwise the learner has been
    // told why and the focus moved).
    bool Validate();
    // The record the dialog gives on a valid OK (Figure in file numbering, Id kept).
    TUser Result() const;

    int FigureSetValue() const { return m_set; }
    int Colour() const;
    // "C" + K/M + (set + colour + 1).
    QString FigurePictureName() const;

    TVelDialogWindow *VelDialogWindow1 = nullptr;
    QLabel *lblNazwa = nullptr;
    QLineEdit *eLogin = nullptr;
    QLabel *lblPlec = nullptr;
    TVelCheckBox *chPlec_K = nullptr;
    TVelCheckBox *chPlec_M = nullptr;
    TVelCheckBox *chPass = nullptr;
    QLineEdit *eHaslo = nullptr;
    QLabel *lblPowtorzPass = nullptr;
    QLineEdit *eHaslo2 = nullptr;
    QLabel *lblAby = nullptr;
    QLabel *Ludzik = nullptr;
    TVelResButton *btnLeft = nullptr;
    TVelResButton *btnRight = nullptr;
    QSlider *kolor = nullptr;
    TVelResButton *btnOK = nullptr;
    TVelResButton *btnCancel = nullptr;
    TVelResButton *btnClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UpdateFigure();
    void UpdateState();
    void SetGender(bool woman);

    TUser m_user;
    bool m_edit = false;
    const Learner::ProfileList *m_list = nullptr;
    int m_set = 10;
};

// The modal dialog; true and user filled when confirmed. Tests answer through the hook.
bool EditProfileDialog(TUser &user, bool edit, const Learner::ProfileList &list, QWidget *parent = nullptr);
void SetProfileDialogHook(std::function<bool(TUser &user, bool edit)> hook);
