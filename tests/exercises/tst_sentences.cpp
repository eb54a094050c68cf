// The sentence exercises without their screens: reading the file, the run of sentences and
// its score, the typed-sentence comparison, and the word arranging.

#include "exercises/dialogues/SentenceRun.h"
#include "exercises/dialogues/SentenceText.h"
#include "exercises/dialogues/Struct_Zdania.h"
#include "exercises/dialogues/WordArranging.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Sentences;

namespace {

// A sentence file; body is the inner XML of <body>.
QByteArray SentenceFile(const QString &body)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>21</typ_cw></config><body>"_s +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

QString Zdanie(const QString &text, const QString &sampel = u"s.wav"_s,
               const QString &translations = QString())
{
    return u"<zdanie id=\"1\" sampel=\""_s + sampel + u"\"><tresc>"_s + text + u"</tresc>"_s + translations +
           u"</zdanie>"_s;
}

const QString Instructions =
    u"<polecenia>"
    "<typ id=\"2\"><polecenie id=\"1\">Write</polecenie></typ>"
    "<typ id=\"1\"><polecenie id=\"0\">Ułóż</polecenie><polecenie id=\"1\">Arrange</polecenie>"
    "<polecenie id=\"1\">Second</polecenie></typ>"
    "<typ id=\"1\"><polecenie id=\"1\">Later typ</polecenie></typ>"
    "</polecenia>"_s;

// Draws that take the given entries of what is left (clamped to the last one).
RandomPick Scripted(QList<int> picks)
{
    auto queue = std::make_shared<QList<int>>(std::move(picks));
    return [queue](int count) { return queue->isEmpty() ? 0 : std::min(queue->takeFirst(), count - 1); };
}

QList<TZdanie> Numbered(int n)
{
    QList<TZdanie> sentences;
    for (int i = 0; i < n; ++i)
        sentences.append({QString::number(i), {}, {}, false});
    return sentences;
}

QList<TSlowo> Slots(const QStringList &placed)
{
    QList<TSlowo> places;
    for (const QString &word : placed)
        places.append({word, word, false, false, {}});
    return places;
}

// Every word is 10 pixels per letter.
int Width(const QString &word)
{
    return int(word.size()) * 10;
}

} // namespace

class SentencesTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFile_data();
    void readsTheFile();
    void keepsWhatWasReadBeforeAFault();
    void recordingName_data();
    void recordingName();
    void inspection_data();
    void inspection();

    void runOffersEachSentenceOnce_data();
    void runOffersEachSentenceOnce();
    void runScores_data();
    void runScores();

    void compareTypedSentence_data();
    void compareTypedSentence();
    void differingWords_data();
    void differingWords();

    void cutAndDeal_data();
    void cutAndDeal();
    void moveWord_data();
    void moveWord();
    void checksArrangement();
    void layoutAndHits();
    void answeredRowsWrapAtTheEdge();
};

void SentencesTest::readsTheFile_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("translationLanguage");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("translation");

    QTest::addRow("arranging, first of two in the first typ")
        << 1 << 0 << u"Arrange"_s << u"Ułóż"_s << u"Dwa"_s;
    QTest::addRow("dictation, no hint language") << 2 << 0 << u"Write"_s << QString() << u"Dwa"_s;
    QTest::addRow("no translations") << 1 << 255 << u"Arrange"_s << QString() << QString();
    QTest::addRow("translation: no typ 4") << 4 << 0 << QString() << QString() << u"Dwa"_s;
    QTest::addRow("a language without translation") << 1 << 7 << u"Arrange"_s << QString() << QString();
}

void SentencesTest::readsTheFile()
{
    QFETCH(int, variant);
    QFETCH(int, translationLanguage);
    const QByteArray file = SentenceFile(
        Instructions +
        Zdanie(u" Open the door, please. "_s, u"a.b.wav"_s,
               u"<tlumaczenie id=\"2\">Inny</tlumaczenie><tlumaczenie id=\"0\"> Dwa </tlumaczenie>"
               "<tlumaczenie id=\"0\">Trzy</tlumaczenie>"_s) +
        Zdanie(u"Second"_s, u"abc"_s));
    const ZdaniaReadResult read = LoadSentenceExercise(file, variant, 1, translationLanguage);
    QVERIFY2(read.Ok(), qPrintable(read.Error));
    QTEST(read.Exercise.Instruction, "instruction");
    QTEST(read.Exercise.Hint, "hint");
    QCOMPARE(read.Exercise.Sentences.size(), 2);
    const TZdanie &first = read.Exercise.Sentences[0];
    QCOMPARE(first.Text, u" Open the door, please. "_s); // as stored
    QCOMPARE(first.Recording, u"a.b.mp3"_s);
    QTEST(first.Translation, "translation");
    QVERIFY(!first.Done);
    QCOMPARE(read.Exercise.Sentences[1].Recording, u"abc.mp3"_s);
}

void SentencesTest::keepsWhatWasReadBeforeAFault()
{
    const ZdaniaReadResult bad = LoadSentenceExercise(
        SentenceFile(Instructions + Zdanie(u"One"_s) +
                     Zdanie(u"Two"_s, u"t.wav"_s, u"<tlumaczenie id=\"x\">?</tlumaczenie>"_s) +
                     Zdanie(u"Three"_s)),
        1, 1, 0);
    QVERIFY(!bad.Ok());
    QCOMPARE(bad.Exercise.Instruction, u"Arrange"_s);
    QCOMPARE(bad.Exercise.Sentences.size(), 1);

    // Nothing to offer is a fault too: the run could not start.
    for (const QByteArray &empty :
         {SentenceFile(Instructions), QByteArray("<cwiczenie><body>"), QByteArray("<inne><body/></inne>")}) {
        const ZdaniaReadResult read = LoadSentenceExercise(empty, 1, 1, 0);
        QVERIFY(!read.Ok());
        QVERIFY(read.Exercise.Sentences.isEmpty());
    }
}

void SentencesTest::recordingName_data()
{
    QTest::addColumn<QString>("sampel");
    QTest::addColumn<QString>("recording");
    QTest::addRow("wav") << u"s01.wav"_s << u"s01.mp3"_s;
    QTest::addRow("two dots") << u"a.b.wav"_s << u"a.b.mp3"_s;
    QTest::addRow("no extension") << u"abc"_s << u"abc.mp3"_s;
    QTest::addRow("dot in a folder") << u"dir.x\\abc"_s << u"dir.x\\abc.mp3"_s;
    QTest::addRow("dot before a drive colon") << u"a.b:c"_s << u"a.b:c.mp3"_s;
    QTest::addRow("ogg kept as mp3") << u"x.ogg"_s << u"x.mp3"_s;
}

void SentencesTest::recordingName()
{
    QFETCH(QString, sampel);
    QTEST(SentenceRecordingName(sampel), "recording");
}

void SentencesTest::inspection_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QList<int>>("variants");
    QTest::addColumn<QStringList>("problems");

    QTest::addRow("sound") << Instructions + Zdanie(u"Fine."_s) << QList<int>{1, 2} << QStringList();
    QTest::addRow("no zdanie") << Instructions << QList<int>{1}
                               << QStringList{u"the exercise holds no sentence"_s};
    QTest::addRow("instruction missing for a variant")
        << Instructions + Zdanie(u"Fine."_s) << QList<int>{1, 2, 4}
        << QStringList{u"no instruction of variant 4 in language 1"_s};
    QTest::addRow("blanks and missing recordings")
        << Instructions + Zdanie(QString()) + Zdanie(u" Lead"_s) + Zdanie(u"Two  blanks"_s, u"brak.wav"_s)
        << QList<int>{1}
        << QStringList{u"sentence 1: the tresc is empty"_s,
                       u"sentence 2: blanks at the start or end of \" Lead\""_s,
                       u"sentence 3: two blanks in a row in \"Two  blanks\""_s,
                       u"sentence 3: the recording brak.mp3 is missing"_s};
}

void SentencesTest::inspection()
{
    QFETCH(QString, body);
    QFETCH(QList<int>, variants);
    const QStringList problems = InspectSentences(SentenceFile(body), variants, 1,
                                                  [](const QString &name) { return name != u"brak.mp3"_s; });
    QTEST(problems, "problems");
}

void SentencesTest::runOffersEachSentenceOnce_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QList<int>>("offered");

    QTest::addRow("first of what is left") << 4 << QList<int>{0, 0, 0, 0} << QList<int>{0, 1, 2, 3};
    QTest::addRow("last of what is left") << 4 << QList<int>{3, 2, 1, 0} << QList<int>{3, 2, 1, 0};
    QTest::addRow("mixed") << 5 << QList<int>{2, 2, 0, 1, 0} << QList<int>{2, 3, 0, 4, 1};
    QTest::addRow("one sentence") << 1 << QList<int>{0} << QList<int>{0};
}

void SentencesTest::runOffersEachSentenceOnce()
{
    QFETCH(int, count);
    QFETCH(QList<int>, picks);
    TSentenceRun run(Numbered(count));
    QCOMPARE(run.Current(), -1);
    const RandomPick pick = Scripted(picks);
    QList<int> offered;
    for (int answer = 0; answer < count; ++answer) {
        offered.append(run.PickNextSentence(run.Current(), pick));
        QCOMPARE(run.CurrentSentence()->Text, QString::number(offered.last()));
    }
    QTEST(offered, "offered");
    // Nothing left: no further sentence is offered.
    QCOMPARE(run.PickNextSentence(run.Current(), pick), -1);
    QCOMPARE(run.CurrentSentence(), nullptr);

    // A real generator never offers one twice either.
    TSentenceRun random(Numbered(9));
    QSet<int> seen;
    for (int i = 0; i < 9; ++i)
        seen.insert(random.PickNextSentence(
            random.Current(), [](int n) { return int(QRandomGenerator::global()->bounded(n)); }));
    QCOMPARE(seen.size(), 9);
}

void SentencesTest::runScores_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("answers"); // R right, W wrong
    QTest::addColumn<QList<int>>("figures");

    QTest::addRow("3: R W R") << 3 << u"RWR"_s << QList<int>{33, 33, 67};
    QTest::addRow("8 with 5 right") << 8 << u"RRRRRWWW"_s << QList<int>{12, 25, 38, 50, 62, 62, 62, 62};
    QTest::addRow("8 with 3 right") << 8 << u"WWWWWRRR"_s << QList<int>{0, 0, 0, 0, 0, 12, 25, 38};
    QTest::addRow("10: over the file, not the answers") << 10 << u"R"_s << QList<int>{10};
    QTest::addRow("translation: I know twice, not, I know, not")
        << 5 << u"RRWRW"_s << QList<int>{20, 40, 40, 60, 60};
}

void SentencesTest::runScores()
{
    QFETCH(int, count);
    QFETCH(QString, answers);
    TSentenceRun run(Numbered(count));
    run.PickNextSentence(-1, Scripted({}));
    QList<int> figures;
    for (int i = 0; i < answers.size(); ++i) {
        QVERIFY(!run.IsOver());
        run.CountAnswer(answers[i] == u'R');
        figures.append(run.XFactor());
        run.PickNextSentence(run.Current(), Scripted({}));
    }
    QTEST(figures, "figures");
    QCOMPARE(run.Right() + run.Wrong(), int(answers.size()));
    QCOMPARE(run.IsOver(), answers.size() == count);
    // Once over, answers no longer count.
    if (run.IsOver()) {
        run.CountAnswer(true);
        QCOMPARE(run.XFactor(), figures.last());
    }
    QVERIFY(!TSentenceRun().IsOver());
    QCOMPARE(TSentenceRun().XFactor(), 0);
}

void SentencesTest::compareTypedSentence_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("right");

    QTest::addRow("question mark ignored")
        << u"Where are you going?"_s << u"Where are you going"_s << false << true << true;
    QTest::addRow("question mark used")
        << u"Where are you going?"_s << u"Where are you going"_s << true << true << false;
    QTest::addRow("double blank ignored")
        << u"Where are you going?"_s << u"Where  are you going?"_s << false << true << true;
    QTest::addRow("double blank used")
        << u"Where are you going?"_s << u"Where  are you going?"_s << true << true << false;
    QTest::addRow("case kept: i am") << u"I am here."_s << u"i am here."_s << true << true << false;
    QTest::addRow("case kept: I'm, row 8") << u"I am here."_s << u"I'm here."_s << true << true << true;
    QTest::addRow("row 2 turns You into you")
        << u"You have got a cat"_s << u"you have got a cat"_s << true << true << true;
    QTest::addRow("he's inside She's") << u"She is late"_s << u"She's late"_s << true << true << true;
    QTest::addRow("he's inside She's, any case")
        << u"She is late"_s << u"She's late"_s << false << false << true;
    QTest::addRow("I'd becomes I would first")
        << u"I had better go"_s << u"I'd better go"_s << true << true << false;
    QTest::addRow("case ignored: he's") << u"He is here"_s << u"he's here"_s << true << false << true;
    QTest::addRow("empty answer") << u"He is here"_s << QString() << false << false << false;
    QTest::addRow("comma glued") << u"Hello,world"_s << u"Hello world"_s << false << true << true;
    QTest::addRow("don't against dont") << u"I don't know."_s << u"I dont know"_s << false << true << false;
    QTest::addRow("It's against it's, case kept")
        << u"It's late."_s << u"it's late."_s << true << true << true;
    QTest::addRow("I had better against I'd better")
        << u"I had better go"_s << u"I'd better go"_s << false << false << false;
    QTest::addRow("apostrophe and hyphen are not punctuation")
        << u"a well-known one"_s << u"a well known one"_s << false << true << false;
    QTest::addRow("only a to z fold") << u"Zażółć"_s << u"ZAżółć"_s << true << false << true;
    QTest::addRow("Polish letters keep their case") << u"Łódź"_s << u"łódź"_s << true << false << false;
    QTest::addRow("every contraction row: won't, can't, sb")
        << u"Somebody cannot and will not"_s << u"Sb can't and won't"_s << true << false << true;
    QTest::addRow("the model's trailing blank counts with punctuation used")
        << u"Go "_s << u"Go"_s << true << true << false;
}

void SentencesTest::compareTypedSentence()
{
    QFETCH(QString, model);
    QFETCH(QString, typed);
    QFETCH(bool, punctuation);
    QFETCH(bool, matchCase);
    QTEST(CompareTypedSentence(model, typed, punctuation, matchCase), "right");
}

void SentencesTest::differingWords_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<QList<bool>>("differs");

    QTest::addRow("one word wrong") << u"I work in an office."_s << u"I walk in an office"_s << false
                                    << QList<bool>{false, true, false, false, false};
    QTest::addRow("word missing") << u"We have a meeting."_s << u"We a meeting"_s << false
                                  << QList<bool>{false, false, false};
    QTest::addRow("word too many") << u"We have a meeting."_s << u"We have a big meeting"_s << false
                                   << QList<bool>{false, false, false, true, false};
    QTest::addRow("contraction is the same word")
        << u"I am here."_s << u"I'm hear"_s << false << QList<bool>{false, true};
    QTest::addRow("punctuation used")
        << u"Yes, please."_s << u"Yes please."_s << true << QList<bool>{true, false};
    QTest::addRow("order swapped") << u"the cat saw the dog"_s << u"the dog saw the cat"_s << false
                                   << QList<bool>{false, true, false, false, true};
}

void SentencesTest::differingWords()
{
    QFETCH(QString, model);
    QFETCH(QString, typed);
    QFETCH(bool, punctuation);
    QTEST(DifferingWords(model, typed, punctuation, false), "differs");
}

void SentencesTest::cutAndDeal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QStringList>("placed");

    QTest::addRow("in order") << u"Open the door, please."_s << QList<int>{0, 0, 0, 0}
                              << QStringList{u"Open"_s, u"the"_s, u"door,"_s, u"please."_s};
    QTest::addRow("reversed") << u"a b c"_s << QList<int>{2, 1, 0} << QStringList{u"c"_s, u"b"_s, u"a"_s};
    QTest::addRow("one word") << u"Hello!"_s << QList<int>{0} << QStringList{u"Hello!"_s};
    QTest::addRow("empty words dropped") << u" a  b "_s << QList<int>{1, 0} << QStringList{u"b"_s, u"a"_s};
    QTest::addRow("only code 32 cuts") << u"a\tb c"_s << QList<int>{0, 0} << QStringList{u"a\tb"_s, u"c"_s};
}

void SentencesTest::cutAndDeal()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, picks);
    const QStringList words = CutSentence(text);
    const QList<TSlowo> places = DealWords(words, Scripted(picks));
    QCOMPARE(ModelWords(places), words);
    QTEST(PlacedWords(places), "placed");
    QStringList sortedModel = words;
    QStringList sortedPlaced = PlacedWords(places);
    sortedModel.sort();
    sortedPlaced.sort();
    QCOMPARE(sortedPlaced, sortedModel);
}

void SentencesTest::moveWord_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("result");

    QTest::addRow("3rd onto the 1st") << 2 << 0 << u"3 1 2 4 5"_s;
    QTest::addRow("onto itself") << 2 << 2 << u"1 2 3 4 5"_s;
    QTest::addRow("onto the next word") << 2 << 3 << u"1 2 3 4 5"_s;
    QTest::addRow("1st right of the last") << 0 << 5 << u"2 3 4 5 1"_s;
    QTest::addRow("2nd onto the 5th") << 1 << 4 << u"1 3 4 2 5"_s;
    QTest::addRow("last onto the 2nd") << 4 << 1 << u"1 5 2 3 4"_s;
    QTest::addRow("no source") << -1 << 1 << u"1 2 3 4 5"_s;
    QTest::addRow("no target") << 1 << -1 << u"1 2 3 4 5"_s;
}

void SentencesTest::moveWord()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QList<TSlowo> places = Slots({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s});
    MoveWord(places, source, target);
    QTEST(PlacedWords(places).join(u' '), "result");
    QCOMPARE(ModelWords(places).join(u' '), u"1 2 3 4 5"_s);
}

void SentencesTest::checksArrangement()
{
    // the cat saw the dog, dealt as the dog saw the cat: swapping the nouns back is right,
    // whichever "the" went where.
    QList<TSlowo> places = DealWords(CutSentence(u"the cat saw the dog"_s), Scripted({3, 3, 2, 0, 0}));
    QCOMPARE(PlacedWords(places).join(u' '), u"the dog saw the cat"_s);
    QVERIFY(!IsArrangedRight(places));
    MoveWord(places, 4, 1); // cat before dog
    MoveWord(places, 2, 5); // dog to the end
    QCOMPARE(PlacedWords(places).join(u' '), u"the cat saw the dog"_s);
    QVERIFY(IsArrangedRight(places));
}

void SentencesTest::layoutAndHits()
{
    // 100 pixels wide: the wrap comes when x + width reaches 84.
    QList<TSlowo> places = Slots({u"aaa"_s, u"bbbb"_s, u"cc"_s, u"d"_s});
    LayOutArranging(places, 100, 18, Width);
    QCOMPARE(places[0].Rect, QRect(0, 4, 30, 18));
    QCOMPARE(places[1].Rect, QRect(38, 4, 40, 18));
    QCOMPARE(places[2].Rect, QRect(0, 38, 20, 18)); // 86 + 20 ≥ 84: next row, h + 16 lower
    QCOMPARE(places[3].Rect, QRect(28, 38, 10, 18));

    QCOMPARE(SlotAt(places, {0, 4}), 0);
    QCOMPARE(SlotAt(places, {29, 21}), 0);
    QCOMPARE(SlotAt(places, {30, 4}), -1); // right edge is outside
    QCOMPARE(SlotAt(places, {45, 40}), -1);

    const TDropTarget onWord = DropTargetAt(places, {40, 10}, 8);
    QCOMPARE(onWord.Index, 1);
    QCOMPARE(onWord.Marker, QPoint(30, 4));
    const TDropTarget afterLast = DropTargetAt(places, {45, 40}, 8);
    QCOMPARE(afterLast.Index, 4);
    QCOMPARE(afterLast.Marker, QPoint(38, 38));
    QCOMPARE(DropTargetAt(places, {46, 40}, 8).Index, -1);
    QCOMPARE(DropTargetAt(places, {90, 4}, 8).Index, -1);
    QCOMPARE(DropTargetAt({}, {0, 0}, 8).Index, -1);
}

void SentencesTest::answeredRowsWrapAtTheEdge()
{
    // Right of a 22-pixel mark: words from x 30, rows h apart, 4 pixels between words,
    // a word reaching the width starts a row.
    const QList<QRect> rects = LayOutAnsweredRow({u"aaaa"_s, u"bbb"_s, u"cc"_s}, 22, 4, 100, 18, Width);
    QCOMPARE(rects, (QList<QRect>{{30, 4, 40, 18}, {30, 22, 30, 18}, {64, 22, 20, 18}}));
    QCOMPARE(LayoutWords(u" a  b\t "_s), (QStringList{u"a"_s, u"b\t"_s}));
}

QTEST_GUILESS_MAIN(SentencesTest)
#include "tst_sentences.moc"
