// Benchmarks of the runtime's two costly paths: painting a full page of the table of contents
// (23 rows with icons, levels, result bars and dates) and switching the interface language on a
// course of 2,000 exercise files (catalogue scan, statistics load, list refill).
//
//   bench_runtime -iterations 20        (QtTest's benchmark options apply)

#include "app/uMain.h"
#include "course/Catalogue.h"
#include "learner/TUser.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/VelListBox.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int CourseFiles = 2000;
constexpr int Groups = 20;

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

QByteArray definitions()
{
    QByteArray groups;
    for (int g = 1; g <= Groups; ++g) {
        groups += "<grupa id=\"" + QByteArray::number(g) + "\"><tlumaczenie id=\"0\">Grupa " +
                  QByteArray::number(g) + "</tlumaczenie><tlumaczenie id=\"1\">Group " +
                  QByteArray::number(g) + "</tlumaczenie></grupa>\n";
    }
    QByteArray hints;
    for (int id = 1; id <= 117; ++id) {
        hints += "<hint id=\"" + QByteArray::number(id) + "\"><tlumaczenie id=\"0\">Tekst " +
                 QByteArray::number(id) + "</tlumaczenie><tlumaczenie id=\"1\">Text " +
                 QByteArray::number(id) + "</tlumaczenie></hint>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<definitions><languages>"
           "<lang id=\"0\" trans=\"true\">polski</lang><lang id=\"1\" "
           "trans=\"false\">English</lang></languages>\n"
           "<groups>" +
           groups + "</groups>\n<hinty>" + hints + "</hinty></definitions>\n";
}

QByteArray exercise(int n)
{
    const QByteArray number = QByteArray::number(n);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><id>" + number +
           "</id><nazwa id=\"0\">Ćwiczenie " + number + "</nazwa><nazwa id=\"1\">Exercise " + number +
           "</nazwa><multimedia></multimedia><grupa>" + QByteArray::number(n % Groups + 1) +
           "</grupa><poziom>" + QByteArray::number(n % 4 + 1) + "</poziom><typ_cw>" +
           QByteArray::number(n % 2 ? 3 : 4) +
           "</typ_cw><param1>0</param1><param2>0</param2></config><body/></cwiczenie>\n";
}

} // namespace

class BenchRuntime : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    TfrmMain *menu = nullptr;
    TfrmNawigacja *host = nullptr;
    TfrmWyborCwiczenia *selection = nullptr;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallSkinFonts();
        const QString bundle = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u'/' + SkinBundleFileName();
        if (!QFileInfo::exists(bundle))
            QSKIP("no skin bundle in the assembled program folder");
        const QString root = dir.path();
        QFile::copy(bundle, root + u'/' + SkinBundleFileName());
        writeFile(root + u"/Config/definitions.xml"_s, definitions());
        for (int n = 0; n < CourseFiles; ++n)
            writeFile(root + u"/Dane/e%1.xml"_s.arg(n, 4, 10, QChar(u'0')), exercise(n));
        QDir(root).mkpath(u"Users"_s);
        Utils::SetProgramFolder(root);
        Utils::SetMediaRoot(root);
        QVERIFY(Learner::CreateLearnerData(root + u"/Users"_s, 1));

        menu = frmMain = new TfrmMain;
        host = frmNawigacja = new TfrmNawigacja;
        host->SetLearner(&menu->LoggedInUser, &menu->Settings);
        host->SetMainMenu(menu);
        menu->LoggedInUser.Id = 1;
        selection = frmWyborCwiczenia = new TfrmWyborCwiczenia(host);
        QCOMPARE(host->CatalogueList().size(), CourseFiles + Groups);
    }

    void cleanupTestCase()
    {
        delete selection;
        delete host;
        delete menu;
    }

    void paintFullSelectionList()
    {
        for (Course::TElement *node : host->CatalogueList()) {
            node->HasResult = true;
            node->Progress = 73;
            node->LastDate = u"14-02-2027"_s;
        }
        selection->ExpandAll();
        selection->show();
        TVelListBox *list = selection->ExerciseList();
        QVERIFY(list->Count() > TfrmWyborCwiczenia::VisibleRows);
        QImage target(list->size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK
        {
            list->viewport()->render(&target);
        }
        selection->CollapseAll();
        selection->hide();
    }

    void switchInterfaceLanguage()
    {
        int language = 0;
        QBENCHMARK
        {
            language = 1 - language;
            menu->SwitchInterfaceLanguage(language);
        }
        QCOMPARE(host->CatalogueList().size(), CourseFiles + Groups);
    }
};

QTEST_MAIN(BenchRuntime)
#include "bench_runtime.moc"
