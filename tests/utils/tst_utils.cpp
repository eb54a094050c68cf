#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/XmlDepth.h"

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void getField_data();
    void getField();
    void getInterfaceText_data();
    void getInterfaceText();
    void toHtmlText_data();
    void toHtmlText();
    void cp1250RoundTrip();
    void stripPunctuation_data();
    void stripPunctuation();
    void unicodeLines();
    void readUnicodeLineWithoutLineEnd();
    void learnerFilesAsWritten();
    void learnerFoldersFailOnExisting();
    void parseXmlEncodings_data();
    void parseXmlEncodings();
    void parseXmlFailures_data();
    void parseXmlFailures();
    void nestingDepth_data();
    void nestingDepth();
    void resolvePath();
    void percent_data();
    void percent();
    void atomicWriteKeepsOldFileOnFailure();
};

void TestUtils::getField_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QString>("expected");
    QTest::addRow("first") << 1 << u"a=b=c"_s << u"="_s << u"a"_s;
    QTest::addRow("middle") << 2 << u"a=b=c"_s << u"="_s << u"b"_s;
    QTest::addRow("last gets the closing delimiter") << 3 << u"a=b=c"_s << u"="_s << u"c"_s;
    QTest::addRow("past the end") << 4 << u"a=b=c"_s << u"="_s << QString();
    QTest::addRow("empty text") << 1 << QString() << u"="_s << QString();
    QTest::addRow("already closed") << 2 << u"a=b="_s << u"="_s << u"b"_s;
    QTest::addRow("no extra field after closing") << 3 << u"a=b="_s << u"="_s << QString();
    QTest::addRow("empty field") << 2 << u"a==c"_s << u"="_s << QString();
    QTest::addRow("numbered title") << 3 << u"12=1=Title"_s << u"="_s << u"Title"_s;
    QTest::addRow("space") << 2 << u"one two three"_s << u" "_s << u"two"_s;
    QTest::addRow("slash") << 1 << u"a/b"_s << u"/"_s << u"a"_s;
    QTest::addRow("zero") << 0 << u"a=b"_s << u"="_s << QString();
}

void TestUtils::getField()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(QString, expected);
    QCOMPARE(Utils::GetField(n, text, delimiter.at(0)), expected);
}

void TestUtils::getInterfaceText_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::addRow("whole first field must match") << QStringList{u"17=x"_s, u"7=a=b"_s} << 7 << u"a=b"_s;
    QTest::addRow("first match wins") << QStringList{u"3=one"_s, u"3=two"_s} << 3 << u"one"_s;
    QTest::addRow("missing number") << QStringList{u"1=a"_s} << 2 << QString();
    QTest::addRow("empty entry occupies a place") << QStringList{QString(), u"5=five"_s} << 5 << u"five"_s;
    QTest::addRow("empty text") << QStringList{u"8="_s} << 8 << QString();
    QTest::addRow("no texts") << QStringList{} << 1 << QString();
}

void TestUtils::getInterfaceText()
{
    QFETCH(QStringList, entries);
    QFETCH(int, number);
    QFETCH(QString, expected);
    Utils::InterfaceTexts() = entries;
    QCOMPARE(Utils::GetInterfaceText(number), expected);
    Utils::InterfaceTexts().clear();
}

void TestUtils::toHtmlText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("Łódź") << u"Łódź"_s
                          << QByteArray("&#321;\xF3"
                                        "d&#378;");
    QTest::addRow("all lower letters")
        << u"ęółśążźćń"_s << QByteArray("&#281;\xF3&#322;&#347;&#261;&#380;&#378;&#263;&#324;");
    QTest::addRow("all upper letters")
        << u"ĘÓŁŚĄŻŹĆŃ"_s << QByteArray("&#280;\xD3&#321;&#346;&#260;&#379;&#377;&#262;&#323;");
    QTest::addRow("markup passes") << u"<b>a & b</b>"_s << QByteArray("<b>a & b</b>");
    QTest::addRow("other code page letters") << u"Über"_s
                                             << QByteArray("\xDC"
                                                           "ber");
    QTest::addRow("outside the code page") << (u"a"_s + QChar(0x4E2D) + u"b"_s) << QByteArray("a?b");
    QTest::addRow("empty") << QString() << QByteArray();
}

void TestUtils::toHtmlText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(Utils::ToHtmlText(text), expected);
}

void TestUtils::cp1250RoundTrip()
{
    const QString polish = u"Zażółć gęślą jaźń ŁÓDŹ"_s;
    const QByteArray bytes = Utils::ToCp1250(polish);
    QCOMPARE(bytes.size(), polish.size());     // one byte per letter: the converter is the real one
    QCOMPARE(uchar(bytes.at(2)), uchar(0xBF)); // ż
    QCOMPARE(Utils::FromCp1250(bytes), polish);
}

void TestUtils::stripPunctuation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("spaces and marks") << u" (Hello, world!) "_s << u"Hello world"_s;
    QTest::addRow("trim runs first") << u"a ."_s << u"a "_s;
    QTest::addRow("every mark") << u"a!()+{}:\"<>?[];,._b"_s << u"ab"_s;
    QTest::addRow("apostrophe and hyphen stay") << u"don't re-do"_s << u"don't re-do"_s;
    QTest::addRow("control characters trimmed") << u"\t\nok\r\n"_s << u"ok"_s;
    QTest::addRow("empty") << QString() << QString();
}

void TestUtils::stripPunctuation()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Utils::StripPunctuation(text), expected);
}

void TestUtils::unicodeLines()
{
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(Utils::RewriteUnicodeFile(buffer));
    QVERIFY(Utils::WriteUnicodeLine(buffer, u"żółw=turtle"_s));
    QVERIFY(Utils::WriteUnicodeLine(buffer, QString()));
    QVERIFY(Utils::WriteUnicodeLine(buffer, u"end"_s));
    buffer.close();
    const QByteArray bytes = buffer.data();
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    QCOMPARE(bytes.mid(2, 2), QByteArray("\x7C\x01", 2)); // ż, low byte first
    QVERIFY(bytes.endsWith(QByteArray("d\0\r\0\n\0", 6)));

    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(Utils::ReadUnicodeLine(buffer), u"żółw=turtle"_s); // the mark is skipped
    QCOMPARE(Utils::ReadUnicodeLine(buffer), QString());
    QCOMPARE(Utils::ReadUnicodeLine(buffer), u"end"_s);
    QVERIFY(buffer.atEnd());
}

void TestUtils::readUnicodeLineWithoutLineEnd()
{
    // A mark in the middle is skipped too, and an odd trailing byte is not a character.
    QByteArray data("a\0\xFF\xFE"
                    "b\0\r\0\n\0l\0a\0s\0t\0x",
                    19);
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(Utils::ReadUnicodeLine(buffer), u"ab"_s);
    QCOMPARE(Utils::ReadUnicodeLine(buffer), u"last"_s);
    QCOMPARE(Utils::ReadUnicodeLine(buffer), QString());
}

void TestUtils::learnerFilesAsWritten()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Utils::CreateEmptyStatistics(dir.path(), 3);
    QFile stat(dir.filePath(u"3_stat.xml"_s));
    QVERIFY(stat.open(QIODevice::ReadOnly));
    const QByteArray statBytes = stat.readAll();
    QCOMPARE(statBytes.left(2), QByteArray("\xFF\xFE"));
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(statBytes.constData() + 2),
                                (statBytes.size() - 2) / 2),
             u"<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n"_s);

    // Truncated and rewritten when it exists.
    Utils::CreateDefaultSettings(dir.path(), 3);
    Utils::CreateDefaultSettings(dir.path(), 3);
    QFile config(dir.filePath(u"3_config.xml"_s));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QStringList lines;
    while (!config.atEnd())
        lines << Utils::ReadUnicodeLine(config);
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines.first(), u"<?xml version=\"1.0\"?>"_s);
    QCOMPARE(lines.at(1), u"<config>"_s);
    QCOMPARE(lines.at(5), u"<value id=\"4\">1</value>"_s);
    QCOMPARE(lines.at(6), u"<value id=\"5\">61</value>"_s);
    QCOMPARE(lines.last(), u"</config>"_s);
    QDomDocument doc;
    QVERIFY(Utils::ReadXmlFile(config.fileName(), doc));
    QStringList values;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        values << e.attribute(u"id"_s) + u':' + e.text();
    QCOMPARE(values.join(u' '), u"1:0 2:0 3:0 4:1 5:61 6:3 7:1 8:1 9:1 10:0 11:1"_s);

    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Utils::CreateEmptyStatistics(dir.filePath(u"missing"_s), 4));
}

void TestUtils::learnerFoldersFailOnExisting()
{
    QTemporaryDir dir;
    Utils::CreateLearnerFolders(dir.path(), 3);
    QVERIFY(QFileInfo(dir.filePath(u"3_Media_arch"_s)).isDir());
    QVERIFY(QFileInfo(dir.filePath(u"3_Media_temp"_s)).isDir());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Utils::CreateLearnerFolders(dir.path(), 3));
}

void TestUtils::parseXmlEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString doc = u"<r a=\"źdźbło\">Łódź żółć</r>"_s;
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    const QString declared16 = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"_s + doc;
    for (QChar c : declared16) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    QTest::addRow("utf-8 declared") << (u"<?xml version=\"1.0\" encoding=\"utf-8\"?>"_s + doc).toUtf8();
    QTest::addRow("utf-8 undeclared") << doc.toUtf8();
    QTest::addRow("utf-8 with mark") << (QByteArray("\xEF\xBB\xBF") + doc.toUtf8());
    QTest::addRow("utf-16 le with mark") << le;
    QTest::addRow("utf-16 be with mark") << be;
    QTest::addRow("utf-16 le without mark") << le.mid(2);
    QTest::addRow("windows-1250") << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1250\"?>") +
                                         Utils::ToCp1250(doc);
    QTest::addRow("windows-1250 single quotes upper case")
        << QByteArray("<?xml version='1.0' encoding='WINDOWS-1250'?>") + Utils::ToCp1250(doc);
}

void TestUtils::parseXmlEncodings()
{
    QFETCH(QByteArray, bytes);
    QDomDocument document;
    QString error;
    QVERIFY2(Utils::ParseXml(bytes, document, &error), qPrintable(error));
    QCOMPARE(document.documentElement().text(), u"Łódź żółć"_s);
    QCOMPARE(document.documentElement().attribute(u"a"_s), u"źdźbło"_s);
}

// The reason reaches the learner inside a Polish message: it is Polish too, with its place.
void TestUtils::parseXmlFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addRow("not closed") << QByteArray("<cwiczenie><config>") << u"koniec dokumentu (wiersz 1"_s;
    QTest::addRow("empty") << QByteArray() << u"(wiersz "_s;
    QTest::addRow("unknown encoding") << QByteArray("<?xml version=\"1.0\" encoding=\"x-no-such\"?><r/>")
                                      << u"nieobsługiwane kodowanie x-no-such"_s;
    QTest::addRow("two roots") << QByteArray("<a/><b/>")
                               << u"nadmiarowa treść za końcem dokumentu (wiersz 1"_s;
    QTest::addRow("tags crossed") << QByteArray("<a>\n<b></a>")
                                  << u"znacznik zamykający nie pasuje do "
                                     "otwierającego (wiersz 2"_s;
}

void TestUtils::parseXmlFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QDomDocument document;
    QString error;
    QVERIFY(!Utils::ParseXml(bytes, document, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    // No English word of the parser is left.
    static const QRegularExpression english(u"\\b(document|tag|line|column|expected|unexpected|end)\\b"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!error.contains(english), qPrintable(error));
}

void TestUtils::nestingDepth_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("depth");
    const auto nested = [](int n) -> QString {
        return QString(u"<a x='>'>"_s).repeated(n) + QString(u"</a>"_s).repeated(n);
    };
    QTest::addRow("two levels") << u"<?xml version='1.0'?><a><b/><b></b></a>"_s << 2;
    QTest::addRow("quoted > and />") << nested(3) << 3;
    QTest::addRow("empty elements open nothing") << u"<a><b/><c /><d x=\"/\"/></a>"_s << 1;
    QTest::addRow("comments and CDATA") << u"<a><!-- <b> --><![CDATA[<c><d>]]><?pi <e>?></a>"_s << 1;
    QTest::addRow("deep") << nested(200) << 200;
}

// Depth counts start tags left open; a file nested past the limit is refused before any
// tree is built, and at once.
void TestUtils::nestingDepth()
{
    QFETCH(QString, xml);
    QFETCH(int, depth);
    QVERIFY(Utils::XmlDepthWithin(xml, depth));
    QVERIFY(!Utils::XmlDepthWithin(xml, depth - 1));

    const QByteArray deep =
        QByteArray("<cwiczenie>").repeated(100000) + QByteArray("</cwiczenie>").repeated(100000);
    QDomDocument document;
    QString error;
    QVERIFY(!Utils::ParseXml(deep, document, &error));
    QVERIFY2(error.contains(u"zagnieżdżenie"_s), qPrintable(error));
    QVERIFY(Utils::ParseXml(QByteArray("<a>").repeated(Utils::MaxXmlDepth) +
                                QByteArray("</a>").repeated(Utils::MaxXmlDepth),
                            document, &error));
}

void TestUtils::resolvePath()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"Dane/Paczki"_s));
    QFile f(dir.filePath(u"Dane/Paczki/Lekcja1.XML"_s));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString expected = dir.filePath(u"Dane/Paczki/Lekcja1.XML"_s);
    QCOMPARE(Utils::ResolvePath(dir.path(), u"\\Dane\\Paczki\\Lekcja1.XML"_s), expected);
    QCOMPARE(Utils::ResolvePath(dir.path(), u"\\dane\\PACZKI\\lekcja1.xml"_s), expected);
    QCOMPARE(Utils::ResolvePath(dir.path() + u'/', u"Dane/Paczki/lekcja1.xml"_s), expected);
    // Missing pieces keep their given names, so messages show what was asked for.
    QCOMPARE(Utils::ResolvePath(dir.path(), u"\\DANE\\Brak\\x.xml"_s), dir.filePath(u"Dane/Brak/x.xml"_s));

    Utils::SetProgramFolder(dir.path() + u"/"_s);
    QCOMPARE(Utils::ProgramFolder(), dir.path());
    QCOMPARE(Utils::ProgramPath(u"\\dane"_s), dir.filePath(u"Dane"_s));
}

void TestUtils::percent_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("expected");
    QTest::addRow("half to even down") << 1 << 8 << 12; // 12.5
    QTest::addRow("half to even up") << 3 << 8 << 38;   // 37.5
    QTest::addRow("third") << 1 << 3 << 33;
    QTest::addRow("two thirds") << 2 << 3 << 67;
    QTest::addRow("all") << 7 << 7 << 100;
    QTest::addRow("no items") << 0 << 0 << 0;
}

void TestUtils::percent()
{
    QFETCH(int, right);
    QFETCH(int, total);
    QFETCH(int, expected);
    QCOMPARE(Utils::Percent(right, total), expected);
}

void TestUtils::atomicWriteKeepsOldFileOnFailure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.txt"_s);
    QVERIFY(Utils::WriteFileAtomically(path, "old"));
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString error;
    const bool written = Utils::WriteFileAtomically(path, "new", &error);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (written)
        QSKIP("the folder stays writable for this user (running as root)");
    QVERIFY(!error.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
