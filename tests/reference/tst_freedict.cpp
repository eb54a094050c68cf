// The FreeDict converter on a small database written in dictd's own format.

#include "reference/Slownik.h"
#include "tools/dictionary/FreeDict.h"

#include <QtTest>

#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

// dictd's base-64 numbers.
QByteArray Number64(qint64 value)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(alphabet[value % 64]);
        value /= 64;
    } while (value > 0);
    return out;
}

struct Database
{
    QByteArray Index;
    QByteArray Dict;
};

Database Build(const QList<QPair<QByteArray, QString>> &definitions)
{
    Database db;
    for (const auto &[word, text] : definitions) {
        const QByteArray body = text.toUtf8();
        db.Index += word + '\t' + Number64(db.Dict.size()) + '\t' + Number64(body.size()) + '\n';
        db.Dict += body;
    }
    return db;
}

const QList<QPair<QByteArray, QString>> SampleDefinitions{
    {"00databaseinfo", u"00-database-info\nEnglish - Polish\n"_s},
    {"abandon", u"abandon /əˈbændən/ <V>\n 1.  zostawiać, opuszczać\n 2.  rzucać\n"
                u" 3.  with abandon (:with ADJ :abandon)\n - beztrosko\n 4.  be abandoned (be V: :abandoned)\n"
                u" - zostać porzuconym (przez kogoś)\n"_s},
    {"apple", u"apple /ˈæpl/ /ˈæpəl/ <N>\n  jabłko\n"_s},
    {"facility", u"facility /fəˈsɪlɪtɪ/ <N>\n 1.  [form]  zdolność, łatwość\n 2.  urządzenie\n"_s},
    {"walk", u"walk /wɔ:k/\nI.  <V> 1.  chodzić, iść\n 2.  wyprowadzać na spacer\nII.  <N> 1.  spacer\n"
             u"III.  <V Phras>walk out  1.  wychodzić\n 2.  strajkować\n"_s},
    {"jeopardize", u"jeopardize, jeopardise /ˈʤepədaɪz/ <V>\n  narażać na niebezpieczeństwo\n"_s},
    {"quickly", u"quickly /ˈkwɪklɪ/ <Adv>\n  szybko\n"_s},
    {"under", u"under /ˈʌndə/ <Prep>\n  pod\n"_s},
    {"AA", u"AA /ˌ$⋅$ˈ$⋅$/\nI.\n   See also: {Alcoholics Anonymous}\n  Anonimowi Alkoholicy\nII.\n"
           u"   See also: {Automobile Association}\n  Automobilklub\n"_s},
    {"asia", u"Asia /ˈeɪʃə/\nI.  <N>  Azja\nII.  <N Comp>Asia Minor /ˈeɪʃə  ˌmaɪnə/   Azja Mniejsza\n"_s},
};

} // namespace

class TestFreeDict : public QObject
{
    Q_OBJECT

private slots:
    void kindDigit_data()
    {
        QTest::addColumn<QString>("pos");
        QTest::addColumn<QChar>("digit");
        QTest::addRow("noun") << u"N"_s << QChar(u'1');
        QTest::addRow("compound noun") << u"N Comp"_s << QChar(u'1');
        QTest::addRow("adjective") << u"Adj"_s << QChar(u'2');
        QTest::addRow("phrasal verb") << u"V Phras"_s << QChar(u'3');
        QTest::addRow("adverb") << u"Adv"_s << QChar(u'6');
        QTest::addRow("preposition") << u"Prep"_s << QChar(u'4');
        QTest::addRow("none") << QString() << QChar(u'4');
    }

    void kindDigit()
    {
        QFETCH(QString, pos);
        QTEST(FreeDict::KindDigit(pos), "digit");
    }

    void convertsSample()
    {
        const Database db = Build(SampleDefinitions);
        const QList<FreeDict::Entry> entries = FreeDict::Convert(db.Index, db.Dict);
        QHash<QString, FreeDict::Entry> byWord;
        QStringList order;
        for (const auto &e : entries) {
            byWord.insert(e.Headword, e);
            order << e.Headword;
        }
        // The database's own header is no entry; spellings and phrasal verbs are entries.
        QCOMPARE(order, (QStringList{u"abandon"_s, u"apple"_s, u"facility"_s, u"walk"_s, u"walk out"_s,
                                     u"jeopardize"_s, u"jeopardise"_s, u"quickly"_s, u"under"_s, u"AA"_s, u"Asia"_s,
                                     u"Asia Minor"_s}));

        QCOMPARE(byWord[u"abandon"_s].Digit, QChar(u'3'));
        QCOMPARE(byWord[u"abandon"_s].Translation,
                 u"[3] zostawiać, opuszczać; rzucać; with abandon – beztrosko; be abandoned – zostać porzuconym "
                   u"(przez kogoś)"_s);
        QCOMPARE(byWord[u"abandon"_s].Pronunciation, u"əˈbændən"_s);
        QCOMPARE(byWord[u"apple"_s].Translation, u"[1] jabłko"_s);
        // A register label must not look like a "[d]" marker to the dictionary window.
        QCOMPARE(byWord[u"facility"_s].Translation, u"[1] (form) zdolność, łatwość; urządzenie"_s);
        // Each part of speech keeps its marker; the entry's kind is the first one.
        QCOMPARE(byWord[u"walk"_s].Digit, QChar(u'3'));
        QCOMPARE(byWord[u"walk"_s].Translation, u"[3] chodzić, iść; wyprowadzać na spacer [1] spacer"_s);
        QCOMPARE(byWord[u"walk out"_s].Translation, u"[3] wychodzić; strajkować"_s);
        QCOMPARE(byWord[u"jeopardise"_s].Translation, byWord[u"jeopardize"_s].Translation);
        QCOMPARE(byWord[u"quickly"_s].Digit, QChar(u'6'));
        QCOMPARE(byWord[u"under"_s].Translation, u"pod"_s); // no label for prepositions
        // Unmarked parts of speech are kept apart; "See also" references are dropped.
        QCOMPARE(byWord[u"AA"_s].Translation, u"Anonimowi Alkoholicy; Automobilklub"_s);
        // A compound's own pronunciation is not part of its headword.
        QCOMPARE(byWord[u"Asia Minor"_s].Translation, u"[1] Azja Mniejsza"_s);
        QCOMPARE(byWord[u"Asia Minor"_s].Pronunciation, u"ˈeɪʃə ˌmaɪnə"_s);
    }

    void linesReadBackByTheProgram()
    {
        const Database db = Build(SampleDefinitions);
        const QList<QString> lines = FreeDict::DictionaryLines(FreeDict::Convert(db.Index, db.Dict));
        const Reference::LoadResult r = Reference::ReadDictionary(Reference::WriteDictionary(lines, false), false);
        QCOMPARE(r.SkippedLines, 0);
        QCOMPARE(r.Entries.size(), lines.size());
        QCOMPARE(r.Entries.first().Number, 1);
        QCOMPARE(r.Entries.last().Number, qint32(lines.size()));
        QCOMPARE(r.Entries.at(3).Headword, u"walk"_s);
        QCOMPARE(r.Entries.at(3).KindLabel, u"v"_s);
        QCOMPARE(r.Entries.at(3).Extra, u"wɔ:k"_s);
        QCOMPARE(r.Entries.at(3).Translation, u"[3] chodzić, iść; wyprowadzać na spacer [1] spacer"_s);
    }

    void readsCompressedAndPlainData()
    {
        QTemporaryDir dir;
        const Database db = Build(SampleDefinitions);
        const QString plain = dir.filePath(u"x.dict"_s);
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(db.Dict);
        f.close();
        QCOMPARE(FreeDict::ReadDictData(plain), db.Dict);

        const QString packed = dir.filePath(u"x.dict.dz"_s);
        gzFile out = gzopen(QFile::encodeName(packed).constData(), "wb");
        QVERIFY(out);
        QCOMPARE(gzwrite(out, db.Dict.constData(), unsigned(db.Dict.size())), int(db.Dict.size()));
        gzclose(out);
        QCOMPARE(FreeDict::ReadDictData(packed), db.Dict);

        QString error;
        QVERIFY(FreeDict::ReadDictData(dir.filePath(u"missing.dz"_s), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void badIndexRowsAreSkipped()
    {
        Database db = Build(SampleDefinitions);
        db.Index.prepend("broken\t!!\tB\nshort\n");
        db.Index.append("beyond\tZZZZ\tB\n");
        QCOMPARE(FreeDict::Convert(db.Index, db.Dict).size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestFreeDict)
#include "tst_freedict.moc"
