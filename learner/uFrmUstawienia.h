#pragma once
// TfrmUstawienia: the settings dialog, and the settings operations of the logged-in learner
// that work on the main menu's LoggedInUser and Settings.

#include "learner/LearnerSession.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"

#include <QDialog>
#include <QList>

#include <functional>

class QComboBox;
class QLabel;
class QSpinBox;
class TVelCheckBox;
class TVelDialogWindow;
class TVelResButton;
namespace Course {
struct TLanguage;
}

class TfrmUstawienia : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmUstawienia)
public:
    explicit TfrmUstawienia(QWidget *parent = nullptr);
    ~TfrmUstawienia() override;

    // Fills the lists from the languages (document order) and the controls from settings.
    void Prepare(const QList<Course::TLanguage> &languages, const LearnerSettings &settings);
    // The settings the controls show (what Zapisz stores); Reserved6 is 3.
    LearnerSettings Chosen(const LearnerSettings &current) const;
    // A selection change in cbLang since Prepare.
    bool LanguageChanged() const { return m_languageChanged; }

    // The flag picture of a language id ("F0", "F1", "F2", "F4"); null when there is none.
    static QImage FlagPicture(int id);
    // The name a list item shows: the text before "=", first letter upper-cased; "español"
    // for id 4 in cbLang.
    static QString ItemName(const QString &item, bool interfaceList);

    TVelDialogWindow *VelDialogWindow1 = nullptr;
    QLabel *lblLang1 = nullptr;
    QComboBox *cbLang = nullptr;
    QLabel *lblLang2 = nullptr;
    QComboBox *cbLang2 = nullptr;
    TVelCheckBox *chArchiwizuj = nullptr;
    TVelCheckBox *chCzyPowtorki = nullptr;
    QLabel *lblProgPowtorek = nullptr;
    QSpinBox *eProgPowtorek = nullptr;
    TVelCheckBox *chInterpunkcja = nullptr;
    TVelCheckBox *chWielkoscLiter = nullptr;
    TVelResButton *btnZapisz = nullptr;
    TVelResButton *btnAnuluj = nullptr;
    TVelResButton *btnClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_languageChanged = false;
};

// Reads the learner's settings file into settings (re-creating a missing or damaged one);
// when the interface language read differs from the current one, switchLanguage is called
// with it. Returns whether it was.
// A damaged file is kept aside under a name dated today.
bool LoadLearnerSettings(const TUser &user, LearnerSettings &settings, const QDate &today,
                         const std::function<void(int)> &switchLanguage);
// Writes the session's settings into its learner's file; a failure is told to the learner.
void SaveLearnerSettings(const Learner::TLearnerSession &session);
// The modal dialog of the main menu's settings button, over parent. A changed interface
// language is handed to switchLanguage after the settings are saved.
void ShowSettingsDialog(Learner::TLearnerSession &session, QWidget *parent,
                        const std::function<void(int)> &switchLanguage);
// First-use notice 7, 8 or 9 on the given learner's settings: shown and saved when still
// pending. Returns whether it was shown.
bool ShowFirstUseNotice(int notice, LearnerSettings &settings, const TUser &user);
// The same for the session's learner; the host hands it to the exercise screens.
void ShowFirstUseNotice(Learner::TLearnerSession &session, int notice);
