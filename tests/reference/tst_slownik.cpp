// The dictionary's rules without the window: file reading, search, look-up words, word positions.

#include "reference/Slownik.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace Reference;

namespace {

TDane Entry(const QString &headword, const QString &translation)
{
    TDane d;
    d.Headword = headword;
    d.Translation = translation;
    return d;
}

QList<TDane> Sample()
{
    return {Entry(u"apple"_s, u"[1] jabłko"_s),    Entry(u"apply"_s, u"[3] stosować"_s),
            Entry(u"grape"_s, u"[1] winogrono"_s), Entry(u"ap"_s, u"skrót"_s),
            Entry(u"map"_s, u"[1] mapa"_s),        Entry(u"Bee"_s, u"[1] pszczoła"_s),
            Entry(u"b"_s, u"litera b"_s),          Entry(u" ball "_s, u"[1] piłka"_s),
            Entry(u"walk"_s, u"[3] chodzić"_s),    Entry(u"cat"_s, u"[1] kot"_s),
            Entry(u"go"_s, u"[3] iść"_s),          Entry(u"trap"_s, u"[1] pułapka, TAPir"_s),
            Entry(u"Élan"_s, u"[1] polot"_s),      Entry(u"4x4"_s, u"[1] terenówka"_s)};
}

QStringList Headwords(const QList<TDane> &entries, const QList<int> &indexes)
{
    QStringList out;
    for (int i : indexes)
        out << entries.at(i).Headword.trimmed();
    return out;
}

QByteArray Utf16(const QList<QString> &units)
{
    QByteArray out;
    for (const QString &s : units)
        for (QChar c : s) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
    return out;
}

} // namespace

class TestSlownik : public QObject
{
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("letterMode");
        QTest::addColumn<bool>("inWords");
        QTest::addColumn<bool>("wholeWords");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("ap in words") << u"ap"_s << false << true << false
                                     << QStringList{u"apple"_s, u"apply"_s, u"ap"_s};
        QTest::addRow("ap in words, whole words") << u"ap"_s << false << true << true << QStringList{u"ap"_s};
        QTest::addRow("upper-case needle") << u"AP"_s << false << true << true << QStringList{u"ap"_s};
        // The needle anywhere in the translation, case folded; headwords are not searched.
        QTest::addRow("ap in translations")
            << u"ap"_s << false << false << false << QStringList{u"map"_s, u"trap"_s};
        // Whole words hold for translations too: bounded by anything but a letter or digit.
        QTest::addRow("ap in translations, whole words")
            << u"ap"_s << false << false << true << QStringList{};
        QTest::addRow("translation word before a comma")
            << u"pułapka"_s << false << false << true << QStringList{u"trap"_s};
        QTest::addRow("translation word at the end, any case")
            << u"tapir"_s << false << false << true << QStringList{u"trap"_s};
        QTest::addRow("two words of a translation")
            << u"litera b"_s << false << false << true << QStringList{u"b"_s};
        QTest::addRow("letter b") << u"b"_s << true << false << false
                                  << QStringList{u"Bee"_s, u"b"_s, u"ball"_s};
        QTest::addRow("letter b, whole words") << u"b"_s << true << false << true << QStringList{u"b"_s};
        QTest::addRow("empty text finds nothing") << QString() << false << true << false << QStringList{};
        QTest::addRow("27th letter button: other first letters")
            << LetterOfButton(26) << true << true << false << QStringList{u"Élan"_s, u"4x4"_s};
        QTest::addRow("27th letter button ignores whole words")
            << LetterOfButton(26) << true << true << true << QStringList{u"Élan"_s, u"4x4"_s};
        QTest::addRow("typed brace is no letter button") << u"{"_s << false << true << false << QStringList{};
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(bool, letterMode);
        QFETCH(bool, inWords);
        QFETCH(bool, wholeWords);
        QFETCH(QStringList, expected);
        const QList<TDane> entries = Sample();
        SearchOptions options;
        options.InWords = inWords;
        options.InTranslations = !inWords;
        options.WholeWords = wholeWords;
        QCOMPARE(Headwords(entries, SearchDictionary(entries, text, letterMode, options)), expected);
    }

    void letterButtons()
    {
        QCOMPARE(LetterOfButton(0), u"a"_s);
        QCOMPARE(LetterOfButton(25), u"z"_s);
        QCOMPARE(LetterOfButton(26), u"{"_s);
    }

    void normalise_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::addRow("found as it is") << u"walk"_s << u"walk"_s;
        QTest::addRow("ED") << u"walked"_s << u"walk"_s;
        QTest::addRow("ES before S") << u"likes"_s << u"lik"_s;
        QTest::addRow("ING") << u"going"_s << u"go"_s;
        QTest::addRow("S") << u"cats"_s << u"cat"_s;
        QTest::addRow("one ending only") << u"walkings"_s << u"walking"_s;
        QTest::addRow("upper-case ending") << u"WALKED"_s << u"WALK"_s;
        QTest::addRow("punctuation both sides") << u"(\"walked!\"),"_s << u"walk"_s;
        QTest::addRow("inner apostrophe stays") << u"don't"_s << u"don't"_s;
        QTest::addRow("blanks and control characters") << u" \t walk\r\n"_s << u"walk"_s;
        QTest::addRow("a year") << u"1999"_s << QString();
        QTest::addRow("only blanks") << u"   "_s << QString();
        QTest::addRow("short words keep their ending") << u"ed"_s << u"ed"_s;
        QTest::addRow("two letters ending in s") << u"is"_s << u"i"_s;
        QTest::addRow("ING needs four letters") << u"ing"_s << u"ing"_s;
    }

    void normalise()
    {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        const QStringList known{u"walk"_s, u"don't"_s};
        QStringList asked;
        const QString result = NormaliseLookupWord(word, [&](const QString &s) {
            asked << s;
            return known.contains(s.toLower());
        });
        QCOMPARE(result, expected);
        // The dictionary is asked once, about the stripped word, and never about nothing.
        QVERIFY(asked.size() <= 1);
        QVERIFY(!asked.contains(QString()));
    }

    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("extra");
        QTest::addRow("full") << u"   17 [3] run = [3] biec=x=y=z= /rʌn/ "_s << true << 17 << u"run"_s
                              << u"v"_s << u"[3] biec"_s << u"/rʌn/"_s;
        QTest::addRow("no extra") << u"xyz5 [1]cat=kot"_s << true << 5 << u"cat"_s << u"n"_s << u"kot"_s
                                  << QString();
        QTest::addRow("digit without label")
            << u"   9 [4]of=z"_s << true << 9 << u"of"_s << QString() << u"z"_s << QString();
        QTest::addRow("number not decimal")
            << u"   x9 [1]cat=kot"_s << false << 0 << QString() << QString() << QString() << QString();
        QTest::addRow("no space after number")
            << u"   12"_s << false << 0 << QString() << QString() << QString() << QString();
        QTest::addRow("empty") << QString() << false << 0 << QString() << QString() << QString() << QString();
    }

    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        TDane d;
        QCOMPARE(ParseDictionaryLine(line, d), ok);
        if (!ok)
            return;
        QTEST(int(d.Number), "number");
        QTEST(d.Headword, "headword");
        QTEST(d.KindLabel, "label");
        QTEST(d.Translation, "translation");
        QTEST(d.Extra, "extra");
    }

    // A scrambled variant that cannot be read, or holds nothing, gives way to the plain file.
    void brokenVariantFallsBackToPlain_data()
    {
        QTest::addColumn<QByteArray>("variant");
        QTest::addRow("unreadable") << QByteArray("folder");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("no entry") << QByteArray("\xFF\xFEx\0y\0\r\0\n\0", 10);
    }
    void brokenVariantFallsBackToPlain()
    {
        QFETCH(QByteArray, variant);
        QTemporaryDir dir;
        const QString plain = dir.filePath(u"Slownik.txt"_s);
        QFile a(plain);
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write(WriteDictionary({u"   1 [1]plain=zwykły"_s}, false));
        a.close();
        if (variant == "folder") {
            QVERIFY(QDir(dir.path()).mkdir(u"Slownik.txtde"_s));
        } else {
            QFile b(plain + u"de"_s);
            QVERIFY(b.open(QIODevice::WriteOnly));
            b.write(variant);
        }
        const LoadResult r = LoadDictionaryFile(plain);
        QCOMPARE(r.Entries.size(), 1);
        QCOMPARE(r.Entries.first().Headword, u"plain"_s);
    }

    // Entries read from a file stay whole after the load's result is gone.
    void entriesOutliveTheirLoad()
    {
        TDane kept;
        {
            const LoadResult r = ReadDictionary(Utf16({u"   7 [3]run=[3] biec====/rʌn/\r\n"_s}), false);
            QCOMPARE(r.Entries.size(), 1);
            kept = r.Entries.first();
        }
        QCOMPARE(kept.Headword, u"run"_s);
        QCOMPARE(kept.Translation, u"[3] biec"_s);
        QCOMPARE(kept.Extra, u"/rʌn/"_s);
    }

    void readFile()
    {
        // BOM at the start and in the middle, a bad line among good ones, no final line end.
        const QByteArray data =
            Utf16({QString(QChar(0xFEFF)), u"   1 [1]cat=kot\r\n"_s, u"   oops\r\n"_s, u"\r\n"_s,
                   u"   2 [3]go=i"_s, QString(QChar(0xFEFF)), u"ść\r\n"_s, u"   3 [2]big=duży"_s});
        QList<QPair<int, int>> steps;
        const LoadResult r = ReadDictionary(data, false, [&](int pos, int max) { steps.append({pos, max}); });
        QCOMPARE(r.Entries.size(), 3);
        QCOMPARE(r.Entries.at(1).Translation, u"iść"_s);
        QCOMPARE(r.Entries.at(2).Headword, u"big"_s);
        QCOMPARE(r.SkippedLines, 1); // the blank line is not counted as a fault
        // The bar's maximum is the real number of lines, and it never runs past it.
        QVERIFY(!steps.isEmpty());
        QCOMPARE(steps.first(), qMakePair(0, 5));
        QCOMPARE(steps.last(), qMakePair(5, 5));
        for (const auto &s : steps)
            QVERIFY(s.first <= s.second);
    }

    void scrambledRoundTrip()
    {
        const QList<QString> lines{u"   1 [1]żółw=tortoise"_s, u"   2 [3]run=[3] biec====/rʌn/"_s};
        const QByteArray scrambled = WriteDictionary(lines, true);
        // Nothing of the text is readable in the scrambled file.
        QVERIFY(!scrambled.contains(Utf16({u"run"_s})));
        const LoadResult r = ReadDictionary(scrambled, true);
        QCOMPARE(r.SkippedLines, 0);
        QCOMPARE(r.Entries.size(), 2);
        QCOMPARE(r.Entries.at(0).Headword, u"żółw"_s);
        QCOMPARE(r.Entries.at(1).Translation, u"[3] biec"_s);
        QCOMPARE(r.Entries.at(1).Extra, u"/rʌn/"_s);
        QCOMPARE(UnscrambleLine(ScrambleLine(lines.at(1))), lines.at(1));
    }

    void variantIsPreferred()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(u"Slownik.txt"_s);
        QFile a(plain);
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write(WriteDictionary({u"   1 [1]plain=zwykły"_s}, false));
        a.close();
        QCOMPARE(LoadDictionaryFile(plain).Entries.first().Headword, u"plain"_s);
        QFile b(plain + u"de"_s);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(WriteDictionary({u"   1 [1]secret=tajny"_s}, true));
        b.close();
        QCOMPARE(LoadDictionaryFile(plain).Entries.first().Headword, u"secret"_s);
        const LoadResult missing = LoadDictionaryFile(dir.filePath(u"none.txt"_s));
        QVERIFY(!missing.FileFound);
        QVERIFY(missing.Entries.isEmpty());
    }

    void wordAt_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("word");
        QTest::addRow("top-left corner") << QPoint(10, 20) << u"first"_s;
        QTest::addRow("last pixel inside") << QPoint(49, 35) << u"first"_s;
        QTest::addRow("right edge is outside") << QPoint(50, 25) << u"second"_s;
        QTest::addRow("bottom edge is outside") << QPoint(20, 36) << QString();
        QTest::addRow("overlap gives the first added") << QPoint(55, 25) << u"second"_s;
        QTest::addRow("left of everything") << QPoint(9, 20) << QString();
    }

    void wordAt()
    {
        QFETCH(QPoint, point);
        TPozycjeSlowek words;
        QCOMPARE(words.AddWord(u"first"_s, QRect(10, 20, 40, 16)), 0);
        QCOMPARE(words.AddWord(u"second"_s, QRect(50, 20, 30, 16)), 1);
        QCOMPARE(words.AddWord(u"hidden"_s, QRect(52, 20, 30, 16)), 2);
        QTEST(words.WordAt(point), "word");
        words.Clear();
        QCOMPARE(words.WordAt(QPoint(10, 20)), QString());
    }
};

QTEST_GUILESS_MAIN(TestSlownik)
#include "tst_slownik.moc"
