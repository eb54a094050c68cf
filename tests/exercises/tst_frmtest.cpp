// The multiple-choice screen in its world: opened from the selection list, answered with the
// mouse, checked, shown the right answers, left by the back button, and what the learner's
// statistics file holds afterwards. Then the same road through the sample course.

#include "app/uMain.h"
#include "course/Catalogue.h"
#include "exercises/RegisterExercises.h"
#include "exercises/words/uFrmTest.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "learner/uFrmUstawienia.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelDymek.h"
#include "skin/VelListBox.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using Course::TElement;

namespace {

const QDate Today(2026, 12, 10);

QString Group(const QString &header, const QStringList &answers, const QString &poprawne)
{
    QString xml = u"<grupa id=\"1\"><naglowek>"_s + header + u"</naglowek>"_s;
    for (const QString &a : answers)
        xml += u"<odpowiedz id=\"1\">"_s + a + u"</odpowiedz>"_s;
    return xml + u"<poprawne>"_s + poprawne + u"</poprawne></grupa>"_s;
}

QByteArray TestFile(const QString &groups, int param1 = 1)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>3</typ_cw>"
            u"<grupa>1</grupa><poziom>1</poziom><multimedia></multimedia><param1>"_s +
            QString::number(param1) +
            u"</param1></config><body><polecenie id=\"1\">Listen and choose.</polecenie>"
            u"<polecenie id=\"0\">Posłuchaj i wybierz.</polecenie><grupy>"_s +
            groups + u"</grupy></body></cwiczenie>"_s)
        .toUtf8();
}

// Three questions; the right answer of the second is not the file's first.
QByteArray ThreeQuestions()
{
    return TestFile(Group(u"Where does Tom live?"_s, {u"In London"_s, u"In Leeds"_s, u"In York"_s}, u"1"_s) +
                    Group(u"What does he do?"_s, {u"He is a nurse"_s, u"He is a teacher"_s}, u"2"_s) +
                    Group(u"How old is he?"_s, {u"Twenty"_s, u"Thirty"_s}, u"1"_s));
}

// The one dane record of a file and kind in a statistics file.
struct Record
{
    bool found = false;
    QString data, postep, datapowtorka;
};

Record ReadRecord(const QString &statPath, const QString &file, int kind)
{
    QDomDocument doc;
    Record r;
    if (!Utils::ReadXmlFile(statPath, doc))
        return r;
    for (QDomElement plik = doc.documentElement().firstChildElement(u"plik"_s); !plik.isNull();
         plik = plik.nextSiblingElement(u"plik"_s)) {
        if (plik.attribute(u"nazwa"_s) != file)
            continue;
        for (QDomElement d = plik.firstChildElement(u"dane"_s); !d.isNull();
             d = d.nextSiblingElement(u"dane"_s)) {
            if (d.attribute(u"id"_s).toInt() != kind)
                continue;
            r.found = true;
            r.data = d.firstChildElement(u"data"_s).text();
            r.postep = d.firstChildElement(u"postep"_s).text();
            r.datapowtorka = d.firstChildElement(u"datapowtorka"_s).text();
            return r;
        }
    }
    return r;
}

TfrmTest *OpenScreen()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<TfrmTest *>(w); screen && screen->isVisible())
            return screen;
    }
    return nullptr;
}

} // namespace

class FrmTestTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TfrmNawigacja> host;
    std::unique_ptr<TfrmWyborCwiczenia> selection;
    TUser learner;
    LearnerSettings settings;
    QStringList errors;
    QStringList notices;
    TElement *quizNode = nullptr;

    QString usersFolder() const { return dir->path() + u"/Users"_s; }
    QString statPath() const { return Learner::StatisticsPath(usersFolder(), learner.Id); }
    void writeDane(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir->path() + u"/Dane/"_s + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // A program folder, the host with a one-exercise catalogue and the selection screen.
    void makeWorld(const QByteArray &quiz)
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        for (const char *sub : {"Users", "Dane", "Gfx/Test_gfx", "Gfx/Background_roz", "Media/Teksty"})
            QVERIFY(QDir(dir->path()).mkpath(QString::fromLatin1(sub)));
        Utils::SetProgramFolder(dir->path());
        Utils::SetMediaRoot(dir->path());
        learner.Id = 1;
        learner.Name = u"Ola"_s;
        learner.Gender = u"K"_s;
        learner.Figure = 11;
        settings = LearnerSettings::Defaults();
        QVERIFY(Learner::CreateEmptyStatisticsFile(usersFolder(), learner.Id));
        QVERIFY(Learner::CreateDefaultSettingsFile(usersFolder(), learner.Id));
        writeDane(u"quiz.xml"_s, quiz);

        host = std::make_unique<TfrmNawigacja>(nullptr, false);
        frmNawigacja = host.get();
        host->SetLearner(&learner, &settings);
        host->SetToday(Today);
        RegisterExerciseOpeners(ExerciseOpeners(), *host);
        TElement *group = host->Catalogue().AddNode(nullptr);
        group->Id = 11;
        group->Group = 1;
        group->Title = u"Unit one"_s;
        quizNode = host->Catalogue().AddNode(group);
        quizNode->Group = 1;
        quizNode->Kind = 3;
        quizNode->NodeType = Course::NodeType::Exercise;
        quizNode->FileName = u"quiz.xml"_s;
        quizNode->Title = u"Tom's day"_s;
        quizNode->Level = 1;
        host->RenumberCatalogue();

        selection = std::make_unique<TfrmWyborCwiczenia>(host.get());
        frmWyborCwiczenia = selection.get();
        selection->SetSelectionMode(TfrmWyborCwiczenia::CatalogueMode);
        selection->ExpandAll();
        selection->show();
    }

    // Clicks the quiz's row on the selection list and returns the screen it opened.
    TfrmTest *openFromList()
    {
        TVelListBox *list = selection->ExerciseList();
        for (int row = 0; row < list->Count(); ++row) {
            if (selection->NodeOfRow(list, row) == quizNode) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  QPoint(150, row * TfrmWyborCwiczenia::RowHeight + 12));
                return OpenScreen();
            }
        }
        return nullptr;
    }

    static QWidget *obszar(TfrmTest *screen) { return screen->findChild<QWidget *>(u"Obszar"_s); }
    static TVelResButton *button(TfrmTest *screen, const QString &name)
    {
        return screen->findChild<TVelResButton *>(name);
    }
    static TVelProgress *panel(TfrmTest *screen)
    {
        return screen->findChild<TVelProgress *>(u"Panel_Wynik"_s);
    }

    // Clicks the answer of group g that is right (or the first wrong one) with the mouse.
    static void answer(TfrmTest *screen, int g, bool right)
    {
        const QList<TGrupaItem> &items = screen->Groups().at(g).Items;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].Correct == right) {
                QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, screen->AnswerRect(g, i).center());
                return;
            }
        }
        QFAIL("no such answer");
    }
    // Answers group g by its header text.
    static int groupOf(TfrmTest *screen, const QString &header)
    {
        for (int g = 0; g < screen->Groups().size(); ++g) {
            if (screen->Groups()[g].Header == header)
                return g;
        }
        return -1;
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
        SetSkinnedMessageHook([this](const QString &message, const QString &, int) {
            notices << message;
            return 1;
        });
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TfrmTest *>(w) || qobject_cast<TfrmPomoc *>(w))
                delete w;
        }
        UnregisterExerciseOpeners();
        selection.reset();
        frmWyborCwiczenia = nullptr;
        host.reset();
        frmNawigacja = nullptr;
        errors.clear();
        notices.clear();
    }

    void checkScoresRecordsAndShowsRightAnswers()
    {
        makeWorld(ThreeQuestions());
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        QVERIFY(!selection->isVisible());
        QCOMPARE(screen->Groups().size(), 3);
        QVERIFY(errors.isEmpty());

        // Two right (one of them the file's second answer), one wrong: 67.
        answer(screen, groupOf(screen, u"Where does Tom live?"_s), true);
        answer(screen, groupOf(screen, u"What does he do?"_s), true);
        const int wrongGroup = groupOf(screen, u"How old is he?"_s);
        answer(screen, wrongGroup, false);

        const QRect rightBox = [&] {
            const QList<TGrupaItem> &items = screen->Groups()[wrongGroup].Items;
            for (int i = 0; i < items.size(); ++i)
                if (items[i].Correct)
                    return screen->AnswerRect(wrongGroup, i);
            return QRect();
        }();
        const QRect boxArea(rightBox.left(), rightBox.top(), 23, 23);
        const QImage before = obszar(screen)->grab().toImage().copy(boxArea);

        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QVERIFY(screen->Scored());
        QVERIFY(panel(screen)->isVisibleTo(screen));
        QCOMPARE(panel(screen)->Wynik(), 67);
        QVERIFY(button(screen, u"btnPopraw"_s)->isVisibleTo(screen));
        QCOMPARE(button(screen, u"btnSpr"_s)->Tag(), 1);

        Record r = ReadRecord(statPath(), u"quiz.xml"_s, 3);
        QVERIFY(r.found);
        QCOMPARE(r.postep, u"67"_s);
        QCOMPARE(r.data, u"10-12-2026"_s);
        QCOMPARE(r.datapowtorka, Learner::RepeatDateText(Today.addDays(3)) + u"=1"_s);

        // Marking is over once the sheet is scored.
        const QList<TGrupa> scored = screen->Groups();
        answer(screen, wrongGroup, true);
        QCOMPARE(screen->Groups()[wrongGroup].Items.size(), scored[wrongGroup].Items.size());
        for (int i = 0; i < scored[wrongGroup].Items.size(); ++i)
            QCOMPARE(screen->Groups()[wrongGroup].Items[i].Selected, scored[wrongGroup].Items[i].Selected);

        // The right-answers view marks the right box the learner left empty.
        QTest::mouseClick(button(screen, u"btnPopraw"_s), Qt::LeftButton);
        QVERIFY(screen->ShowsRightAnswers());
        QVERIFY(!panel(screen)->isVisibleTo(screen));
        QVERIFY(!button(screen, u"btnPopraw"_s)->isVisibleTo(screen));
        QVERIFY(obszar(screen)->grab().toImage().copy(boxArea) != before);

        // Back: the selection list again, and the score is not recorded a second time (a
        // second 67 above the threshold would have retired the repetition).
        QTest::mouseClick(button(screen, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!OpenScreen());
        QVERIFY(selection->isVisible());
        r = ReadRecord(statPath(), u"quiz.xml"_s, 3);
        QCOMPARE(r.postep, u"67"_s);
        QCOMPARE(r.datapowtorka, Learner::RepeatDateText(Today.addDays(3)) + u"=1"_s);
    }

    void againReshufflesAndRecordsTheNewScore()
    {
        makeWorld(ThreeQuestions());
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        answer(screen, 0, false);
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(panel(screen)->Wynik(), 0);

        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton); // again
        QVERIFY(!screen->Scored());
        QVERIFY(!panel(screen)->isVisibleTo(screen));
        QCOMPARE(panel(screen)->Tag(), 0);
        QCOMPARE(button(screen, u"btnSpr"_s)->Tag(), 0);
        for (const TGrupa &g : screen->Groups())
            for (const TGrupaItem &item : g.Items)
                QVERIFY(!item.Selected);

        for (int g = 0; g < 3; ++g)
            answer(screen, g, true);
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(panel(screen)->Wynik(), 100);
        QVERIFY(!button(screen, u"btnPopraw"_s)->isVisibleTo(screen));
        // The second result is stored: 100 above the threshold ends the repetitions.
        Record r = ReadRecord(statPath(), u"quiz.xml"_s, 3);
        QCOMPARE(r.postep, u"100"_s);
        QCOMPARE(r.datapowtorka, u"0=1"_s);

        QTest::keyClick(screen, Qt::Key_Escape); // Escape is the back button
        QTRY_VERIFY(!OpenScreen());
        QCOMPARE(ReadRecord(statPath(), u"quiz.xml"_s, 3).datapowtorka, u"0=1"_s);
    }

    void faultyFiles()
    {
        makeWorld("<cwiczenie><config>");
        // A missing file opens nothing.
        QVERIFY(!OpenExerciseScreen<TfrmTest>(dir->path() + u"/Dane/none.xml"_s, QString(), *host));
        QCOMPARE(errors, QStringList{u"Brak pliku ćwiczenia! (3)"_s});

        // A broken file: the message, then an empty sheet that scores nothing.
        errors.clear();
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        QCOMPARE(errors, QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (quiz.xml)"_s});
        QVERIFY(screen->Groups().isEmpty());
        QVERIFY(button(screen, u"btn_nawigacja_wroc"_s));
        const QByteArray statistics = [&] {
            QFile f(statPath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QVERIFY(!panel(screen)->isVisibleTo(screen));
        QTest::mouseClick(button(screen, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!OpenScreen());
        QFile f(statPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), statistics);
    }

    void multipleAnswers()
    {
        makeWorld(TestFile(Group(u"Which are colours?"_s, {u"red"_s, u"dog"_s, u"blue"_s}, u"1,3"_s) +
                               Group(u"Which are animals?"_s, {u"cat"_s, u"sky"_s}, u"1"_s),
                           0));
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        QVERIFY(!screen->SingleChoice());
        const int colours = groupOf(screen, u"Which are colours?"_s);
        const QList<TGrupaItem> &items = screen->Groups()[colours].Items;
        for (int i = 0; i < items.size(); ++i) {
            QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, screen->AnswerRect(colours, i).center());
        }
        // All three marked: clicking "dog" again unmarks it, both colours stay.
        for (int i = 0; i < items.size(); ++i)
            if (!screen->Groups()[colours].Items[i].Correct)
                QTest::mouseClick(obszar(screen), Qt::LeftButton, {},
                                  screen->AnswerRect(colours, i).center());
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(panel(screen)->Wynik(), 50); // the animals group was left empty
    }

    void instructionBubbleNoticeAndLookUp()
    {
        makeWorld(ThreeQuestions());
        // The notice belongs to the learner the main menu holds.
        TfrmMain menu;
        frmMain = &menu;
        menu.LoggedInUser = learner;
        menu.Settings = settings;
        host->SetLearner(&menu.LoggedInUser, &menu.Settings);
        host->SetFirstUseNoticeHandler([&menu](int notice) { ShowFirstUseNotice(menu.Session(), notice); });
        errors.clear(); // the menu's word about a missing skin bundle, when there is none
        TfrmSlownik dictionary;
        frmSlownik = &dictionary;
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        auto *polecenie = screen->findChild<TAALabel *>(u"Polecenie"_s);
        auto *bubble = screen->findChild<TVelDymek *>(u"IMG_Dymek"_s);
        QVERIFY(polecenie->isVisibleTo(screen));
        QCOMPARE(polecenie->Caption(), u"Listen and choose."_s);
        QCOMPARE(polecenie->x(), 100); // no recording: no listen button before it

        QTest::mouseClick(polecenie, Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY(bubble->isVisibleTo(screen));
        QCOMPARE(bubble->Text(), u"Posłuchaj i wybierz."_s);
        QTest::mouseClick(polecenie, Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY(!bubble->isVisibleTo(screen));
        QTest::mouseClick(polecenie, Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(!bubble->isVisibleTo(screen));

        // The first-use notice comes once, 700 ms after opening, and is saved as shown.
        QTRY_COMPARE(notices.size(), 1);
        QCOMPARE(notices.first(), Utils::GetInterfaceText(92));
        QCOMPARE(menu.Settings.WordNoticePending, quint8(0));
        LearnerSettings saved;
        Learner::LoadSettingsFile(usersFolder(), learner.Id, saved, Today);
        QCOMPARE(saved.WordNoticePending, quint8(0));
        TfrmTest *again = OpenExerciseScreen<TfrmTest>(dir->path() + u"/Dane/quiz.xml"_s, QString(), *host);
        QTest::qWait(900);
        QCOMPARE(notices.size(), 1); // once per learner
        delete again;

        // A right-button press on a drawn word looks it up in the dictionary.
        obszar(screen)->grab(); // a paint fills the word-position list
        const TSlowko word = screen->WordPositions().Items().first();
        QTest::mouseClick(obszar(screen), Qt::RightButton, {}, word.Rect.center());
        QVERIFY(dictionary.isVisible());
        frmSlownik = nullptr;
        delete screen;
        frmMain = nullptr;
    }

    // F1 opens this screen's own help page, the one on listening exercises.
    void f1OpensTheScreensHelp()
    {
        makeWorld(ThreeQuestions());
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        QTest::keyClick(screen, Qt::Key_F1);
        TfrmPomoc *help = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<TfrmPomoc *>(w))
                help = found;
        QVERIFY(help);
        QVERIFY2(help->CurrentPage().endsWith(u"h_film.html"_s, Qt::CaseInsensitive),
                 qPrintable(help->CurrentPage()));
        delete screen;
    }

    // Both listen buttons play the exercise's recording from Media\Teksty through the media
    // window, which shows itself.
    void listenButtonsPlayTheRecording()
    {
        QByteArray quiz = ThreeQuestions();
        quiz.replace("<multimedia></multimedia>", "<multimedia>tom.wav</multimedia>");
        makeWorld(quiz);
        QFile recording(dir->path() + u"/Media/Teksty/tom.mp3"_s);
        QVERIFY(recording.open(QIODevice::WriteOnly));
        recording.write("ID3");
        recording.close();
        TfrmMedia media;
        frmMedia = &media;
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        for (const QString &name : {u"btnMedia"_s, u"btnMedia2"_s}) {
            auto *listen = screen->findChild<TVelResButton *>(name);
            QVERIFY(listen);
            QVERIFY2(listen->isVisibleTo(screen), qPrintable(name));
            media.hide();
            QTest::mouseClick(listen, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(media.isVisible());
            QVERIFY2(media.CurrentFile().endsWith(u"Media/Teksty/tom.mp3"_s),
                     qPrintable(media.CurrentFile()));
        }
        delete screen;
        frmMedia = nullptr;
    }

    void longSheetScrolls()
    {
        QString groups;
        for (int i = 1; i <= 12; ++i)
            groups +=
                Group(u"Question %1 about the recording?"_s.arg(i), {u"yes"_s, u"no"_s, u"maybe"_s}, u"1"_s);
        makeWorld(TestFile(groups));
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        auto *bar = screen->findChild<TALScrollBar *>(u"ScrollBar"_s);
        QVERIFY(bar->isVisibleTo(screen));
        QCOMPARE(bar->Max(), TestModel::ScrollMaximum(screen->ContentHeight(), 520));
        const QRect first = screen->AnswerRect(0, 0);
        bar->SetPosition(5);
        QCOMPARE(screen->ScrollOffset(), 50);
        obszar(screen)->grab();
        QCOMPARE(screen->AnswerRect(0, 0), first.translated(0, -50));
        // A click lands on the row now under the pointer.
        const int last = int(screen->Groups().size()) - 1;
        bar->SetPosition(bar->Max());
        obszar(screen)->grab(); // the sheet as the learner now sees it
        QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, screen->AnswerRect(last, 2).center());
        QVERIFY(screen->Groups()[last].Items[2].Selected);
    }

    // The sample course's first test, from the scan of the program folder to a stored score.
    void sampleCourseEndToEnd()
    {
        const QString program = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        if (!QFileInfo::exists(program + u"/Config/definitions.xml"_s))
            QSKIP("the program folder is not assembled");
        dir = std::make_unique<QTemporaryDir>();
        const auto copyTree = [](const QString &from, const QString &to, const QStringList &filters) {
            QDir().mkpath(to);
            for (const QFileInfo &fi : QDir(from).entryInfoList(filters, QDir::Files))
                QFile::copy(fi.filePath(), to + u'/' + fi.fileName());
        };
        for (const QString &sub : {u"Config"_s, u"Dane"_s, u"Dane/Paczki"_s, u"Gfx/Test_gfx"_s,
                                   u"Gfx/Background_roz"_s, u"Media/Teksty"_s})
            copyTree(program + u'/' + sub, dir->path() + u'/' + sub, {u"*"_s});
        QDir(dir->path()).mkpath(u"Users"_s);
        Utils::SetProgramFolder(dir->path());
        Utils::SetMediaRoot(dir->path());
        learner.Id = 1;
        settings = LearnerSettings::Defaults();
        QVERIFY(Learner::CreateEmptyStatisticsFile(usersFolder(), learner.Id));
        QVERIFY(Learner::CreateDefaultSettingsFile(usersFolder(), learner.Id));

        host = std::make_unique<TfrmNawigacja>(nullptr, true);
        frmNawigacja = host.get();
        host->SetLearner(&learner, &settings);
        host->SetToday(Today);
        RegisterExerciseOpeners(ExerciseOpeners(), *host);
        selection = std::make_unique<TfrmWyborCwiczenia>(host.get());
        frmWyborCwiczenia = selection.get();
        selection->ExpandAll();
        selection->show();

        quizNode = nullptr;
        for (TElement *node : host->CatalogueList()) {
            if (node->Kind == 3 && node->NodeType == Course::NodeType::Exercise) {
                quizNode = node;
                break;
            }
        }
        QVERIFY2(quizNode, "the sample course has a multiple-choice test");
        TfrmTest *screen = openFromList();
        QVERIFY(screen);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        QVERIFY(!screen->Groups().isEmpty());
        QVERIFY(!screen->MediaFile().isEmpty());
        QVERIFY(button(screen, u"btnMedia"_s)->isVisibleTo(screen)); // its recording exists
        for (int g = 0; g < screen->Groups().size(); ++g) {
            screen->ScrollTo(0);
            const QRect row = [&] {
                for (int i = 0; i < screen->Groups()[g].Items.size(); ++i)
                    if (screen->Groups()[g].Items[i].Correct)
                        return screen->AnswerRect(g, i);
                return QRect();
            }();
            // Scroll the row into view before clicking it.
            screen->ScrollTo(std::max(0, row.top() - 200) / 10);
            obszar(screen)->grab();
            answer(screen, g, true);
            if (!screen->SingleChoice()) {
                // every right answer of a multiple-answer group
                const QList<TGrupaItem> &items = screen->Groups()[g].Items;
                for (int i = 0; i < items.size(); ++i)
                    if (items[i].Correct && !items[i].Selected)
                        QTest::mouseClick(obszar(screen), Qt::LeftButton, {},
                                          screen->AnswerRect(g, i).center());
            }
        }
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(panel(screen)->Wynik(), 100);
        QTest::mouseClick(button(screen, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!OpenScreen());
        const Record r = ReadRecord(statPath(), quizNode->FileName, 3);
        QCOMPARE(r.postep, u"100"_s);
        QCOMPARE(r.datapowtorka, Learner::RepeatDateText(Today.addDays(3)) + u"=1"_s);
    }
};

QTEST_MAIN(FrmTestTest)
#include "tst_frmtest.moc"
