// The three sentence screens with the fake host: opened through the dispatch as the table of
// contents opens them, worked through with the mouse and keys as a learner would, and the
// score the host stores when the learner leaves.

#include "ExerciseFixture.h"

#include "exercises/dialogues/WordArranging.h"
#include "exercises/dialogues/uFrmZdania_Dyk.h"
#include "exercises/dialogues/uFrmZdania_Tlu.h"
#include "exercises/dialogues/uFrmZdania_Ukl.h"
#include "media/SoundService.h"
#include "media/uFrmAnalizator.h"
#include "media/uMedia.h"
#include "skin/AALabel.h"
#include "skin/VelZeszytStatystyki.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

struct Sentence
{
    QString Text;
    QString Translation;
};

// A sentence file with instructions for all three screens; recordings s1.mp3, s2.mp3 ...
QByteArray SentenceFile(int kind, const QList<Sentence> &sentences)
{
    QByteArray body =
        "<polecenia>"
        "<typ id=\"1\"><polecenie id=\"1\">Arrange.</polecenie><polecenie id=\"0\">Ułóż.</polecenie></typ>"
        "<typ id=\"2\"><polecenie id=\"1\">Write.</polecenie><polecenie id=\"0\">Zapisz.</polecenie></typ>"
        "<typ id=\"4\"><polecenie id=\"1\">Translate.</polecenie></typ></polecenia>";
    for (int i = 0; i < sentences.size(); ++i)
        body += "<zdanie id=\"" + QByteArray::number(i + 1) + "\" sampel=\"s" + QByteArray::number(i + 1) +
                ".wav\"><tresc>" + sentences[i].Text.toUtf8() + "</tresc><tlumaczenie id=\"0\">" +
                sentences[i].Translation.toUtf8() + "</tlumaczenie></zdanie>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>" +
           QByteArray::number(kind) + "</typ_cw></config><body>" + body + "</body></cwiczenie>";
}

// Counts the skin sounds played.
class CountingSound final : public Media::ISoundService
{
public:
    void PlayWave(const QByteArray &wavData) override { Played << wavData; }
    void PlayWaveFile(const QString &) override {}
    void Stop() override {}
    int Count(const QString &name) const { return int(Played.count(CurrentSkin().Handle->Sound(name))); }
    QList<QByteArray> Played;
};

template <typename T> T *Child(QWidget *screen, const QString &name)
{
    return screen->findChild<T *>(name);
}

void Press(QWidget *screen, int key, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? u" "_s : QString(),
                    autoRepeat);
    QApplication::sendEvent(screen, &press);
    if (!autoRepeat) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(screen, &release);
    }
}

bool HasColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class SentenceScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    std::unique_ptr<TfrmMedia> media;
    CountingSound sound;

    template <typename Screen> Screen *Open(const QString &name, const QList<Sentence> &sentences)
    {
        QDir().mkpath(world->dir.path() + u"/Media/Zdania"_s);
        for (int i = 1; i <= sentences.size(); ++i) {
            QFile f(world->dir.path() + u"/Media/Zdania/s%1.mp3"_s.arg(i));
            if (f.open(QIODevice::WriteOnly))
                f.write("ID3");
        }
        const QString path =
            world->WriteExercise(name, SentenceFile(Screen::KindCode, sentences), Screen::KindCode);
        return qobject_cast<Screen *>(world->Open(Screen::KindCode, path));
    }

    // Leaves by the back button and reads what the host stored.
    QString LeaveAndReadScore(QWidget *screen, const QString &file, int kind)
    {
        QPointer<QWidget> guard = screen;
        QTest::keyClick(screen, Qt::Key_Escape);
        if (!QTest::qWaitFor([&] { return guard.isNull(); }))
            return u"still open"_s;
        const TExerciseFixture::Record record = world->ReadRecord(file, kind);
        return record.Found ? record.Postep : u"not stored"_s;
    }

private slots:
    void initTestCase() { TExerciseFixture::LoadSkin(); }
    void init()
    {
        world = std::make_unique<TExerciseFixture>();
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
        sound.Played.clear();
        Media::SetSoundService(&sound);
    }
    void cleanup()
    {
        Media::SetSoundService(nullptr);
        SetVoiceAnalyserHook(nullptr);
        world.reset();
        frmMedia = nullptr;
        media.reset();
    }

    void arrangingByDraggingToTheStoredScore();
    void arrangingWithoutTranslations();
    void dictationTypedToTheStoredScore();
    void dictationOnePressOneCheck();
    void translationJudgedToTheStoredScore();
    void fileWithoutSentencesStartsNoRun_data();
    void fileWithoutSentencesStartsNoRun();
    void hiddenAnalyserButtonActsAsAClick();
};

void SentenceScreens::arrangingByDraggingToTheStoredScore()
{
    // Every draw takes the last of what is left: sentences come last first, words reversed.
    world->Host.Pick = [](int count) { return count - 1; };
    auto *screen = Open<TfrmZdania_Ukl>(u"ukl.xml"_s, {{u"the cat saw the dog"_s, u"kot zobaczył psa"_s},
                                                       {u"Open the door, please."_s, u"Otwórz drzwi."_s}});
    QVERIFY(screen);
    QVERIFY(world->Errors.isEmpty());
    QCOMPARE(screen->objectName(), u"frmZdania_Ukl"_s);
    QCOMPARE(Child<TAALabel>(screen, u"Polecenie"_s)->Caption(), u"Arrange."_s);
    QVERIFY(Child<QWidget>(screen, u"Obszar"_s)->isVisible());
    QVERIFY(media->CurrentFile().endsWith(u"s2.mp3"_s));
    QVERIFY(!media->isVisible());
    QCOMPARE(Sentences::PlacedWords(screen->Slots()).join(u' '), u"please. door, the Open"_s);

    // Drag "Open" onto the first word, then "the" and "door," before "please.".
    QWidget *obszar = Child<QWidget>(screen, u"Obszar"_s);
    auto drag = [&](int from, int onto) {
        const QPoint start = screen->WordRect(from).center() - obszar->pos();
        const QPoint end = screen->WordRect(onto).center() - obszar->pos();
        QTest::mousePress(obszar, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(end), obszar->mapToGlobal(QPointF(end)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(obszar, &move);
        QVERIFY(Child<QLabel>(screen, u"c1"_s)->isVisible());
        QTest::mouseRelease(obszar, Qt::LeftButton, {}, end);
        QVERIFY(!Child<QLabel>(screen, u"c1"_s)->isVisible());
    };
    drag(3, 0);
    QCOMPARE(Sentences::PlacedWords(screen->Slots()).join(u' '), u"Open please. door, the"_s);
    drag(3, 1);
    drag(3, 2);
    QCOMPARE(Sentences::PlacedWords(screen->Slots()).join(u' '), u"Open the door, please."_s);
    // The right button and a press beside every word move nothing.
    QTest::mouseClick(obszar, Qt::RightButton, {}, screen->WordRect(0).center() - obszar->pos());
    QTest::mouseClick(obszar, Qt::LeftButton, {}, QPoint(440, 85));

    Press(screen, Qt::Key_Return);
    QVERIFY(screen->LastAnswerRight());
    QCOMPARE(screen->CheckTag(), 1);
    auto *notebook = Child<TVelZeszytStatystyki>(screen, u"Statystyki"_s);
    QCOMPARE(notebook->Poprawnie(), 1u);
    QCOMPARE(notebook->XFactor(), 50u);
    QVERIFY(Child<QWidget>(screen, u"btnTlumaczenie"_s)->isVisible());
    Press(screen, Qt::Key_Space);
    QVERIFY(Child<QWidget>(screen, u"IMG_Kartka"_s)->isVisible());
    QCOMPARE(Child<TAALabel>(screen, u"lblTlumaczenie"_s)->Caption(), u"Otwórz drzwi."_s);

    // Next: the cat saw the dog, dealt reversed; checked as dealt it is wrong.
    Press(screen, Qt::Key_Return);
    QCOMPARE(screen->CheckTag(), 0);
    QVERIFY(!Child<QWidget>(screen, u"IMG_Kartka"_s)->isVisible());
    QCOMPARE(Sentences::PlacedWords(screen->Slots()).join(u' '), u"dog the saw cat the"_s);
    QVERIFY(!screen->HasShownResult());
    Press(screen, Qt::Key_Return);
    QVERIFY(!screen->LastAnswerRight());
    QCOMPARE(notebook->Blednie(), 1u);

    // The run is over: the score is shown, its sound played once, the button gone and Enter idle.
    QVERIFY(screen->HasShownResult());
    QCOMPARE(screen->ShownResult(), 50);
    QCOMPARE(sound.Count(u"WAV_WYNIK"_s), 1);
    QVERIFY(!Child<QWidget>(screen, u"btnSpr"_s)->isVisible());
    Press(screen, Qt::Key_Return);
    QCOMPARE(screen->Run().Right() + screen->Run().Wrong(), 2);
    QCOMPARE(world->Host.ScoresRecorded, 0); // the host records when the learner leaves
    QCOMPARE(LeaveAndReadScore(screen, u"ukl.xml"_s, 21), u"50"_s);
    QCOMPARE(world->Host.ScoresRecorded, 1);
}

void SentenceScreens::arrangingWithoutTranslations()
{
    world->Host.Settings_.TranslationLanguage = 255;
    auto *screen = Open<TfrmZdania_Ukl>(u"ukl.xml"_s, {{u"Hello!"_s, u"Cześć!"_s}, {u"Bye."_s, u"Pa."_s}});
    QVERIFY(screen);
    QCOMPARE(Sentences::PlacedWords(screen->Slots()), QStringList{u"Hello!"_s}); // one word, in order
    QTest::mouseClick(Child<QWidget>(screen, u"btnSpr"_s), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(screen->LastAnswerRight());
    QVERIFY(!Child<QWidget>(screen, u"btnTlumaczenie"_s)->isVisible());
    // Space still acts on the hidden button: the card shows, empty.
    Press(screen, Qt::Key_Space);
    QVERIFY(Child<QWidget>(screen, u"IMG_Kartka"_s)->isVisible());
    QCOMPARE(Child<TAALabel>(screen, u"lblTlumaczenie"_s)->Caption(), QString());

    // The sentence exercises' first-use notice, 700 ms after the screen was made.
    auto *notice = Child<QTimer>(screen, u"CheckMsgInfo"_s);
    QVERIFY(notice && notice->isSingleShot());
    QCOMPARE(notice->interval(), 700);
    QTRY_COMPARE(world->Host.Notices, QList<int>{7});
}

void SentenceScreens::dictationTypedToTheStoredScore()
{
    world->Host.Settings_.UsePunctuation = 0;
    world->Host.Settings_.MatchCase = 0;
    auto *screen = Open<TfrmZdania_Dyk>(u"dyk.xml"_s, {{u"I am here."_s, u"Jestem tutaj."_s},
                                                       {u"She is late."_s, u"Ona się spóźnia."_s},
                                                       {u"We have a meeting."_s, u"Mamy zebranie."_s}});
    QVERIFY(screen);
    QLineEdit *edit = screen->EditField();
    QVERIFY(edit->isVisible());
    QVERIFY(!Child<QWidget>(screen, u"Obszar"_s)->isVisible());
    QTRY_VERIFY(edit->hasFocus());

    // In file order (the fake host's draws take the first left).
    QTest::keyClicks(edit, u"  i'm  HERE "_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(screen->LastAnswerRight());
    QCOMPARE(screen->LastAnswer(), u"i'm  HERE"_s);
    QVERIFY(!edit->isVisible());
    QVERIFY(Child<QWidget>(screen, u"Obszar"_s)->isVisible());
    QVERIFY(Child<QWidget>(screen, u"btnTlumaczenie"_s)->isVisible());
    QVERIFY(!HasColour(Child<QWidget>(screen, u"Obszar"_s)->grab().toImage(), SkinColors::Red));

    QTest::keyClick(screen, Qt::Key_Return);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QString());
    QTest::keyClicks(edit, u"She's late"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(screen->LastAnswerRight());

    // Ctrl+W in the edit field plays the sentence again and types nothing.
    QTest::keyClick(screen, Qt::Key_Return);
    QVERIFY(media->CurrentFile().endsWith(u"s3.mp3"_s));
    QTest::keyClicks(edit, u"We have meting"_s);
    QTest::keyClick(edit, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(edit->text(), u"We have meting"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!screen->LastAnswerRight());
    // The learner's wrong word is drawn in the wrong-answer colour.
    QVERIFY(HasColour(Child<QWidget>(screen, u"Obszar"_s)->grab().toImage(), SkinColors::Red));

    QVERIFY(screen->HasShownResult());
    QCOMPARE(screen->ShownResult(), 67);
    QCOMPARE(sound.Count(u"WAV_WYNIK"_s), 1);
    QTest::keyClick(screen, Qt::Key_Return); // the run is over: nothing
    QCOMPARE(screen->Run().Wrong(), 1);
    QCOMPARE(LeaveAndReadScore(screen, u"dyk.xml"_s, 22), u"67"_s);
}

void SentenceScreens::dictationOnePressOneCheck()
{
    auto *screen = Open<TfrmZdania_Dyk>(u"dyk.xml"_s, {{u"One."_s, {}}, {u"Two."_s, {}}, {u"Three."_s, {}}});
    QVERIFY(screen);
    QLineEdit *edit = screen->EditField();
    QTest::keyClicks(edit, u"One."_s);

    // Enter pressed in the edit field and held: the check runs, the repeats on the form and
    // a second press before the release do nothing.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
    QCOMPARE(screen->CheckTag(), 1);
    QVERIFY(screen->EnterLatched());
    Press(screen, Qt::Key_Return, true);
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(screen, &again);
    QCOMPARE(screen->CheckTag(), 1);
    QCOMPARE(screen->Run().Right(), 1);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(screen, &release);
    QVERIFY(!screen->EnterLatched());
    Press(screen, Qt::Key_Return);
    QCOMPARE(screen->CheckTag(), 0);
    QCOMPARE(screen->CurrentSentence()->Text, u"Two."_s);

    // An empty answer is wrong.
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!screen->LastAnswerRight());
    QCOMPARE(screen->Run().Wrong(), 1);
}

void SentenceScreens::translationJudgedToTheStoredScore()
{
    const QList<Sentence> five{
        {u"A."_s, u"a"_s}, {u"B."_s, u"b"_s}, {u"C."_s, u"c"_s}, {u"D."_s, u"d"_s}, {u"E."_s, u"e"_s}};
    auto *screen = Open<TfrmZdania_Tlu>(u"tlu.xml"_s, five);
    QVERIFY(screen);
    QWidget *obszar = Child<QWidget>(screen, u"Obszar"_s);
    QWidget *know = Child<QWidget>(screen, u"btn_Umiem"_s);
    QVERIFY(!obszar->isVisible() && !know->isVisible());

    // The digits do nothing while listening.
    Press(screen, Qt::Key_1);
    QCOMPARE(screen->Run().Right(), 0);

    auto *notebook = Child<TVelZeszytStatystyki>(screen, u"Statystyki"_s);
    const QList<int> keys{Qt::Key_1, Qt::Key_1, Qt::Key_2, Qt::Key_1, Qt::Key_2};
    const QList<unsigned> figures{20, 40, 40, 60, 60};
    for (int i = 0; i < keys.size(); ++i) {
        Press(screen, Qt::Key_Return);
        QVERIFY(obszar->isVisible() && know->isVisible());
        QVERIFY(!Child<QWidget>(screen, u"btnSpr"_s)->isVisible());
        // Enter does nothing once revealed.
        Press(screen, Qt::Key_Return);
        QCOMPARE(screen->CheckTag(), 1);
        Press(screen, keys[i]);
        QCOMPARE(notebook->XFactor(), figures[i]);
    }
    QVERIFY(screen->HasShownResult());
    QCOMPARE(screen->ShownResult(), 60);
    QCOMPARE(sound.Count(u"WAV_WYNIK"_s), 1);
    QVERIFY(!know->isVisible() && !Child<QWidget>(screen, u"btn_NieUmiem"_s)->isVisible());
    QVERIFY(!Child<QWidget>(screen, u"btnSpr"_s)->isVisible());
    QVERIFY(obszar->isVisible()); // the last revealed sentence stays
    Press(screen, Qt::Key_2);
    QCOMPARE(screen->Run().Wrong(), 2);
    QCOMPARE(LeaveAndReadScore(screen, u"tlu.xml"_s, 24), u"60"_s);
}

void SentenceScreens::fileWithoutSentencesStartsNoRun_data()
{
    QTest::addColumn<int>("kind");
    QTest::addRow("arranging") << 21;
    QTest::addRow("dictation") << 22;
    QTest::addRow("translation") << 24;
}

void SentenceScreens::fileWithoutSentencesStartsNoRun()
{
    QFETCH(int, kind);
    const QString path = world->WriteExercise(u"pusty.xml"_s, SentenceFile(kind, {}), kind);
    QPointer<TExerciseScreen> screen = world->Open(kind, path);
    QVERIFY(screen);
    QCOMPARE(world->Errors, QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (pusty.xml)"_s});
    QVERIFY(screen->isVisible());
    QVERIFY(!Child<QWidget>(screen, u"btnSpr"_s)->isVisible());
    for (int key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_1})
        Press(screen, key);
    QTest::keyClick(screen, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!screen->HasShownResult());
    QCOMPARE(LeaveAndReadScore(screen, u"pusty.xml"_s, kind), u"not stored"_s);
}

void SentenceScreens::hiddenAnalyserButtonActsAsAClick()
{
    world->Host.User.Id = 5;
    auto *screen = Open<TfrmZdania_Dyk>(u"dyk.xml"_s, {{u"One."_s, {}}});
    QVERIFY(screen);
    auto *analyser = Child<QAbstractButton>(screen, u"btnAnalizator"_s);
    QVERIFY(analyser && !analyser->isVisible());
    QStringList opened;
    SetVoiceAnalyserHook([&opened](const QString &model, int id) {
        opened << QDir::fromNativeSeparators(model).section(u'/', -3) + u' ' + QString::number(id);
    });
    TfrmZdania::ActAsClick(analyser);
    QCOMPARE(opened, QStringList{u"Media/Zdania/s1.mp3 5"_s});
    analyser->setEnabled(false);
    TfrmZdania::ActAsClick(analyser);
    QCOMPARE(opened.size(), 1);
}

QTEST_MAIN(SentenceScreens)
#include "tst_sentence_screens.moc"
