// The assembled program folder: the installation layout, the fixed pictures and the sample
// course, whose every recording and picture must have been made by the build. Also the
// assembly step itself, which must never lose a learner's files.

#include <QDomDocument>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString Program()
{
    return qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
}
QString Source()
{
    return qEnvironmentVariable("AUDIVOX_SOURCE_DIR");
}

QDomDocument Load(const QString &path, QString *error)
{
    QFile file(path);
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + u": cannot be read"_s;
        return doc;
    }
    QString message;
    int line = 0;
    if (!doc.setContent(file.readAll(), &message, &line))
        *error = path + QStringLiteral(":%1: ").arg(line) + message;
    return doc;
}

QList<QDomElement> All(const QDomElement &root, const QString &tag)
{
    QList<QDomElement> list;
    const QDomNodeList nodes = root.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        list << nodes.at(i).toElement();
    return list;
}

QString Mp3(const QString &name)
{
    const int dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.left(dot)) + u".mp3"_s;
}

QString Stem(const QString &file)
{
    return file.section(u'/', -1).section(u'.', 0, 0);
}

bool RunAssembly(const QString &course, const QString &program)
{
    QProcess cmake;
    cmake.start(QStringLiteral(AUDIVOX_CMAKE_COMMAND),
                {u"-DCOURSE_DIR="_s + course, u"-DPROGRAM_DIR="_s + program, u"-P"_s,
                 Source() + u"/tools/course-media/AssembleProgramFolder.cmake"_s});
    return cmake.waitForFinished(60000) && cmake.exitCode() == 0;
}

void Write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void fixedPictures_data();
    void fixedPictures();
    void randomBackgroundSets();
    void definitions();
    void everyReferencedFileExists();
    void assemblyKeepsLearnerFiles();
};

void TestProgramFolder::layout_data()
{
    QTest::addColumn<QString>("path");
    for (const char *folder :
         {"Config", "Dane", "Dane/Paczki", "Pomoc", "Users", "Media/Teksty", "Media/Dialogi", "Media/Zdania",
          "Media/3Obrazki", "Media/Odkrywanki", "Gfx/Background_roz", "Gfx/Background_zda",
          "Gfx/Background_dial", "Gfx/Antonimy_gfx", "Gfx/Table_gfx", "Gfx/Test_gfx", "Gfx/Tf_gfx",
          "Gfx/Wpis_gfx", "Gfx/Odkrywanki_gfx"})
        QTest::addRow("%s", folder) << QString::fromLatin1(folder);
}

void TestProgramFolder::layout()
{
    QFETCH(QString, path);
    QVERIFY2(QFileInfo(Program() + u'/' + path).isDir(), qPrintable(path));
}

void TestProgramFolder::fixedPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QSize screen(1024, 718);
    for (const char *name :
         {"bg_start.bmp", "bg.bmp", "wyborcwiczenia_tlo.bmp", "bg_dialog.bmp", "bg_3obrazki.bmp",
          "bg_odkrywanka_7.bmp", "bg_odkrywanka_8.bmp", "Background_dial/bg_dialog.bmp"})
        QTest::addRow("%s", name) << u"Gfx/"_s + QString::fromLatin1(name) << screen;
    QTest::addRow("learning icon") << u"Gfx/menu_nauka.png"_s << QSize(100, 100);
    QTest::addRow("repetitions icon") << u"Gfx/menu_powtorki.png"_s << QSize(100, 100);
}

void TestProgramFolder::fixedPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(Program() + u'/' + path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestProgramFolder::randomBackgroundSets()
{
    // Exercise screens pick one *.bmp of these folders at random: each needs a few, all full size.
    for (const QString &folder : {u"Background_roz"_s, u"Background_zda"_s, u"Background_dial"_s}) {
        const QDir dir(Program() + u"/Gfx/"_s + folder);
        const QStringList bmps = dir.entryList({u"*.bmp"_s}, QDir::Files);
        QVERIFY2(bmps.size() >= 3, qPrintable(folder));
        for (const QString &bmp : bmps)
            QCOMPARE(QImage(dir.filePath(bmp)).size(), QSize(1024, 718));
    }
}

void TestProgramFolder::definitions()
{
    QString error;
    const QDomDocument doc = Load(Program() + u"/Config/definitions.xml"_s, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QDomElement root = doc.documentElement();
    QCOMPARE(root.tagName(), u"definitions"_s);

    const QList<QDomElement> langs = All(root, u"lang"_s);
    QCOMPARE(langs.size(), 2);
    QCOMPARE(langs[0].attribute(u"id"_s), u"0"_s);
    QCOMPARE(langs[0].attribute(u"trans"_s), u"true"_s);
    QCOMPARE(langs[0].text(), u"polski"_s);
    QCOMPARE(langs[1].attribute(u"id"_s), u"1"_s);

    // Every number from 1 on (117 and the texts added since), once, worded in both languages.
    QMap<int, QStringList> texts;
    for (const QDomElement &hint : All(root, u"hint"_s)) {
        const int id = hint.attribute(u"id"_s).toInt();
        QVERIFY2(!texts.contains(id), qPrintable(QString::number(id)));
        QStringList byLanguage(2);
        for (const QDomElement &t : All(hint, u"tlumaczenie"_s))
            byLanguage[t.attribute(u"id"_s).toInt()] = t.text();
        texts.insert(id, byLanguage);
    }
    QVERIFY(texts.size() >= 117);
    QCOMPARE(texts.firstKey(), 1);
    QCOMPARE(texts.lastKey(), int(texts.size())); // no number left out
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        QVERIFY2(!it.value()[0].trimmed().isEmpty() && !it.value()[1].trimmed().isEmpty(),
                 qPrintable(QString::number(it.key())));

    const QList<QDomElement> groups = All(root.firstChildElement(u"groups"_s), u"grupa"_s);
    QVERIFY(groups.size() >= 4 && groups.size() <= 6);
    for (const QDomElement &g : groups)
        QCOMPARE(All(g, u"tlumaczenie"_s).size(), 2);
}

void TestProgramFolder::everyReferencedFileExists()
{
    // What the sample course's exercises name must have been generated by the build. Only the
    // bodies of this course's own kinds are read; other files are checked for their recording.
    const QString media = Program() + u"/Media/"_s;
    const QString gfx = Program() + u"/Gfx/"_s;
    QStringList missing;
    auto need = [&](const QString &path, const QString &by) {
        if (!QFileInfo::exists(path))
            missing << by + u" -> "_s + QDir(Program()).relativeFilePath(path);
    };
    QStringList files;
    for (const QString &folder : {u"/Dane"_s, u"/Dane/Paczki"_s})
        for (const QString &f : QDir(Program() + folder).entryList({u"*.xml"_s}, QDir::Files))
            files << Program() + folder + u'/' + f;
    QVERIFY(files.size() >= 15);
    int kinds = 0;
    QSet<int> seen;
    for (const QString &file : std::as_const(files)) {
        QString error;
        const QDomDocument doc = Load(file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QDomElement root = doc.documentElement();
        const QDomElement config = root.firstChildElement(u"config"_s);
        const QDomElement body = root.firstChildElement(u"body"_s);
        const QString by = file.section(u'/', -1);
        int kind = config.firstChildElement(u"typ_cw"_s).text().toInt();
        const int variant = config.firstChildElement(u"param1"_s).text().toInt();
        seen.insert(kind == 100 ? 100 + variant : kind);
        const QString recording = config.firstChildElement(u"multimedia"_s).text().trimmed();
        if (!recording.isEmpty())
            need(media + u"Teksty/"_s + recording, by);
        if (kind == 100)
            kind = variant == 2 ? 11 : variant == 3 || variant == 4 ? 21 : 101;
        switch (kind) {
        case 101:
            for (const QDomElement &item : All(body, u"element_paczki"_s))
                need(Program() + u"/Dane/Paczki/"_s + item.firstChildElement(u"plik"_s).text(), by);
            break;
        case 21:
        case 22:
        case 24:
            for (const QDomElement &z : All(body, u"zdanie"_s))
                need(media + u"Zdania/"_s + Mp3(z.attribute(u"sampel"_s)), by);
            break;
        case 11:
        case 14:
        case 18:
        case 26:
            for (const QDomElement &k : All(body, u"kwestia"_s)) {
                need(media + u"Dialogi/"_s + k.attribute(u"sampel"_s), by);
                need(media + u"Dialogi/"_s + Mp3(k.attribute(u"sampel"_s)), by);
            }
            need(gfx + u"Background_dial/"_s + Stem(file) + u".bmp"_s, by);
            break;
        case 8:
            for (const QDomElement &g : All(body, u"grupa"_s)) {
                need(media + u"3Obrazki/"_s + Mp3(g.attribute(u"sampel"_s)), by);
                for (const QString &pic : {u"bmp1"_s, u"bmp2"_s, u"bmp3"_s})
                    need(media + u"3Obrazki/"_s + g.attribute(pic).section(u'.', 0, 0) + u".png"_s, by);
            }
            break;
        case 52: {
            const QList<QDomElement> elements = All(body, u"element"_s);
            for (const QDomElement &e : elements)
                for (const QString &child : {u"slowo"_s, u"definicja"_s})
                    need(media + u"Odkrywanki/"_s + Mp3(e.firstChildElement(child).attribute(u"sampel"_s)),
                         by);
            const QImage hidden(gfx + u"Odkrywanki_gfx/"_s + Stem(file) + u".jpg"_s);
            if (hidden.isNull() || hidden.height() < 70 * elements.size() || hidden.width() > 900)
                missing << by + u" -> a hidden picture of 70 pixels per word, at most 900 wide"_s;
            break;
        }
        case 4: {
            // Words between <IMG LEFT|RIGHT> and </IMG> name pictures of Wpis_gfx.
            const QStringList tokens =
                body.firstChildElement(u"tresc"_s).text().split(u' ', Qt::SkipEmptyParts);
            bool inPictures = false;
            for (const QString &t : tokens) {
                if (t.startsWith(u"<IMG"_s, Qt::CaseInsensitive))
                    inPictures = true;
                else if (t.compare(u"</IMG>"_s, Qt::CaseInsensitive) == 0)
                    inPictures = false;
                else if (inPictures && !t.startsWith(u'<') && !t.startsWith(u"LEFT>"_s) &&
                         !t.startsWith(u"RIGHT>"_s))
                    need(gfx + u"Wpis_gfx/"_s + t, by);
            }
            break;
        }
        default:
            break;
        }
        ++kinds;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    // Every kind with a screen other than the multiple-choice test, and all four package variants.
    for (int k : {1, 4, 7, 8, 11, 18, 22, 31, 50, 52, 101, 102, 103, 104})
        QVERIFY2(seen.contains(k), qPrintable(QString::number(k)));
    QVERIFY(QFileInfo(media + u"Teksty/cisza.wav"_s).size() > 44);
}

void TestProgramFolder::assemblyKeepsLearnerFiles()
{
    QTemporaryDir course, program;
    Write(course.filePath(u"Config/definitions.xml"_s), "<definitions/>");
    Write(course.filePath(u"Dane/a.xml"_s), "<cwiczenie/>");
    Write(course.filePath(u"Dane/Paczki/b.xml"_s), "<cwiczenie/>");
    Write(course.filePath(u"speech/Teksty/s.txt"_s), "Hello.");
    Write(program.filePath(u"Users/usr.txt"_s), "learner");
    Write(program.filePath(u"Users/1_Media_arch/usr_a.mp3"_s), "voice");
    QVERIFY(RunAssembly(course.path(), program.path()));
    QCOMPARE(QFile(program.filePath(u"Dane/Paczki/b.xml"_s)).size(), 12);
    QVERIFY(QFileInfo(program.filePath(u"Gfx/Odkrywanki_gfx"_s)).isDir());
    QVERIFY(!QFileInfo::exists(program.filePath(u"speech"_s)));

    // A second run copies only what changed and leaves the learner's files alone.
    const QDateTime copied = QFileInfo(program.filePath(u"Dane/a.xml"_s)).lastModified();
    Write(course.filePath(u"Config/definitions.xml"_s), "<definitions><groups/></definitions>");
    QVERIFY(RunAssembly(course.path(), program.path()));
    QCOMPARE(QFileInfo(program.filePath(u"Dane/a.xml"_s)).lastModified(), copied);
    QCOMPARE(QFile(program.filePath(u"Config/definitions.xml"_s)).size(), 36);
    QFile usr(program.filePath(u"Users/usr.txt"_s));
    QVERIFY(usr.open(QIODevice::ReadOnly));
    QCOMPARE(usr.readAll(), QByteArray("learner"));
    QVERIFY(QFileInfo::exists(program.filePath(u"Users/1_Media_arch/usr_a.mp3"_s)));
}

QTEST_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
