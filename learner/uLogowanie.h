#pragma once
// TfrmLogowanie: the login screen with the learner profiles, shown after start-up and created
// anew after every logout; it is destroyed when the learner logs in.

#include "learner/LearnerSession.h"
#include "learner/TUser.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;
class TAALabel;
class TVelBelka;
class TVelListBox;
class TVelResButton;
class TWOwnrScrllBar;

class TfrmLogowanie : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmLogowanie)
public:
    // Starts decoding the screen's background on a worker thread, so the first login screen
    // finds it ready.
    static void PrefetchBackground();
    explicit TfrmLogowanie(QWidget *parent = nullptr);
    ~TfrmLogowanie() override;

    // The model: the plain lines of usr.txt.
    Learner::ProfileList &Profiles() { return m_profiles; }
    void LoadProfileList();
    bool SaveProfileList();
    void RebuildRows();

    void CreateProfile();
    void EditProfile(int index);
    void DeleteProfile(int index);
    void LoginProfile(int index);

    // What a release at pos (in the row's coordinates) does.
    enum RowAction { RowLogin, RowEdit, RowDelete };
    static RowAction ActionAt(const QPoint &posInRow);

    // Users folder of the program.
    static QString UsersFolder();

    // The program's learner session, which a login fills (user and settings), and what a
    // changed interface language is handed to. Without a session the settings are read and
    // dropped.
    void SetSession(Learner::TLearnerSession *session, std::function<void(int)> switchLanguage);

    TVelBelka *VelBelka1 = nullptr;
    TVelResButton *btnBelkaHelp = nullptr;
    TVelResButton *btnMinimize = nullptr;
    TVelResButton *btnClose = nullptr;
    TAALabel *lblWybierz = nullptr;
    TAALabel *lblAby = nullptr;
    QLabel *Image1 = nullptr;
    TVelListBox *Lista = nullptr;
    TWOwnrScrllBar *SB = nullptr;
    TVelResButton *btnStworzProfil = nullptr;

signals:
    // The learner logged in: the session holds them and their settings; languageSwitched
    // when their interface language differed (the catalogue is then read anew). The screen
    // closes itself right after.
    void LoggedIn(const TUser &user, bool languageSwitched);
    // The learner confirmed closing the program from the login screen.
    void QuitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Learner::TLearnerSession *m_session = nullptr;
    std::function<void(int)> m_switchLanguage;
    bool CheckPassword(const TUser &user);
    void DrawRow(QPainter &painter, int index, const QRect &rect, bool hot);
    void UpdateScrollBar();
    void ShowError(const QString &text);

    Learner::ProfileList m_profiles;
    QImage m_background;
};

// The current login screen; null while a learner is logged in.
extern TfrmLogowanie *frmLogowanie;
