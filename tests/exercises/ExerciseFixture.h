#pragma once
// What every exercise screen test stands on: a temporary program folder with one learner, the
// skin bundle and fonts, a fake host that records results into the learner's real statistics
// file, and the hooks of the system and skinned message boxes, restored when the fixture ends.
// Screen tests link the screens and this header, never the real host or the main menu.

#include "course/Catalogue.h"
#include "exercises/RegisterExercises.h"
#include "exercises/frame/ExerciseHost.h"
#include "exercises/frame/ExerciseScreen.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "skin/VelBelka.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace ExerciseTests {

inline const QDate Today(2026, 12, 10);

// A host that gives screens what the program's host gives them, and keeps count.
class TFakeHost : public IExerciseHost
{
public:
    QPixmap Picture(const QString &imageName) const override
    {
        return QPixmap::fromImage(SkinPictureOrNull(CurrentSkin().Handle, imageName));
    }
    void SetButtonGlyph(TVelResButton *button, const QString &imageName, int state) override
    {
        ::SetButtonGlyph(button, imageName, state);
    }
    void SetupExerciseTitleBar(TVelBelka *bar) override
    {
        ++TitleBarSetups;
        if (!bar)
            return;
        bar->SetZalogowany(User.Name);
        bar->SetPlec(User.Gender.isEmpty() ? QChar() : User.Gender.at(0));
        bar->SetLudzikIndex(User.Figure);
        bar->SetTekstBelki(Utils::GetInterfaceText(29));
        QWidget *screen = bar->parentWidget();
        for (const QString &name : {QStringLiteral("btnMedia"), QStringLiteral("btnMedia2")}) {
            if (auto *button = screen->findChild<TVelResButton *>(name))
                SetButtonGlyph(button, QStringLiteral("IMG_Glosnik"), 1);
        }
        if (auto *button = screen->findChild<TVelResButton *>(QStringLiteral("btnSpr")))
            SetButtonGlyph(button, QStringLiteral("IMG_Sprawdz"), 1);
    }
    // The back button leaves as the host's does: record, then close; help and the others are
    // plain buttons the tests can look for.
    void RegisterExerciseScreen(QWidget *screen, int buttonSet) override
    {
        ++Registrations;
        LastButtonSet = buttonSet;
        const auto add = [screen](const QString &name) {
            auto *button = new TVelResButton(screen);
            button->setObjectName(QStringLiteral("btn_nawigacja_") + name);
            button->show();
            return button;
        };
        if (buttonSet & 4) {
            TVelResButton *back = add(QStringLiteral("wroc"));
            QObject::connect(back, &QAbstractButton::clicked, screen, [this, screen] {
                ++BackClicks;
                screen->close();
                RecordExerciseResult(screen);
            });
        }
        if (buttonSet & 2)
            add(QStringLiteral("help"));
        if (buttonSet & 16)
            add(QStringLiteral("slownik"));
    }
    void RecordExerciseResult(QWidget *screen) override
    {
        Learner::ResultPanelState panel;
        auto *result = screen->findChild<TVelProgress *>(QStringLiteral("Panel_Wynik"));
        if (result) {
            panel.Present = true;
            panel.Visible = result->isVisibleTo(screen);
            panel.Tag = result->Tag();
            panel.Value = result->Wynik();
        }
        const int tagBefore = panel.Tag;
        QString error;
        if (!Learner::RecordExerciseResult(Node, panel, Settings_, Today_, UsersFolder, User.Id, &error))
            Errors << error;
        if (result)
            result->SetTag(panel.Tag);
        if (panel.Tag != tagBefore)
            ++ScoresRecorded;
    }
    const TUser &LoggedInUser() const override { return User; }
    const LearnerSettings &Settings() const override { return Settings_; }
    QDate Today() const override { return Today_; }
    Utils::RandomPick Random() override { return Pick; }
    void ShowFirstUseNotice(int notice) override { Notices << notice; }
    Course::TElement *CurrentPackage() const override { return Package; }

    TUser User;
    LearnerSettings Settings_ = LearnerSettings::Defaults();
    QDate Today_ = ExerciseTests::Today;
    Utils::RandomPick Pick = [](int) { return 0; };
    Course::TElement Node;
    Course::TElement *Package = nullptr;
    QString UsersFolder;

    int Registrations = 0;
    int LastButtonSet = 0;
    int TitleBarSetups = 0;
    int BackClicks = 0;
    int ScoresRecorded = 0;
    QList<int> Notices;
    QStringList Errors;
};

// A program folder of its own, the skin, one learner (Id 1) and the fake host, for one test.
class TExerciseFixture
{
public:
    TExerciseFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        for (const char *sub : {"Users", "Dane", "Dane/Paczki", "Config", "Gfx", "Media", "Pomoc"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        m_oldProgram = Utils::ProgramFolder();
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        Host.UsersFolder = dir.path() + QStringLiteral("/Users");
        Host.User.Id = 1;
        Host.User.Name = QStringLiteral("Ola");
        Host.User.Gender = QStringLiteral("K");
        Host.User.Figure = 11;
        Learner::CreateEmptyStatisticsFile(Host.UsersFolder, 1);
        Learner::CreateDefaultSettingsFile(Host.UsersFolder, 1);
        Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { Errors << text; });
        SetSkinnedMessageHook([this](const QString &message, const QString &, int) {
            Messages << message;
            return 1;
        });
    }
    ~TExerciseFixture()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TExerciseScreen *>(w))
                delete w;
        }
        SetSkinnedMessageHook({});
        Utils::SetSystemErrorHandler({});
        Utils::SetProgramFolder(m_oldProgram);
        Utils::SetMediaRoot(m_oldProgram);
    }
    TExerciseFixture(const TExerciseFixture &) = delete;
    TExerciseFixture &operator=(const TExerciseFixture &) = delete;

    // Loads the built skin bundle and fonts once per test program (a missing bundle leaves
    // the screens without pictures, which the tests still run on).
    static void LoadSkin()
    {
        static bool loaded = false;
        if (loaded)
            return;
        loaded = true;
        InstallSkinFonts();
        const SkinRecord skin =
            LoadSkinLibrary(qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u'/' + SkinBundleFileName());
        if (skin.Handle)
            SetCurrentSkin(skin);
    }

    // Copies a folder of the assembled program folder (Config, Gfx\Background_roz ...) in.
    void CopyFromProgram(const QString &sub)
    {
        const QString from = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u'/' + sub;
        QDir().mkpath(dir.path() + u'/' + sub);
        for (const QFileInfo &fi : QDir(from).entryInfoList(QDir::Files))
            QFile::copy(fi.filePath(), dir.path() + u'/' + sub + u'/' + fi.fileName());
    }

    // Writes an exercise file into Dane and makes it the host's current node of kind.
    QString WriteExercise(const QString &name, const QByteArray &bytes, int kind)
    {
        const QString path = dir.path() + QStringLiteral("/Dane/") + name;
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        Host.Node.FileName = name;
        Host.Node.Kind = kind;
        Host.Node.NodeType = Course::NodeType::Exercise;
        return path;
    }

    // Opens path through the dispatch's opener of kind.
    TExerciseScreen *Open(int kind, const QString &path, const QString &marks = QString())
    {
        for (const TExerciseOpener &opener : ExerciseOpeners()) {
            if (opener.Kind == kind)
                return opener.Open(path, marks, Host);
        }
        return nullptr;
    }

    // The learner's record of file and kind in the statistics file: postep, data,
    // datapowtorka; empty strings when there is none.
    struct Record
    {
        bool Found = false;
        QString Data, Postep, DataPowtorka;
    };
    Record ReadRecord(const QString &file, int kind) const
    {
        Record r;
        QDomDocument doc;
        if (!Utils::ReadXmlFile(Learner::StatisticsPath(Host.UsersFolder, Host.User.Id), doc))
            return r;
        for (QDomElement plik = doc.documentElement().firstChildElement(QStringLiteral("plik"));
             !plik.isNull(); plik = plik.nextSiblingElement(QStringLiteral("plik"))) {
            if (plik.attribute(QStringLiteral("nazwa")) != file)
                continue;
            for (QDomElement d = plik.firstChildElement(QStringLiteral("dane")); !d.isNull();
                 d = d.nextSiblingElement(QStringLiteral("dane"))) {
                if (d.attribute(QStringLiteral("id")).toInt() != kind)
                    continue;
                r.Found = true;
                r.Data = d.firstChildElement(QStringLiteral("data")).text();
                r.Postep = d.firstChildElement(QStringLiteral("postep")).text();
                r.DataPowtorka = d.firstChildElement(QStringLiteral("datapowtorka")).text();
            }
        }
        return r;
    }

    QTemporaryDir dir;
    TFakeHost Host;
    QStringList Errors;   // system error boxes
    QStringList Messages; // skinned message boxes

private:
    QString m_oldProgram;
};

} // namespace ExerciseTests
