// The uncovering game without its screen: reading the words, the layouts, the run of
// definitions with its score, and what the course checker reports.

#include "exercises/shared/PictureSize.h"
#include "exercises/words/Struct_Odkrywanka.h"
#include "exercises/words/UncoveringModel.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace UncoveringModel;

namespace {

QString Element(int n, const QString &word = QString(), const QString &definition = QString())
{
    return u"<element id=\"%1\"><slowo sampel=\"w%1.wav\">%2</slowo><tlumaczenie>słowo %1</tlumaczenie>"
           u"<definicja sampel=\"d%1.wav\">%3</definicja></element>"_s.arg(n)
               .arg(word.isNull() ? u"word%1"_s.arg(n) : word,
                    definition.isNull() ? u"Definition %1."_s.arg(n) : definition);
}

QByteArray UncoveringFile(int words, const QString &extra = QString())
{
    QString body =
        u"<polecenie id=\"1\">Listen and click.</polecenie><polecenie id=\"0\">Kliknij.</polecenie>"_s;
    for (int i = 1; i <= words; ++i)
        body += Element(i);
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>52</typ_cw></config><body>"_s +
            body + extra + u"</body></cwiczenie>"_s)
        .toUtf8();
}

QList<TDefinicja> Words(int count)
{
    return ReadOdkrywanka(UncoveringFile(count), 1, 0).Exercise.Definitions;
}

// The smallest headers the size reader needs.
QByteArray PngHeader(int width, int height)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (int v : {width, height}) {
        bytes.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    }
    return bytes + QByteArray("\x08\x02\0\0\0", 5);
}

QByteArray JpegHeader(int width, int height)
{
    QByteArray bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    bytes += QByteArray("\xFF\xDB\x00\x04\x00\x00", 6); // a (short) table segment to skip
    bytes += QByteArray("\xFF\xC0\x00\x11\x08", 5);
    bytes.append(char(height >> 8)).append(char(height)).append(char(width >> 8)).append(char(width));
    return bytes + QByteArray(12, '\0');
}

void WriteFile(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class UncoveringModelTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheWords()
    {
        const OdkrywankaReadResult r = ReadOdkrywanka(UncoveringFile(7), 1, 0);
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Exercise.Instruction, u"Listen and click."_s);
        QCOMPARE(r.Exercise.Hint, u"Kliknij."_s);
        QCOMPARE(r.Exercise.Definitions.size(), 7);
        const TDefinicja &third = r.Exercise.Definitions[2];
        QCOMPARE(third.Word, u"word3"_s);
        QCOMPARE(third.Translation, u"słowo 3"_s);
        QCOMPARE(third.Definition, u"Definition 3."_s);
        QCOMPARE(third.WordRecording, u"w3.mp3"_s);
        QCOMPARE(third.DefinitionRecording, u"d3.mp3"_s);
        QCOMPARE(third.Found, false);
        QCOMPARE(UncoveringPictureName(u"Paczki\\miasto.xml"_s), u"miasto.jpg"_s);
        QCOMPARE(UncoveringPictureName(u"a.b.xml"_s), u"a.b.jpg"_s);
    }

    void refusesWhatCannotBePlayed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("no element") << UncoveringFile(0);
        QTest::addRow("nine words leave the screen") << UncoveringFile(9);
        QTest::addRow("not xml") << QByteArray("<cwiczenie><body>");
    }

    void refusesWhatCannotBePlayed()
    {
        QFETCH(QByteArray, bytes);
        const OdkrywankaReadResult r = ReadOdkrywanka(bytes, 1, 0);
        QVERIFY(!r.Ok());
        QVERIFY(r.Exercise.Definitions.isEmpty());
    }

    void layouts_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QList<int>>("tops"); // listen, again, column, first strip, eighth button
        const QList<int> seven{112, 675, 194, 175, 194 + 7 * 70};
        const QList<int> eight{80, 710, 159, 140, 159 + 7 * 70};
        QTest::addRow("7 words") << 7 << 1 << 0 << u"bg_odkrywanka_7.bmp"_s << seven;
        QTest::addRow("8 words") << 8 << 0 << 1 << u"bg_odkrywanka_8.bmp"_s << eight;
        QTest::addRow("5 words, new screen") << 5 << 0 << 0 << u"bg_odkrywanka_7.bmp"_s << seven;
        QTest::addRow("5 words after 8") << 5 << 1 << 1 << u"bg_odkrywanka_8.bmp"_s << eight;
    }

    void layouts()
    {
        QFETCH(int, words);
        QFETCH(int, previous);
        QFETCH(int, index);
        QFETCH(QString, background);
        QFETCH(QList<int>, tops);
        const TUncoveringLayout layout = LayoutFor(words, previous);
        QCOMPARE(layout.Index, index);
        QCOMPARE(layout.Background, background);
        QCOMPARE((QList<int>{layout.MediaTop, layout.AgainTop, layout.ColumnTop, StripTop(layout, 0),
                             ButtonTop(layout, 7)}),
                 tops);
        // Eight words fit on the screen in the layout drawn for them.
        QVERIFY(ButtonTop(LayoutFor(8, 0), 7) + 31 <= 768);
        QVERIFY(StripTop(LayoutFor(8, 0), 7) + StripHeight <= 768);
    }

    void runScores_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("wrong"); // wrong clicks made before the first right one
        QTest::addColumn<int>("percent");
        QTest::addRow("7 words, 2 wrong: 78") << 7 << 2 << 78;
        QTest::addRow("8 words, none wrong") << 8 << 0 << 100;
        QTest::addRow("7 words, 7 wrong") << 7 << 7 << 50;
        QTest::addRow("8 words, 8 wrong") << 8 << 8 << 50;
        QTest::addRow("1 word") << 1 << 0 << 100;
    }

    void runScores()
    {
        QFETCH(int, words);
        QFETCH(int, wrong);
        QFETCH(int, percent);
        QRandomGenerator random(5);
        TUncoveringRun run(Words(words), [&random](int n) { return int(random.bounded(n)); });

        QList<int> column = run.ColumnOrder();
        std::sort(column.begin(), column.end());
        QCOMPARE(column.size(), words);
        for (int i = 0; i < words; ++i)
            QCOMPARE(column[i], i);            // every word once in the column
        QCOMPARE(run.Percent(), std::nullopt); // nothing clicked yet

        int wrongLeft = wrong;
        while (!run.IsFinished()) {
            const int current = run.Current();
            QVERIFY(current >= 0);
            QVERIFY(!run.Definitions()[current].Found);
            int click = current;
            if (wrongLeft > 0) {
                // Any other word not yet found.
                for (int w = 0; w < words; ++w) {
                    if (w != current && !run.Definitions()[w].Found)
                        click = w;
                }
                QVERIFY(click != current);
                --wrongLeft;
            }
            const TUncoveringRun::ClickOutcome outcome = run.Click(click);
            QVERIFY(outcome.Accepted);
            QCOMPARE(outcome.Right, click == current);
            QCOMPARE(outcome.Next, run.Current());
            if (!outcome.Finished)
                QVERIFY(!run.Definitions()[outcome.Next].Found); // another definition at once
        }
        QCOMPARE(run.Current(), -1); // nothing plays after the last word
        QCOMPARE(run.Good(), words);
        QVERIFY(!run.Click(0).Accepted);
        QCOMPARE(run.Percent(), std::optional<int>(percent));
    }

    void scriptedRun()
    {
        // Column: draw 1 then 0 then 0 of three words -> 1, 0, 2. First definition: draw 2 of
        // the three open words -> word 2.
        QList<int> picks{1, 0, 0, 2, 0, 0};
        TUncoveringRun run(
            Words(3), [&picks](int n) { return std::min(picks.isEmpty() ? 0 : picks.takeFirst(), n - 1); });
        QCOMPARE(run.ColumnOrder(), (QList<int>{1, 0, 2}));
        QCOMPARE(run.PlaceOf(2), 2);
        QCOMPARE(run.Current(), 2);
        // A wrong click draws again among the open words (here word 0).
        TUncoveringRun::ClickOutcome outcome = run.Click(1);
        QVERIFY(!outcome.Right);
        QCOMPARE(outcome.Next, 0);
        outcome = run.Click(0);
        QVERIFY(outcome.Right);
        QVERIFY(run.Definitions()[0].Found);
        QVERIFY(!run.Click(0).Accepted); // a found word takes no more clicks
        QCOMPARE(run.Bad(), 1);
    }

    void pictureSizes()
    {
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"a.png"_s), PngHeader(900, 490));
        WriteFile(dir.filePath(u"a.jpg"_s), JpegHeader(900, 560));
        WriteFile(dir.filePath(u"a.txt"_s), "hello");
        QCOMPARE(Exercises::PictureFileSize(dir.filePath(u"a.png"_s)), QSize(900, 490));
        QCOMPARE(Exercises::PictureFileSize(dir.filePath(u"a.jpg"_s)), QSize(900, 560));
        QVERIFY(Exercises::PictureFileSize(dir.filePath(u"a.txt"_s)).isEmpty());
        QVERIFY(Exercises::PictureFileSize(dir.filePath(u"none.jpg"_s)).isEmpty());
    }

    void inspection_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("picture"); // empty: no picture file
        QTest::addColumn<QStringList>("problems");
        const QString missing =
            u"the definition's recording \"d%1.mp3\" is missing under Media\\Odkrywanki"_s;
        QTest::addRow("sound 7") << UncoveringFile(7) << JpegHeader(900, 490) << QStringList();
        QTest::addRow("sound 8") << UncoveringFile(8) << JpegHeader(900, 560) << QStringList();
        QTest::addRow("6 words") << UncoveringFile(6) << JpegHeader(900, 490)
                                 << QStringList{u"6 words: the screen is laid out for 7 or 8"_s};
        QTest::addRow("10 words") << UncoveringFile(10) << JpegHeader(900, 700)
                                  << QStringList{u"10 words: the screen is laid out for 7 or 8"_s,
                                                 u"word 9: "_s + missing.arg(9),
                                                 u"word 10: "_s + missing.arg(10)};
        QTest::addRow("no picture") << UncoveringFile(7) << QByteArray()
                                    << QStringList{
                                           u"the hidden picture Gfx\\Odkrywanki_gfx\\x.jpg is missing"_s};
        QTest::addRow("picture too low")
            << UncoveringFile(8) << JpegHeader(900, 490)
            << QStringList{
                   u"the hidden picture Gfx\\Odkrywanki_gfx\\x.jpg is 490 pixels high; 8 words need 560"_s};
        QTest::addRow("not a picture")
            << UncoveringFile(7) << QByteArray("text")
            << QStringList{u"the hidden picture Gfx\\Odkrywanki_gfx\\x.jpg is not a "
                           u"JPEG picture"_s};
        QTest::addRow("empty word and definition")
            << UncoveringFile(6, Element(7, u""_s, u""_s)) << JpegHeader(900, 490)
            << QStringList{u"word 7: the word (slowo) is empty"_s,
                           u"word 7: the definition (definicja) is empty"_s};
    }

    void inspection()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, picture);
        QFETCH(QStringList, problems);
        QTemporaryDir dir;
        for (int i = 1; i <= 8; ++i)
            WriteFile(dir.filePath(u"d%1.mp3"_s.arg(i)));
        if (!picture.isEmpty())
            WriteFile(dir.filePath(u"x.jpg"_s), picture);
        QCOMPARE(InspectOdkrywanka(file, dir.path(), dir.filePath(u"x.jpg"_s)), problems);
    }
};

QTEST_GUILESS_MAIN(UncoveringModelTest)
#include "tst_uncoveringmodel.moc"
