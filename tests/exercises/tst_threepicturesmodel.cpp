// The three-pictures exercise without its screen: reading the turns, the run of turns with
// its shuffled frames and running score, and what the course checker reports.

#include "exercises/words/Struct_3Obrazki.h"
#include "exercises/words/ThreePicturesModel.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace ThreePicturesModel;

namespace {

QByteArray PicturesFile(const QString &body)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>8</typ_cw></config><body>"_s +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

QString Turn(const QString &stem, const QString &sentence = u"A sentence."_s)
{
    return u"<grupa id=\"1\" sampel=\"%1.wav\" bmp1=\"%1_a.bmp\" bmp2=\"%1_b.bmp\" bmp3=\"%1_c\">"
           u"<zdanie>%2</zdanie><tlumaczenie id=\"0\">Zdanie %1.</tlumaczenie>"
           u"<tlumaczenie id=\"1\">Sentence %1.</tlumaczenie></grupa>"_s.arg(stem, sentence);
}

QList<TGrupaObrazkow> Turns(int count)
{
    QList<TGrupaObrazkow> groups;
    for (int i = 0; i < count; ++i) {
        TGrupaObrazkow g;
        g.Picture1 = u"t%1_right.png"_s.arg(i);
        g.Picture2 = u"t%1_b.png"_s.arg(i);
        g.Picture3 = u"t%1_c.png"_s.arg(i);
        groups.append(g);
    }
    return groups;
}

} // namespace

class ThreePicturesModelTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTurns()
    {
        const ThreePicturesReadResult r = Read3Obrazki(
            PicturesFile(
                u"<polecenie id=\"1\">Listen and click.</polecenie><polecenie id=\"0\">Kliknij.</polecenie>"_s +
                Turn(u"one"_s, u"I'd like bread."_s) + Turn(u"two"_s)),
            1, 0);
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Exercise.Instruction, u"Listen and click."_s);
        QCOMPARE(r.Exercise.Hint, u"Kliknij."_s);
        QCOMPARE(r.Exercise.Groups.size(), 2);
        const TGrupaObrazkow &first = r.Exercise.Groups[0];
        // Pictures are PNG and recordings mp3 whatever the file names; a bare name gets ".png".
        QCOMPARE(first.Picture1, u"one_a.png"_s);
        QCOMPARE(first.Picture2, u"one_b.png"_s);
        QCOMPARE(first.Picture3, u"one_c.png"_s);
        QCOMPARE(first.Recording, u"one.mp3"_s);
        QCOMPARE(first.Sentence, u"I'd like bread."_s);
        QCOMPARE(first.Translation, u"Zdanie one."_s);
        QCOMPARE(first.Used, false);
        // The translation follows the learner's language; none for a language without one.
        QCOMPARE(Read3Obrazki(PicturesFile(Turn(u"x"_s)), 1, 1).Exercise.Groups[0].Translation,
                 u"Sentence x."_s);
        QCOMPARE(Read3Obrazki(PicturesFile(Turn(u"x"_s)), 1, 2).Exercise.Groups[0].Translation, QString());
    }

    void refusesAFileWithoutTurns_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("no grupa") << PicturesFile(u"<polecenie id=\"1\">Listen.</polecenie>"_s);
        QTest::addRow("not xml") << QByteArray("<cwiczenie>");
        QTest::addRow("no body") << QByteArray("<cwiczenie><config/></cwiczenie>");
    }

    void refusesAFileWithoutTurns()
    {
        QFETCH(QByteArray, bytes);
        const ThreePicturesReadResult r = Read3Obrazki(bytes, 1, 0);
        QVERIFY(!r.Ok());
        QVERIFY(r.Exercise.Groups.isEmpty());
        QCOMPARE(Inspect3Obrazki(bytes, QDir::tempPath()).size(), 1);
    }

    void inspection_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("problems");
        QTest::addRow("sound") << Turn(u"one"_s) << QStringList();
        QTest::addRow("picture missing")
            << Turn(u"one"_s).replace(u"one_b.bmp"_s, u"gone.bmp"_s)
            << QStringList{u"turn 1: the picture bmp2 \"gone.png\" is missing under Media\\3Obrazki"_s};
        QTest::addRow("recording missing")
            << Turn(u"one"_s) + Turn(u"two"_s)
            << QStringList{u"turn 2: the picture bmp1 \"two_a.png\" is missing under Media\\3Obrazki"_s,
                           u"turn 2: the recording \"two.mp3\" is missing under Media\\3Obrazki"_s};
        QTest::addRow("empty sentence")
            << Turn(u"one"_s, QString()) << QStringList{u"turn 1: the sentence (zdanie) is empty"_s};
        QTest::addRow("right picture among the wrong")
            << Turn(u"one"_s).replace(u"one_c\""_s, u"ONE_A.bmp\""_s)
            << QStringList{u"turn 1: the right picture bmp1 also stands among the wrong ones"_s};
    }

    void inspection()
    {
        QFETCH(QString, body);
        QFETCH(QStringList, problems);
        QTemporaryDir media;
        for (const char *name :
             {"one_a.png", "one_b.png", "one_c.png", "one.mp3", "two_b.png", "two_c.png"}) {
            QFile file(media.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(Inspect3Obrazki(PicturesFile(body), media.path()), problems);
    }

    void runScoresTurnByTurn()
    {
        // Four turns, three picked right: the running score grows to 75 after the last pick.
        QRandomGenerator random(11);
        TThreePicturesRun run(Turns(4), [&random](int n) { return int(random.bounded(n)); });
        QCOMPARE(run.State(), TThreePicturesRun::Phase::NotStarted);
        const QList<bool> rightPicks{true, false, true, true};
        const QList<int> running{25, 25, 50, 75};
        QSet<int> played;
        for (int t = 0; t < 4; ++t) {
            QVERIFY(run.StartNextTurn());
            QCOMPARE(run.State(), TThreePicturesRun::Phase::Answering);
            QVERIFY(!played.contains(run.CurrentTurn())); // every turn once
            played.insert(run.CurrentTurn());
            const int right = run.RightFrame();
            const int pick = rightPicks[t] ? right : right % 3 + 1;
            const TThreePicturesRun::PickOutcome outcome = run.Pick(pick);
            QVERIFY(outcome.Accepted);
            QCOMPARE(outcome.Right, rightPicks[t]);
            QCOMPARE(outcome.RightFrame, right);
            QCOMPARE(outcome.Finished, t == 3);
            QCOMPARE(run.Percent(), std::optional<int>(running[t]));
            // A second pick in the same turn is not taken.
            QVERIFY(!run.Pick(right).Accepted);
        }
        QCOMPARE(run.State(), TThreePicturesRun::Phase::Finished);
        QCOMPARE(run.Good(), 3);
        QCOMPARE(run.Bad(), 1);
        QVERIFY(!run.StartNextTurn()); // no turn after the last
        QCOMPARE(run.Percent(), std::optional<int>(75));
    }

    void oneTurnScoresAtOnce_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("percent");
        QTest::addRow("right") << true << 100;
        QTest::addRow("wrong") << false << 0;
    }

    void oneTurnScoresAtOnce()
    {
        QFETCH(bool, right);
        QFETCH(int, percent);
        TThreePicturesRun run(Turns(1), [](int) { return 0; });
        QVERIFY(run.StartNextTurn());
        const int frame = right ? run.RightFrame() : run.RightFrame() % 3 + 1;
        QVERIFY(run.Pick(frame).Finished);
        QCOMPARE(run.Percent(), std::optional<int>(percent));
    }

    void rightPictureIsAlwaysBmp1()
    {
        // Frames shuffled anew each turn: bmp1 stands in every frame over the turns, and the
        // right frame is always the one showing it.
        QRandomGenerator random(3);
        TThreePicturesRun run(Turns(12), [&random](int n) { return int(random.bounded(n)); });
        QSet<int> rightFrames;
        while (run.StartNextTurn()) {
            const int right = run.RightFrame();
            rightFrames.insert(right);
            QVERIFY(run.PictureInFrame(right).endsWith(u"_right.png"_s));
            QStringList shown{run.PictureInFrame(1), run.PictureInFrame(2), run.PictureInFrame(3)};
            shown.sort();
            const TGrupaObrazkow &turn = *run.Current();
            QStringList all{turn.Picture1, turn.Picture2, turn.Picture3};
            all.sort();
            QCOMPARE(shown, all);
            QCOMPARE(turn.RightFrame, right);
            run.Pick(right);
        }
        QCOMPARE(rightFrames, (QSet<int>{1, 2, 3}));
        QCOMPARE(run.Percent(), std::optional<int>(100));
    }

    void scriptedDraws()
    {
        // Turns and frames come from the random source: draw turn 2 of 0..2, then frames
        // taking pictures 2, 0, 1 (the right one lands in frame 2).
        QList<int> picks{2, 2, 0, 0};
        TThreePicturesRun run(
            Turns(3), [&picks](int n) { return std::min(picks.isEmpty() ? 0 : picks.takeFirst(), n - 1); });
        QVERIFY(run.StartNextTurn());
        QCOMPARE(run.CurrentTurn(), 2);
        QCOMPARE(run.PictureInFrame(1), u"t2_c.png"_s);
        QCOMPARE(run.PictureInFrame(2), u"t2_right.png"_s);
        QCOMPARE(run.PictureInFrame(3), u"t2_b.png"_s);
        QCOMPARE(run.RightFrame(), 2);
        QVERIFY(!run.StartNextTurn()); // not before the pick
        QVERIFY(!run.Pick(0).Accepted);
        QVERIFY(!run.Pick(4).Accepted);
        QVERIFY(!run.Pick(3).Right);
        QVERIFY(run.StartNextTurn());
        QVERIFY(run.Groups()[2].Used);
        QVERIFY(run.CurrentTurn() != 2);
    }
};

QTEST_GUILESS_MAIN(ThreePicturesModelTest)
#include "tst_threepicturesmodel.moc"
