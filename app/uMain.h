#pragma once
// The main menu: the screen after login with the two ways into the course (learning and
// repetitions), settings and logout. It holds the logged-in learner's state that every screen
// reads, and the two program-wide operations that rebuild text.

#include "learner/LearnerSession.h"

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class TAALabel;
class TVelBelka;
class TVelGroupFrame;
class TVelResButton;

class TfrmMain : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMain)

    // The session the program hands in, or one of the menu's own (tests, the gallery).
    std::unique_ptr<Learner::TLearnerSession> m_ownSession;
    Learner::TLearnerSession *m_session;

public:
    explicit TfrmMain(QWidget *parent = nullptr, Learner::TLearnerSession *session = nullptr);
    ~TfrmMain() override;

    Learner::TLearnerSession &Session() const { return *m_session; }

    // The skin bundle was found; without it the program ends after the error box.
    bool SkinLoaded() const { return m_skinLoaded; }

    // The learner-wide state (values of the last login; not cleared at logout), held by the
    // session.
    TUser &LoggedInUser;
    LearnerSettings &Settings; // LearnerSettings of the text
    int InstructionLanguage = 1;
    // Set by login; the start sound is played at the next showing, then cleared.
    bool PlayStartSound = false;

    void ApplyInterfaceTexts();
    void SwitchInterfaceLanguage(int language);
    // The skinned question (texts 34 and 33); on yes closes the main menu and answers true.
    bool ConfirmExit();
    void Logout();

    // The entries and the title bar's own buttons.
    void OpenLearning();
    void OpenRepetitions();
    void OpenSettings();
    void OpenPublisherPage();

    // The page the publisher link opens: the course's own about page in "Pomoc".
    static QUrl PublisherPage();
    // How the publisher link reaches the system's browser (QDesktopServices until set); false
    // when nothing could open it, and the page then opens in the program's own help window.
    void SetUrlOpener(std::function<bool(const QUrl &)> opener);

signals:
    // Logout was confirmed and the main menu hidden: the program shows a new login screen.
    void LoggedOut();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateComponents();

    bool m_skinLoaded = false;
    TVelBelka *m_belka = nullptr;
    QLabel *m_background = nullptr;
    TVelResButton *m_btnWyloguj = nullptr;
    TVelResButton *m_btnUstawienia = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_image2 = nullptr;
    TAALabel *m_btnSpisCwiczen = nullptr;
    TAALabel *m_btnPowtorki = nullptr;
    QWidget *m_paintBox1 = nullptr;
    QWidget *m_paintBox2 = nullptr;
    QWidget *m_paintBox3 = nullptr;
    TVelGroupFrame *m_ramka = nullptr;
    std::function<bool(const QUrl &)> m_openUrl;
};

extern TfrmMain *frmMain;
