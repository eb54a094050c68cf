// The login screen, the profile dialog, the password prompt's use and the settings dialog,
// driven offscreen with the message boxes and dialogs answered by hooks.

#include "course/Struct_Definitions.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "learner/uFrmInputPass.h"
#include "learner/uFrmNewUser.h"
#include "learner/uFrmUstawienia.h"
#include "learner/uLogowanie.h"
#include "skin/VelCheckBox.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/WOwnrScrllBar.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Learner;
using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QString text;
    int kind;
};

TUser Profile(const QString &name, const QString &gender = QStringLiteral("K"), int fileFigure = 10)
{
    TUser user;
    user.Name = name;
    user.Gender = gender;
    user.Figure = quint8(fileFigure);
    return user;
}

} // namespace

class TstLearnerScreens : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QList<Message> messages;
    int answer = 1;
    QStringList errors;

    QString users() const { return dir.filePath(QStringLiteral("Users")); }
    void writeProfiles(const QStringList &lines)
    {
        ProfileList list;
        list.Lines = lines;
        QVERIFY(list.Save(ProfileListPath(users())));
        for (const QString &line : lines)
            QVERIFY(CreateLearnerData(users(), ParseProfileLine(line).Id));
    }
    QStringList lines() const
    {
        ProfileList list;
        list.Load(ProfileListPath(users()), QDate(2026, 12, 10));
        return list.Lines;
    }
    static void releaseOnRow(TfrmLogowanie &screen, int row, const QPoint &inRow)
    {
        const QPoint pos(inRow.x(), (row - screen.Lista->TopIndex()) * 75 + inRow.y());
        QTest::mouseRelease(screen.Lista->viewport(), Qt::LeftButton, {}, pos);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        Utils::SetProgramFolder(dir.path());
        InstallSkinFonts();
        const QString bundle =
            qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + QStringLiteral("/resource.rcc");
        if (QFile::exists(bundle))
            LoadSkinLibrary(bundle);
        Utils::InterfaceTexts() = {QStringLiteral("59=Informacja"),
                                   QStringLiteral("60=Taki profil już istnieje"),
                                   QStringLiteral("61=Hasło za krótkie"),
                                   QStringLiteral("62=Hasła różne"),
                                   QStringLiteral("75=Złe hasło"),
                                   QStringLiteral("76=Usunąć profil?"),
                                   QStringLiteral("90=Zdania: pierwsze użycie")};
        SetSkinnedMessageHook([this](const QString &text, const QString &, int kind) {
            messages << Message{text, kind};
            return answer;
        });
        Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { errors << text; });
    }
    void init()
    {
        messages.clear();
        errors.clear();
        answer = 1;
        QDir(users()).removeRecursively();
        QVERIFY(QDir().mkpath(users()));
        SetProfileDialogHook({});
        SetPasswordPromptHook({});
    }

    void rowsAndScrollBar_data()
    {
        QTest::addColumn<int>("profiles");
        QTest::addRow("none") << 0;
        QTest::addRow("one") << 1;
        QTest::addRow("five") << 5;
        QTest::addRow("six") << 6;
    }
    void rowsAndScrollBar()
    {
        QFETCH(int, profiles);
        QStringList list;
        for (int i = 1; i <= profiles; ++i)
            list << QStringLiteral("%1=Osoba%1=M=0==2%2").arg(i).arg(i % 6);
        writeProfiles(list);
        TfrmLogowanie screen;
        screen.show();
        QCOMPARE(screen.Lista->Count(), profiles);
        QCOMPARE(screen.Lista->height(), 75 * qMin(profiles, 5));
        QCOMPARE(screen.SB->isVisible(), profiles > 5);
        if (profiles == 6) {
            QCOMPARE(screen.SB->Max(), 1);
            QVERIFY(screen.SB->SetPosition(1));
            QCOMPARE(screen.Lista->TopIndex(), 1);
            // Deleting one hides the bar and shows every row from the first.
            releaseOnRow(screen, 5, {110, 60});
            QCOMPARE(screen.Lista->Count(), 5);
            QVERIFY(!screen.SB->isVisible());
            QCOMPARE(screen.Lista->TopIndex(), 0);
            QCOMPARE(ParseProfileLine(lines().last()).Id, 5);
        }
    }

    void hitZones_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("action");
        QTest::addRow("edit top left") << QPoint(88, 55) << int(TfrmLogowanie::RowEdit);
        QTest::addRow("edit bottom right") << QPoint(98, 65) << int(TfrmLogowanie::RowEdit);
        QTest::addRow("right of edit") << QPoint(99, 60) << int(TfrmLogowanie::RowLogin);
        QTest::addRow("delete") << QPoint(107, 55) << int(TfrmLogowanie::RowDelete);
        QTest::addRow("right of delete") << QPoint(115, 60) << int(TfrmLogowanie::RowLogin);
        QTest::addRow("below icons") << QPoint(90, 66) << int(TfrmLogowanie::RowLogin);
        QTest::addRow("figure") << QPoint(30, 30) << int(TfrmLogowanie::RowLogin);
    }
    void hitZones()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, action);
        QCOMPARE(int(TfrmLogowanie::ActionAt(pos)), action);
    }

    void createProfile()
    {
        SetProfileDialogHook([](TUser &user, bool edit) {
            if (edit)
                return false;
            user = Profile(QStringLiteral("Żaneta"), QStringLiteral("K"), 20);
            return true;
        });
        writeProfiles({QStringLiteral("1=Anna=K=0==10")});
        TfrmLogowanie screen;
        QTest::mouseClick(screen.btnStworzProfil, Qt::LeftButton);
        QCOMPARE(lines(),
                 (QStringList{QStringLiteral("1=Anna=K=0==10"), QStringLiteral("2=Żaneta=K=0==20")}));
        QCOMPARE(screen.Lista->Count(), 2);
        for (const QString &name : {QStringLiteral("2_stat.xml"), QStringLiteral("2_config.xml"),
                                    QStringLiteral("2_Media_arch"), QStringLiteral("2_Media_temp")})
            QVERIFY2(QFileInfo::exists(users() + QLatin1Char('/') + name), qPrintable(name));
        QVERIFY(errors.isEmpty());
    }

    // The row's figure is file figure + 1, and editing starts from it.
    void editKeepsIdAndFigure()
    {
        writeProfiles({QStringLiteral("1=Anna=K=0==10"), QStringLiteral("2=Jan=M=0==25")});
        TUser seen;
        SetProfileDialogHook([&seen](TUser &user, bool edit) {
            seen = user;
            if (!edit)
                return false;
            user.Name = QStringLiteral("Janek");
            user.Figure = 21; // file numbering, as the dialog gives it
            return true;
        });
        TfrmLogowanie screen;
        releaseOnRow(screen, 1, {90, 60});
        QCOMPARE(seen.Id, 2);
        QCOMPARE(seen.Figure, quint8(26));
        QCOMPARE(seen.FigurePicture(), QStringLiteral("CM26"));
        QCOMPARE(lines(), (QStringList{QStringLiteral("1=Anna=K=0==10"), QStringLiteral("2=Janek=M=0==21")}));
    }

    void deleteAsksAndRemovesEverything()
    {
        writeProfiles({QStringLiteral("1=Anna=K=0==10"), QStringLiteral("2=Jan=M=0==25")});
        TfrmLogowanie screen;
        answer = 0; // Nie
        releaseOnRow(screen, 0, {110, 60});
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Usunąć profil?"));
        QCOMPARE(messages[0].kind, int(smQuestionDefaultNo)); // Enter alone never deletes
        QCOMPARE(lines().size(), 2);
        answer = 1;
        releaseOnRow(screen, 0, {110, 60});
        QCOMPARE(lines(), QStringList{QStringLiteral("2=Jan=M=0==25")});
        QStringList left = QDir(users()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        left.removeAll(QStringLiteral("usr.txt"));
        QVERIFY2(std::all_of(left.begin(), left.end(), [](const QString &n) { return n.startsWith(u'2'); }),
                 qPrintable(left.join(u',')));
    }

    void passwordBeforeLogin_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("told");
        QTest::addRow("right") << true << QStringLiteral("Tajne1") << true << false;
        QTest::addRow("other case") << true << QStringLiteral("tajne1") << false << true;
        QTest::addRow("cancelled") << false << QString() << false << false;
    }
    void passwordBeforeLogin()
    {
        QFETCH(bool, ok);
        QFETCH(QString, typed);
        QFETCH(bool, loggedIn);
        QFETCH(bool, told);
        writeProfiles({QStringLiteral("1=Anna=K=1=Tajne1=10")});
        SetPasswordPromptHook([&] { return PasswordAnswer{ok, typed}; });
        auto *screen = new TfrmLogowanie;
        QPointer<TfrmLogowanie> alive(screen);
        screen->show();
        QSignalSpy spy(screen, &TfrmLogowanie::LoggedIn);
        releaseOnRow(*screen, 0, {200, 30});
        QCOMPARE(spy.size(), loggedIn ? 1 : 0);
        QCOMPARE(messages.size(), told ? 1 : 0);
        if (told)
            QCOMPARE(messages[0].text, QStringLiteral("Złe hasło"));
        if (loggedIn) {
            QCOMPARE(spy[0][0].value<TUser>().Figure, quint8(11));
            QTRY_VERIFY(alive.isNull()); // the screen is destroyed at login
        } else {
            QVERIFY(screen->isVisible());
            delete screen;
        }
    }

    // Login loads the learner's settings, re-creating a missing file.
    void loginRecreatesMissingSettings()
    {
        writeProfiles({QStringLiteral("1=Anna=K=0==10")});
        QFile::remove(SettingsPath(users(), 1));
        auto *screen = new TfrmLogowanie;
        releaseOnRow(*screen, 0, {200, 30});
        QCOMPARE(errors, QStringList{QStringLiteral(
                             "Brak pliku ustawień użytkownika! Plik został stworzony ponownie! ")});
        QVERIFY(QFile::exists(SettingsPath(users(), 1)));
    }

    void profileDialogModes()
    {
        ProfileList list;
        list.Lines = {QStringLiteral("1=Anna=K=0==10")};
        TfrmNewUser dialog;
        dialog.show();
        dialog.Prepare(TUser(), false, list);
        QVERIFY(dialog.chPlec_K->Checked());
        QCOMPARE(dialog.FigurePictureName(), QStringLiteral("CK11"));
        QVERIFY(!dialog.btnOK->isEnabled());
        QVERIFY(!dialog.eHaslo->isEnabled());

        TUser jan = ParseProfileLine(QStringLiteral("2=Jan=M=1=abc=23"));
        dialog.Prepare(jan, true, list);
        QCOMPARE(dialog.FigureSetValue(), 20);
        QCOMPARE(dialog.Colour(), 3);
        QCOMPARE(dialog.FigurePictureName(), QStringLiteral("CM24"));
        QCOMPARE(dialog.eHaslo->text(), QStringLiteral("abc"));
        QCOMPARE(dialog.eHaslo2->text(), QStringLiteral("abc"));
        QTest::mouseClick(dialog.btnLeft, Qt::LeftButton);
        dialog.chPlec_K->click();
        QVERIFY(!dialog.chPlec_M->Checked());
        QCOMPARE(dialog.FigurePictureName(), QStringLiteral("CK14"));
        const TUser result = dialog.Result();
        QCOMPARE(result.Id, 2);
        QCOMPARE(result.Figure, quint8(13));
        QCOMPARE(result.Gender, QStringLiteral("K"));
    }

    void profileDialogValidation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("protect");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repetition");
        QTest::addColumn<QString>("message"); // empty: valid
        QTest::addRow("valid") << QStringLiteral("Ola") << false << QString() << QString() << QString();
        QTest::addRow("duplicate") << QStringLiteral("ANNA") << false << QString() << QString()
                                   << QStringLiteral("Taki profil już istnieje");
        QTest::addRow("equals") << QStringLiteral("a=b") << false << QString() << QString()
                                << QStringLiteral("=");
        QTest::addRow("short password") << QStringLiteral("Ola") << true << QStringLiteral("ab")
                                        << QStringLiteral("ab") << QStringLiteral("Hasło za krótkie");
        QTest::addRow("different") << QStringLiteral("Ola") << true << QStringLiteral("abc")
                                   << QStringLiteral("abd") << QStringLiteral("Hasła różne");
        QTest::addRow("protected valid")
            << QStringLiteral("Ola") << true << QStringLiteral("abc") << QStringLiteral("abc") << QString();
    }
    void profileDialogValidation()
    {
        QFETCH(QString, name);
        QFETCH(bool, protect);
        QFETCH(QString, password);
        QFETCH(QString, repetition);
        QFETCH(QString, message);
        ProfileList list;
        list.Lines = {QStringLiteral("1=Anna=K=0==10")};
        TfrmNewUser dialog;
        dialog.show();
        dialog.Prepare(TUser(), false, list);
        dialog.eLogin->setText(name);
        if (protect)
            dialog.chPass->click();
        QCOMPARE(dialog.eHaslo->isEnabled(), protect);
        QTest::keyClicks(dialog.eHaslo, password);
        QTest::keyClicks(dialog.eHaslo2, repetition);
        QCOMPARE(dialog.Validate(), message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].text.contains(message), qPrintable(messages[0].text));
        }
        if (message == QStringLiteral("Hasła różne"))
            QVERIFY(dialog.eHaslo2->text().isEmpty());
    }

    void passwordFieldTakesLettersAndDigits()
    {
        TfrmNewUser dialog;
        dialog.show();
        dialog.chPass->click();
        QTest::keyClicks(dialog.eHaslo, QStringLiteral("a b-1Z=9"));
        QKeyEvent polish(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ą"));
        QApplication::sendEvent(dialog.eHaslo, &polish);
        QCOMPARE(dialog.eHaslo->text(), QStringLiteral("ab1Z9"));
        QTest::keyClick(dialog.eHaslo, Qt::Key_Backspace);
        QCOMPARE(dialog.eHaslo->text(), QStringLiteral("ab1Z"));
        QTest::keyClicks(dialog.eHaslo, QStringLiteral("0123456789abcdefgh"));
        QCOMPARE(dialog.eHaslo->text().size(), 15);
        dialog.eLogin->setText(QString(20, QLatin1Char('x')));
        QCOMPARE(dialog.eLogin->text().size(), 15);
    }

    void settingsDialog()
    {
        QList<Course::TLanguage> languages{{0, true, QStringLiteral("Polski")},
                                           {1, false, QStringLiteral("English")},
                                           {4, true, QStringLiteral("Espanol")}};
        LearnerSettings settings = LearnerSettings::Defaults();
        settings.TranslationLanguage = 7; // not offered: the first item
        settings.Reserved6 = 7;
        TfrmUstawienia dialog;
        dialog.show();
        dialog.Prepare(languages, settings);
        QCOMPARE(dialog.cbLang->count(), 3);
        QCOMPARE(dialog.cbLang->itemText(0), QStringLiteral("polski=0"));
        QCOMPARE(dialog.cbLang->currentIndex(), 0);
        QCOMPARE(dialog.cbLang2->count(), 3);
        QCOMPARE(dialog.cbLang2->itemText(0), QStringLiteral("BRAK TŁUMACZEŃ=255"));
        QCOMPARE(dialog.cbLang2->currentIndex(), 0);
        QCOMPARE(TfrmUstawienia::ItemName(dialog.cbLang->itemText(2), true), QStringLiteral("Español"));
        QCOMPARE(TfrmUstawienia::ItemName(dialog.cbLang2->itemText(2), false), QStringLiteral("Espanol"));
        QCOMPARE(TfrmUstawienia::ItemName(dialog.cbLang->itemText(1), true), QStringLiteral("English"));
        QCOMPARE(dialog.eProgPowtorek->minimum(), 31);
        QCOMPARE(dialog.eProgPowtorek->maximum(), 100);
        QVERIFY(dialog.chCzyPowtorki->Checked());
        QVERIFY(!TfrmUstawienia::FlagPicture(4).isNull());
        QCOMPARE(TfrmUstawienia::FlagPicture(4).size(), QSize(24, 15));
        QVERIFY(TfrmUstawienia::FlagPicture(3).isNull());

        dialog.chCzyPowtorki->click();
        dialog.eProgPowtorek->setValue(10); // below the range
        LearnerSettings chosen = dialog.Chosen(settings);
        QCOMPARE(chosen.TranslationLanguage, quint8(255));
        QCOMPARE(chosen.ScheduleRepetitions, quint8(0));
        QCOMPARE(chosen.RepetitionThreshold, 31);
        QCOMPARE(chosen.Reserved6, 3);
        QVERIFY(!dialog.LanguageChanged());
        emit dialog.cbLang->activated(1);
        dialog.cbLang->setCurrentIndex(1);
        QVERIFY(dialog.LanguageChanged());
        QCOMPARE(dialog.Chosen(settings).InterfaceLanguage, quint8(1));

        // A language missing from the definitions is kept.
        settings.InterfaceLanguage = 9;
        dialog.Prepare(languages, settings);
        QCOMPARE(dialog.cbLang->currentIndex(), -1);
        QCOMPARE(dialog.Chosen(settings).InterfaceLanguage, quint8(9));
    }

    // Tab walks every field of the password prompt and of the profile dialog, round to the
    // first again; disabled fields are passed over.
    void tabWalksEveryField_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QStringList>("order");
        QTest::addRow("password prompt")
            << 0 << QStringList{u"ePass"_s, u"btnOk"_s, u"btnAnuluj"_s, u"ePass"_s};
        QTest::addRow("profile dialog without password")
            << 1 << QStringList{u"eLogin"_s,   u"chPlec_K"_s, u"chPlec_M"_s, u"chPass"_s,    u"btnLeft"_s,
                                u"btnRight"_s, u"kolor"_s,    u"btnOK"_s,    u"btnCancel"_s, u"eLogin"_s};
        QTest::addRow("profile dialog with password")
            << 2 << QStringList{u"eLogin"_s, u"chPlec_K"_s, u"chPlec_M"_s,  u"chPass"_s,
                                u"eHaslo"_s, u"eHaslo2"_s,  u"btnLeft"_s,   u"btnRight"_s,
                                u"kolor"_s,  u"btnOK"_s,    u"btnCancel"_s, u"eLogin"_s};
    }
    void tabWalksEveryField()
    {
        QFETCH(int, dialog);
        QFETCH(QStringList, order);
        std::unique_ptr<QDialog> shown;
        if (dialog == 0) {
            shown = std::make_unique<TfrmInputPass>();
        } else {
            auto *profile = new TfrmNewUser;
            profile->eLogin->setText(QStringLiteral("Ola"));
            profile->chPass->SetChecked(dialog == 2);
            shown.reset(profile);
        }
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QWidget *first = shown->findChild<QWidget *>(order.first());
        first->setFocus(Qt::TabFocusReason);
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, order);
    }

    // A button or box that has the keyboard focus looks different from one that has not.
    void focusIsVisible()
    {
        TfrmInputPass prompt;
        prompt.show();
        prompt.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&prompt));
        const QImage before = prompt.btnOk->grab().toImage();
        prompt.btnOk->setFocus(Qt::TabFocusReason);
        QVERIFY(prompt.btnOk->hasFocus());
        QVERIFY(prompt.btnOk->grab().toImage() != before);

        TfrmNewUser profile;
        profile.show();
        profile.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&profile));
        const QImage box = profile.chPass->grab().toImage();
        profile.chPass->setFocus(Qt::TabFocusReason);
        QVERIFY(profile.chPass->grab().toImage() != box);
    }

    // Both password fields mask with the same character.
    void oneMaskCharacter()
    {
        TfrmInputPass prompt;
        TfrmNewUser profile;
        const auto mask = [](QLineEdit *field) {
            return field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field);
        };
        QCOMPARE(mask(prompt.ePass), int(u'*'));
        QCOMPARE(mask(profile.eHaslo), int(u'*'));
        QCOMPARE(mask(profile.eHaslo2), int(u'*'));
    }

    // Enter saves the settings dialog from its fields.
    void enterSavesTheSettings_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addRow("the dialog") << QString();
        QTest::addRow("threshold field") << u"eProgPowtorek"_s;
        QTest::addRow("interface language list") << u"cbLang"_s;
        QTest::addRow("a check box") << u"chArchiwizuj"_s;
    }
    void enterSavesTheSettings()
    {
        QFETCH(QString, field);
        TfrmUstawienia dialog;
        dialog.Prepare({{0, true, QStringLiteral("polski")}}, LearnerSettings::Defaults());
        QTimer::singleShot(0, &dialog, [&] {
            QWidget *target = field.isEmpty() ? &dialog : dialog.findChild<QWidget *>(field);
            QTest::keyClick(target, Qt::Key_Return);
        });
        QTimer::singleShot(2000, &dialog, [&] { dialog.reject(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void firstUseNoticeOnce()
    {
        TUser user = Profile(QStringLiteral("Ola"));
        user.Id = 5;
        QVERIFY(CreateDefaultSettingsFile(users(), 5));
        LearnerSettings settings = LearnerSettings::Defaults();
        QVERIFY(ShowFirstUseNotice(7, settings, user));
        QVERIFY(!ShowFirstUseNotice(7, settings, user));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Zdania: pierwsze użycie"));
        QCOMPARE(messages[0].kind, int(smInformation));
        LearnerSettings stored;
        LoadSettingsFile(users(), 5, stored, QDate(2026, 12, 10));
        QCOMPARE(stored.SentenceNoticePending, quint8(0));
        QCOMPARE(stored.DialogueNoticePending, quint8(1));
    }
};

QTEST_MAIN(TstLearnerScreens)
#include "tst_learner_screens.moc"
