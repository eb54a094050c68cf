// The FreeDict converter on a small database written in dictd's own format.

#include "reference/Slownik.h"
#include "tools/dictionary/FreeDict.h"

#include <QSet>
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
    {"abandon",
     u"abandon /əˈbændən/ <V>\n 1.  zostawiać, opuszczać\n 2.  rzucać\n"
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
                                     u"jeopardize"_s, u"jeopardise"_s, u"quickly"_s, u"under"_s, u"AA"_s,
                                     u"Asia"_s, u"Asia Minor"_s}));

        QCOMPARE(byWord[u"abandon"_s].Digit, QChar(u'3'));
        QCOMPARE(
            byWord[u"abandon"_s].Translation,
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
        const Reference::LoadResult r =
            Reference::ReadDictionary(Reference::WriteDictionary(lines, false), false);
        QCOMPARE(r.SkippedLines, 0);
        QCOMPARE(r.Entries.size(), lines.size());
        QCOMPARE(r.Entries.first().Number, 1);
        QCOMPARE(r.Entries.last().Number, qint32(lines.size()));
        QCOMPARE(r.Entries.at(3).Headword, u"walk"_s);
        QCOMPARE(r.Entries.at(3).KindLabel, u"v"_s);
        QCOMPARE(r.Entries.at(3).Extra, u"wɔ:k"_s);
        QCOMPARE(r.Entries.at(3).Translation, u"[3] chodzić, iść; wyprowadzać na spacer [1] spacer"_s);
    }

    // The core vocabulary goes before FreeDict's entries of the same headword, or where its
    // headword falls: an entry filed out of order (FreeDict files "power of attorney" among the
    // "attorney" entries) does not draw "euro" back to the a's. An entry repeated word for word
    // is kept once.
    void coreVocabularyMergedIn()
    {
        const auto entry = [](const QString &head, QChar digit, const QString &translation) {
            FreeDict::Entry e;
            e.Headword = head;
            e.Digit = digit;
            e.Translation = translation;
            return e;
        };
        const QList<FreeDict::Entry> freedict{entry(u"apple"_s, u'1', u"[1] jabłko"_s),
                                              entry(u"attorney"_s, u'1', u"[1] adwokat"_s),
                                              entry(u"power of attorney"_s, u'1', u"[1] pełnomocnictwo"_s),
                                              entry(u"attract"_s, u'3', u"[3] przyciągać"_s),
                                              entry(u"éclair"_s, u'1', u"[1] ekler"_s),
                                              entry(u"éclair"_s, u'1', u"[1] ekler"_s),
                                              entry(u"run"_s, u'1', u"[1] bieg, przebieg"_s),
                                              entry(u"walk"_s, u'3', u"[3] chodzić"_s),
                                              entry(u"zoo"_s, u'1', u"[1] zoo"_s)};
        const QList<FreeDict::Entry> core{
            entry(u"run"_s, u'3', u"[3] biec [1] bieg"_s), entry(u"go"_s, u'3', u"[3] iść (went, gone)"_s),
            entry(u"euro"_s, u'1', u"[1] euro"_s), entry(u"zoo"_s, u'1', u"[1] zoo"_s)};
        QStringList merged;
        for (const FreeDict::Entry &e : FreeDict::MergeCoreVocabulary(core, freedict))
            merged << e.Headword + u'|' + e.Translation;
        QCOMPARE(merged, (QStringList{u"apple|[1] jabłko"_s, u"attorney|[1] adwokat"_s,
                                      u"power of attorney|[1] pełnomocnictwo"_s, u"attract|[3] przyciągać"_s,
                                      u"éclair|[1] ekler"_s, u"euro|[1] euro"_s, u"go|[3] iść (went, gone)"_s,
                                      u"run|[3] biec [1] bieg"_s, u"run|[1] bieg, przebieg"_s,
                                      u"walk|[3] chodzić"_s, u"zoo|[1] zoo"_s}));
    }

    // The course's own vocabulary file: every line parses, each headword once, and the commonest
    // words FreeDict lacks are there.
    void coreVocabularyFile()
    {
        QFile file(qEnvironmentVariable("AUDIVOX_SOURCE_DIR") + u"/tools/dictionary/core-vocabulary.txt"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList errors;
        const QList<FreeDict::Entry> core =
            FreeDict::ReadCoreVocabulary(QString::fromUtf8(file.readAll()), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        QVERIFY(core.size() >= 1500);
        QSet<QString> heads;
        for (const FreeDict::Entry &e : core) {
            QVERIFY2(!heads.contains(e.Headword), qPrintable(e.Headword));
            heads.insert(e.Headword);
            QVERIFY2(!e.Translation.isEmpty(), qPrintable(e.Headword));
        }
        for (const char16_t *word : {u"go", u"be", u"have", u"do", u"take", u"get", u"come", u"make", u"give",
                                     u"run", u"look", u"work"})
            QVERIFY2(heads.contains(QString::fromUtf16(word)), qPrintable(QString::fromUtf16(word)));
        // What the window shows: the line's kind label is the translation's first part of speech.
        const auto go = std::find_if(core.begin(), core.end(),
                                     [](const FreeDict::Entry &e) { return e.Headword == u"go"_s; });
        QCOMPARE(go->Digit, QChar(u'3'));
        QVERIFY(go->Translation.startsWith(u"[3] iść"_s));
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
