// The dialogue package on the learner's road, with the program's own host and selection screen:
// the presentation opened from the table of contents, a line recorded with the mouse held and
// played back, the dialogue printed to PDF under the package's title, the back button
// recording the visit as seen and keeping the recording, and the next visit showing and
// playing the kept recording; the comprehension and the completion of the same dialogue
// opened from the list and worked through to the score in the learner's statistics.

#include "course/Catalogue.h"
#include "exercises/RegisterExercises.h"
#include "exercises/dialogues/uFrmDialogi_Dop.h"
#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "exercises/dialogues/uFrmDialogi_Rozum.h"
#include "exercises/shared/Klocek.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "media/MediaServices.h"
#include "media/SoundService.h"
#include "media/WaveFile.h"
#include "media/uMedia.h"
#include "reference/Printing.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "tests/media/PcmRecorder.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDomDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using Completion::TileName;
using Course::TElement;
using DialogueLayout::TPresentationZone;

namespace {

const QDate Today(2026, 12, 10);

const QByteArray Package =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>100</typ_cw><grupa>1</grupa>"
    "<poziom>1</poziom><multimedia></multimedia><param1>2</param1><param2>17</param2></config><body>"
    "<tryb_znikania id=\"1\">1</tryb_znikania><tryb_znikania id=\"2\">1</tryb_znikania><polecenia>"
    "<typ id=\"1\"><polecenie id=\"1\">Listen and record.</polecenie></typ>"
    "<typ id=\"4\"><polecenie id=\"1\">Click the line you hear.</polecenie></typ>"
    "<typ id=\"8\"><polecenie id=\"1\">Drag the words into the gaps.</polecenie></typ></polecenia>"
    "<kwestia id=\"1\" osoba=\"1\" sampel=\"cafe_01.mp3\" visible=\"1\"><tresc>What can I &lt;get&gt; "
    "you?</tresc>"
    "<tlumaczenie id=\"0\">Co podać?</tlumaczenie></kwestia>"
    "<kwestia id=\"2\" osoba=\"3\" sampel=\"cafe_02.mp3\" visible=\"0\"><tresc>A tea, please.</tresc>"
    "<tlumaczenie id=\"0\">Poproszę herbatę.</tlumaczenie></kwestia>"
    "<kwestia id=\"3\" osoba=\"1\" sampel=\"cafe_03.mp3\" visible=\"0\"><tresc>Here &lt;you&gt; "
    "are.</tresc></kwestia></body></cwiczenie>";

class TSounds final : public Media::ISoundService
{
public:
    QStringList Played;
    void PlayWave(const QByteArray &) override {}
    void PlayWaveFile(const QString &path) override { Played << path; }
    void Stop() override {}
};

class TPdfPrinter final : public Reference::IPrintService
{
public:
    QString File;
    Reference::PrintOutcome Print(QTextDocument &document, const QString &, int fromPage, int toPage,
                                  double marginMm) override
    {
        return Reference::SystemPrintService::PrintToPdf(document, File, fromPage, toPage, marginMm);
    }
};

QString PdfText(const QString &file)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {file, u"-"_s});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

class DialogueRoad : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    TUser learner;
    LearnerSettings settings = LearnerSettings::Defaults();
    std::unique_ptr<TfrmNawigacja> host;
    std::unique_ptr<TfrmWyborCwiczenia> selection;
    std::unique_ptr<TfrmMedia> media;
    TSounds sounds;
    TPdfPrinter printer;
    QStringList errors;
    QMap<int, TElement *> items; // the package's items by kind

    // Unfolds the package on its row (the learner's click on its toggle) and clicks the row of
    // the item of kind.
    template <typename Screen> Screen *openFromList(int kind)
    {
        TElement *item = items.value(kind);
        TVelListBox *list = selection->ExerciseList();
        for (int row = 0; row < list->Count(); ++row) {
            if (selection->NodeOfRow(list, row) == item->Parent && !item->Parent->Expanded)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  QPoint(784, row * TfrmWyborCwiczenia::RowHeight + 12));
        }
        for (int row = 0; row < list->Count(); ++row) {
            if (selection->NodeOfRow(list, row) != item)
                continue;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              QPoint(150, row * TfrmWyborCwiczenia::RowHeight + 12));
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *screen = qobject_cast<Screen *>(w); screen && screen->isVisible())
                    return screen;
            }
        }
        return nullptr;
    }

    void leave(QWidget *screen)
    {
        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!selection->isHidden());
    }

    // The learner's record of kind in cafe.xml: its score and date.
    QString record(int kind) const
    {
        QDomDocument doc;
        Utils::ReadXmlFile(Learner::StatisticsPath(dir.path() + u"/Users"_s, learner.Id), doc);
        for (QDomElement plik = doc.documentElement().firstChildElement(u"plik"_s); !plik.isNull();
             plik = plik.nextSiblingElement(u"plik"_s)) {
            for (QDomElement d = plik.firstChildElement(u"dane"_s); !d.isNull();
                 d = d.nextSiblingElement(u"dane"_s)) {
                if (plik.attribute(u"nazwa"_s) == u"cafe.xml"_s && d.attribute(u"id"_s).toInt() == kind)
                    return d.firstChildElement(u"postep"_s).text() + u' ' +
                           d.firstChildElement(u"data"_s).text();
            }
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallSkinFonts();
        const SkinRecord skin =
            LoadSkinLibrary(qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u'/' + SkinBundleFileName());
        if (skin.Handle)
            SetCurrentSkin(skin);
        Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { errors << text; });
        SetSkinnedMessageHook([](const QString &, const QString &, int) { return 1; });

        for (const char *sub : {"Users", "Dane", "Media/Dialogi", "Media/Teksty"})
            QVERIFY(QDir(dir.path()).mkpath(QString::fromLatin1(sub)));
        for (const char *file : {"Dane/cafe.xml", "Media/Dialogi/cafe_01.mp3", "Media/Dialogi/cafe_02.mp3",
                                 "Media/Dialogi/cafe_03.mp3"}) {
            QFile f(dir.filePath(QString::fromLatin1(file)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(file).startsWith("Dane") ? Package : QByteArray("ID3"));
        }
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        learner.Id = 1;
        learner.Name = u"Ola"_s;
        learner.Gender = u"K"_s;
        learner.Figure = 11;
        settings.ArchiveRecordings = 1;
        settings.TranslationLanguage = 0;
        QVERIFY(Learner::CreateEmptyStatisticsFile(dir.path() + u"/Users"_s, learner.Id));
        QVERIFY(Learner::CreateDefaultSettingsFile(dir.path() + u"/Users"_s, learner.Id));

        Media::SetRecorderFactory([] { return std::make_unique<MediaFixtures::TPcmRecorder>(4, '\2'); });
        Media::SetSoundService(&sounds);
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
        printer.File = dir.filePath(u"print.pdf"_s);
        Reference::SetPrintService(&printer);

        host = std::make_unique<TfrmNawigacja>(nullptr, false);
        frmNawigacja = host.get();
        host->SetLearner(&learner, &settings);
        host->SetToday(Today);
        RegisterExerciseOpeners(ExerciseOpeners(), *host);
        TElement *group = host->Catalogue().AddNode(nullptr);
        group->Id = 11;
        group->Group = 1;
        group->Title = u"Unit one"_s;
        TElement *package = host->Catalogue().AddNode(group);
        package->Group = 1;
        package->Kind = 102;
        package->NodeType = Course::NodeType::Package;
        package->FileName = u"cafe.xml"_s;
        package->Title = u"At the café"_s;
        const QList<QPair<int, QString>> kinds{{11, u"Prezentacja dialogu"_s},
                                               {14, u"Rozumienie dialogu"_s},
                                               {18, u"Uzupełnianie dialogu"_s},
                                               {26, u"Układanie dialogu"_s}};
        for (const auto &[kind, title] : kinds) {
            TElement *item = host->Catalogue().AddNode(package);
            item->Group = 1;
            item->Kind = kind;
            item->NodeType = Course::NodeType::PackageItem;
            item->FileName = u"cafe.xml"_s;
            item->Title = title;
            items.insert(kind, item);
        }
        host->RenumberCatalogue();
        selection = std::make_unique<TfrmWyborCwiczenia>(host.get());
        frmWyborCwiczenia = selection.get();
        selection->SetSelectionMode(TfrmWyborCwiczenia::CatalogueMode);
        selection->ExpandAll();
        selection->show();
    }

    void cleanupTestCase()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TExerciseScreen *>(w) || qobject_cast<TfrmPomoc *>(w))
                delete w;
        }
        UnregisterExerciseOpeners();
        selection.reset();
        frmWyborCwiczenia = nullptr;
        host.reset();
        frmNawigacja = nullptr;
        frmMedia = nullptr;
        media.reset();
        Reference::SetPrintService(nullptr);
        Media::SetSoundService(nullptr);
        Media::SetRecorderFactory({});
        Utils::SetSystemErrorHandler({});
        SetSkinnedMessageHook({});
    }

    void recordPrintLeaveAndComeBack()
    {
        auto *screen = openFromList<TfrmDialogi_Prez>(11);
        QVERIFY(screen);
        QVERIFY(selection->isHidden());
        QWidget *area = screen->findChild<QWidget *>(u"Obszar"_s);
        QCOMPARE(screen->Lines()[0].Text, u"What can I get you?"_s);

        QTest::mousePress(area, Qt::LeftButton, {}, screen->ZonePoint(0, TPresentationZone::Microphone));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(screen->Lines()[0].HasOwnRecording);
        QTest::mouseClick(area, Qt::LeftButton, {}, screen->ZonePoint(0, TPresentationZone::OwnRecording));
        const Presentation::TLearnerRecording files = screen->LearnerFiles(0);
        QCOMPARE(sounds.Played, QStringList{files.Temporary});

        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btnDrukuj"_s), Qt::LeftButton);
        if (!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            const QString text = PdfText(printer.File);
            for (const QString &expected : {u"At the café"_s, u"A: What can I get you?"_s, u"Co podać?"_s,
                                            u"C: A tea, please."_s, u"Poproszę herbatę."_s})
                QVERIFY2(text.contains(expected), qPrintable(expected + u" not in: "_s + text));
        }

        QVERIFY(record(11).isEmpty());
        leave(screen);
        QCOMPARE(record(11), u"-1 "_s + Today.toString(u"dd-MM-yyyy"_s));
        QVERIFY(QFileInfo(files.Kept).isFile());
        QVERIFY(!QFileInfo::exists(files.Temporary));

        screen = openFromList<TfrmDialogi_Prez>(11);
        QVERIFY(screen);
        QVERIFY(screen->Lines()[0].HasArchivedRecording);
        QVERIFY(!screen->Lines()[1].HasArchivedRecording);
        QTest::mouseClick(screen->findChild<QWidget *>(u"Obszar"_s), Qt::LeftButton, {},
                          screen->ZonePoint(0, TPresentationZone::KeptRecording));
        QCOMPARE(sounds.Played.last(), files.Kept);
        QCOMPARE(errors, QStringList());
    }

    // Lines 2 and 3 hide behind frames. A wrong frame first, then each line as it is played:
    // 2 right of 3 clicks, stored as 67 the moment the last frame opens.
    void comprehensionToTheStoredScore()
    {
        auto *screen = openFromList<TfrmDialogi_Rozum>(14);
        QVERIFY(screen);
        QWidget *area = screen->findChild<QWidget *>(u"Obszar"_s);
        QCOMPARE(screen->Run().HiddenCount(), 2);
        const auto asked = [screen] {
            return screen->Run().CurrentRecording() == screen->Lines()[1].Recording ? 1 : 2;
        };
        QTest::mouseClick(area, Qt::LeftButton, {}, screen->FrameRect(3 - asked()).center());
        QCOMPARE(screen->Run().Wrong(), 1);
        while (!screen->Run().Finished())
            QTest::mouseClick(area, Qt::LeftButton, {}, screen->FrameRect(asked()).center());
        QCOMPARE(record(14), u"67 "_s + Today.toString(u"dd-MM-yyyy"_s));
        QVERIFY(screen->findChild<QWidget *>(u"btnJeszczeRaz"_s)->isVisible());
        leave(screen);
        QCOMPARE(record(14), u"67 "_s + Today.toString(u"dd-MM-yyyy"_s));
        QCOMPARE(errors, QStringList());
    }

    // The tiles "get" and "you" dragged with the mouse: "you" first into the wrong slot and
    // back out to the other, then "get" into its own; the check stores 100.
    void completionToTheStoredScore()
    {
        TKlocek::SetFlightDuration(0);
        auto *screen = openFromList<TfrmDialogi_Dop>(18);
        QVERIFY(screen);
        const QList<int> gapSlots = screen->Run().Slots();
        QCOMPARE(gapSlots.size(), 2);
        TKlocek *get = screen->findChild<TKlocek *>(TileName(gapSlots[0]));
        TKlocek *you = screen->findChild<TKlocek *>(TileName(gapSlots[1]));
        QVERIFY(get && you);
        const auto drag = [](TKlocek *tile, QPoint target) {
            QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(6, 6));
            QTest::mouseMove(tile, tile->mapFromParent(target));
            QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(target));
        };
        drag(you, screen->SlotRect(gapSlots[0]).center());
        QCOMPARE(screen->Run().Tokens()[gapSlots[0]].Placed, u"you"_s);
        drag(get, screen->SlotRect(gapSlots[0]).center()); // taken: home again
        QCOMPARE(get->pos(), get->Home());
        QWidget *area = screen->findChild<QWidget *>(u"Obszar"_s);
        if (QGuiApplication::platformName() == u"offscreen"_s) {
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
        }
        QTest::mousePress(area, Qt::LeftButton, {}, screen->SlotRect(gapSlots[0]).center() - area->pos());
        const QPoint other = screen->SlotRect(gapSlots[1]).center();
        QTest::mouseMove(you, you->mapFromParent(other));
        QTest::mouseRelease(you, Qt::LeftButton, {}, you->mapFromParent(other));
        drag(get, screen->SlotRect(gapSlots[0]).center());
        QVERIFY(record(18).isEmpty());
        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(record(18), u"100 "_s + Today.toString(u"dd-MM-yyyy"_s));
        QVERIFY(!screen->findChild<QWidget *>(u"btnPopraw"_s)->isVisible());
        leave(screen);
        QCOMPARE(errors, QStringList());
    }
};

QTEST_MAIN(DialogueRoad)
#include "tst_dialogue_road.moc"
