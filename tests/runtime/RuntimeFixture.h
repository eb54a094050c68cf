#pragma once
// A small course built by hand inside a temporary program folder, and an exercise screen that
// only has what the host looks at, for the widget tests of the host and the selection screen.

#include "course/Catalogue.h"
#include "exercises/frame/ExerciseScreen.h"
#include "learner/Struct_Stat.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/VelBelka.h"
#include "skin/VelProgress.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// An exercise screen of a kind (the multiple-choice test unless told) with a title bar and a
// result panel, in the real host.
class TFakeScreen : public TExerciseScreen
{
public:
    explicit TFakeScreen(int kind = 3) : TExerciseScreen(kind, *frmNawigacja)
    {
        CreateTitleBar();
        CreateResultPanel();
        FinishCreation();
    }
    bool LoadFile(const QString &) override { return true; }
};

// Every opening made through OpenExercise, and optionally a screen shown for it.
struct OpenLog
{
    struct Call
    {
        int kind;
        QString path;
        QString marks;
    };
    QList<Call> calls;
    QPointer<TExerciseScreen> lastScreen;
    int buttonSet = TfrmNawigacja::ExerciseButtons;

    void RegisterKinds(const QList<int> &kinds, bool showScreen = true)
    {
        for (int kind : kinds) {
            RegisterExerciseOpener(kind, [this, kind, showScreen](const QString &path, const QString &marks) {
                calls.append({kind, path, marks});
                if (!showScreen)
                    return;
                auto *screen = new TFakeScreen;
                frmNawigacja->RegisterExerciseScreen(screen, buttonSet);
                screen->show();
                lastScreen = screen;
            });
        }
    }
};

// A temporary program folder with a Users folder and learner 1's empty statistics.
class ProgramFolderFixture
{
public:
    ProgramFolderFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(dir.path()).mkpath(QStringLiteral("Users"));
        QDir(dir.path()).mkpath(QStringLiteral("Dane"));
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        Learner::CreateEmptyStatisticsFile(UsersFolder(), 1);
    }
    QString UsersFolder() const { return dir.path() + QStringLiteral("/Users"); }
    QByteArray Statistics() const
    {
        QFile file(Learner::StatisticsPath(UsersFolder(), 1));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QTemporaryDir dir;
};

// Builds nodes of the host's catalogue the way the scan does.
class CourseBuilder
{
public:
    explicit CourseBuilder(Course::TDrzewo &tree) : tree(tree) {}

    Course::TElement *Group(int number, const QString &title)
    {
        Course::TElement *node = tree.AddNode(nullptr);
        node->Id = number + 10;
        node->Group = number;
        node->NodeType = Course::NodeType::RootOrGroup;
        node->Title = title;
        return node;
    }
    Course::TElement *Exercise(Course::TElement *parent, int kind, const QString &file, const QString &title,
                               int level = 1)
    {
        Course::TElement *node = tree.AddNode(parent);
        node->Id = nextId++;
        node->Group = parent ? parent->Group : 99;
        node->Kind = kind;
        node->NodeType = Course::NodeType::Exercise;
        node->FileName = file;
        node->Title = title;
        node->Level = level;
        return node;
    }
    // A package of the given kind (101 to 104) with items of itemKinds.
    Course::TElement *Package(Course::TElement *parent, int kind, const QString &file, const QString &title,
                              const QList<int> &itemKinds)
    {
        Course::TElement *package = Exercise(parent, kind, file, title);
        package->NodeType = Course::NodeType::Package;
        package->PictureVariant = 1;
        int n = 0;
        for (int itemKind : itemKinds) {
            Course::TElement *item = tree.AddNode(package);
            item->Group = package->Group;
            item->Kind = itemKind;
            item->NodeType = Course::NodeType::PackageItem;
            item->FileName = kind == 101 ? QStringLiteral("Paczki\\item%1.xml").arg(++n) : file;
            item->Title = QStringLiteral("%1 item %2").arg(title).arg(item->Position);
        }
        return package;
    }

private:
    Course::TDrzewo &tree;
    int nextId = 0;
};

// What a test of the host or the selection screen leaves behind: the openers it registered
// and every exercise screen still open.
inline void CloseExerciseScreens()
{
    UnregisterExerciseOpeners();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<TExerciseScreen *>(w))
            delete w;
    }
}
