#include "tests/course/CourseFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QStringList out;
    QStringList err;
};

// A sound true/false body, for files whose kind matters only to the catalogue.
const QString TrueFalseBody = u"<kolumna id=\"1\">True</kolumna><kolumna id=\"2\">False</kolumna>"
                              "<zdanie id=\"1\" odp=\"1\" sampel=\"\"><tresc>It is.</tresc></zdanie>"_s;

Run inspect(const QStringList &args)
{
    QProcess process;
    process.start(qEnvironmentVariable("AUDIVOX_COURSE_TOOL"), args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

} // namespace

class TestCourseCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(QFileInfo(qEnvironmentVariable("AUDIVOX_COURSE_TOOL")).isExecutable(),
                 "AUDIVOX_COURSE_TOOL");
    }

    void sampleCourseIsSound()
    {
        const QString program = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        if (!QFileInfo::exists(program + u"/Config/definitions.xml"_s))
            QSKIP("the program folder is not assembled");
        for (const QString &language : {u"0"_s, u"1"_s}) {
            const Run run = inspect({program, u"--language"_s, language});
            QVERIFY2(run.status == 0, qPrintable(run.err.join(u'\n')));
            QVERIFY(run.err.isEmpty());
            QVERIFY(!run.out.isEmpty());
            for (qsizetype i = 0; i < run.out.size(); ++i) {
                const QStringList fields = run.out.at(i).split(u'\t');
                QCOMPARE(fields.size(), 4);
                QVERIFY(fields.at(0).startsWith(QString::number(i) + u'='));
            }
        }
    }

    void listsCatalogueAndProblems()
    {
        CourseFixture course;
        course.WriteDefinitions({u"1:Dialogi:Dialogues"_s}, {u"13:Układanie:Arranging"_s, u"38:Wczytuję:"_s});
        const QString body =
            u"<znaczniki_nagrania>0#5</znaczniki_nagrania>"
            "<element_paczki><nazwa id=\"0\">Jest</nazwa><poziom>1</poziom><typ_cw>31</typ_cw>"
            "<plik>jest.xml</plik></element_paczki>"
            "<element_paczki><nazwa id=\"0\">Brak</nazwa><poziom>1</poziom><typ_cw>31</typ_cw>"
            "<plik>brak.xml</plik></element_paczki>"_s;
        course.WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             100, 1, u"Pakiet"_s, {}, 1, u"1"_s, u"2"_s, body)));
        course.WriteExercise(u"b.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(100, 1, u"Zdania=1"_s,
                                                                                     {}, 1, u"3"_s, u"1"_s)));
        course.WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             31, 1, u"Test"_s, {}, 1, {}, {}, TrueFalseBody, u"brak.mp3"_s)));
        course.WriteExercise(u"d.xml"_s, "<cwiczenie><config>");
        course.WriteExercise(u"e.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(31, 1, u"After"_s, {}, 1,
                                                                                     {}, {}, TrueFalseBody)));
        course.WriteExercise(u"Paczki/jest.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                                       31, 1, u"Jest"_s, {}, 1, {}, {}, TrueFalseBody)));

        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out,
                 (QStringList{u"0=0=Dialogi\t0\t\t"_s, u"1=1=Pakiet\t101\ta.xml\t0#5"_s,
                              u"2=2=Jest\t31\tPaczki\\jest.xml\t0#5"_s,
                              u"3=2=Brak\t31\tPaczki\\brak.xml\t0#5"_s, u"4=1=Zdania=1\t103\tb.xml\t"_s,
                              u"5=2=Układanie\t21\tb.xml\t"_s, u"6=1=Test\t31\tc.xml\t"_s}));
        const QString errors = run.err.join(u'\n');
        QVERIFY2(
            errors.contains(u"Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń zostało "
                            "przerwane! (d.xml)"_s),
            qPrintable(errors));
        QVERIFY2(errors.contains(u"Dane\\Paczki\\brak.xml: the file is missing"_s), qPrintable(errors));
        QVERIFY2(errors.contains(u"Dane\\c.xml: the recording brak.mp3 is missing under Media"_s),
                 qPrintable(errors));
        QVERIFY2(errors.contains(u"interface text 38 is missing in language 1 (English)"_s),
                 qPrintable(errors));
        QVERIFY2(errors.contains(u"Dane\\b.xml: the exercise holds no sentence"_s), qPrintable(errors));
        QCOMPARE(run.err.size(), 5);
    }

    void reportsTestsWithNothingToScore()
    {
        // A multiple-choice test whose answers name no right one: the program would show no
        // score and record nothing, so the author must hear of it.
        QFile sample(qEnvironmentVariable("AUDIVOX_SOURCE_DIR") + u"/content/Dane/test_codzien_sasiad.xml"_s);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(sample.readAll());
        text.replace(QRegularExpression(u"<poprawne>[^<]*</poprawne>"_s), u"<poprawne></poprawne>"_s);
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        course.WriteExercise(u"t.xml"_s, text.toUtf8());
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        const QString errors = run.err.join(u'\n');
        QVERIFY2(errors.contains(u"Dane\\t.xml: nothing to score"_s), qPrintable(errors));
    }

    void reportsGapTextProblems()
    {
        // A gap text inside a package: the problems are named by the item's own file.
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        const QString item =
            u"<element_paczki><nazwa id=\"0\">Luki</nazwa><poziom>1</poziom><typ_cw>4</typ_cw>"
            "<plik>luki.xml</plik></element_paczki>"_s;
        course.WriteExercise(u"p.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             100, 1, u"Pakiet"_s, {}, 1, u"1"_s, u"0"_s, item)));
        const QString body = u"<tresc>&lt;IMG LEFT&gt; brak.png &lt;/IMG&gt; no gaps here</tresc>"_s;
        course.WriteExercise(u"Paczki/luki.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                                       4, 1, u"Luki"_s, {}, 1, {}, {}, body)));
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, (QStringList{u"Dane\\Paczki\\luki.xml: tresc: the picture brak.png is missing"_s,
                                       u"Dane\\Paczki\\luki.xml: tresc: no gaps to fill"_s}));
    }

    void reportsListeningBodies_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("problem");

        const QString headings = u"<kolumna id=\"1\">True</kolumna><kolumna id=\"2\">False</kolumna>"_s;
        auto statement = [](const QString &text) -> QString {
            return u"<zdanie id=\"1\" odp=\"1\" sampel=\"\"><tresc>"_s + text + u"</tresc></zdanie>"_s;
        };
        QTest::addRow("one heading")
            << 31 << QString(u"<kolumna>True</kolumna>"_s + statement(u"It is."_s))
            << u"Dane\\x.xml: two column headings (kolumna) are needed, the file has 1"_s;
        QTest::addRow("empty statement")
            << 31 << QString(headings + statement(u"It is."_s) + statement(QString()))
            << u"Dane\\x.xml: statement 2: the statement (tresc) is empty and is left out"_s;
        QString many = headings;
        for (int i = 0; i < 25; ++i)
            many += statement(u"Statement number %1 of a table that is far too long."_s.arg(i + 1));
        QTest::addRow("rows below the area")
            << 31 << many
            << u"Dane\\x.xml: the table is about 698 pixels high, the area 520: about 7 statement(s) fall below it"_s;

        QTest::addRow("no turn") << 8 << u"<polecenie id=\"1\">Listen.</polecenie>"_s
                                 << u"Dane\\x.xml: there is no turn (grupa) to play"_s;
        QTest::addRow("picture missing")
            << 8
            << u"<grupa sampel=\"a.mp3\" bmp1=\"a.png\" bmp2=\"b.png\" bmp3=\"c.png\"><zdanie>A.</zdanie></grupa>"_s
            << u"Dane\\x.xml: turn 1: the picture bmp1 \"a.png\" is missing under Media\\3Obrazki"_s;
        QTest::addRow("recording missing")
            << 8
            << u"<grupa sampel=\"a.mp3\" bmp1=\"a.png\" bmp2=\"b.png\" bmp3=\"c.png\"><zdanie>A.</zdanie></grupa>"_s
            << u"Dane\\x.xml: turn 1: the recording \"a.mp3\" is missing under Media\\3Obrazki"_s;

        QString nine;
        for (int i = 1; i <= 9; ++i)
            nine += u"<element><slowo>w%1</slowo><tlumaczenie>s</tlumaczenie><definicja "
                    u"sampel=\"d.mp3\">D.</definicja>"
                    u"</element>"_s.arg(i);
        QTest::addRow("nine words") << 52 << nine
                                    << u"Dane\\x.xml: 9 words: the screen is laid out for 7 or 8"_s;
        QTest::addRow("no hidden picture")
            << 52 << nine << u"Dane\\x.xml: the hidden picture Gfx\\Odkrywanki_gfx\\x.jpg is missing"_s;
    }

    void reportsListeningBodies()
    {
        QFETCH(int, kind);
        QFETCH(QString, body);
        QFETCH(QString, problem);
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        course.WriteExercise(
            u"x.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(kind, 1, u"X"_s, {}, 1, {}, {}, body)));
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(problem), qPrintable(run.err.join(u'\n')));
    }

    void reportsSentenceBodies()
    {
        // What would leave a sentence screen with nothing to play, an endless draw or a silent
        // sentence; a package is checked for every screen its mask offers.
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        QDir(course.Folder()).mkpath(u"Media/Zdania"_s);
        course.Write(u"Media/Zdania/jest.mp3"_s, "ID3");
        const QString instructions =
            u"<polecenia><typ id=\"1\"><polecenie id=\"1\">Arrange</polecenie></typ>"
            "<typ id=\"2\"><polecenie id=\"0\">Zapisz</polecenie></typ></polecenia>"_s;
        auto zdanie = [](const QString &text, const QString &sampel) {
            return u"<zdanie id=\"1\" sampel=\"%1\"><tresc>%2</tresc></zdanie>"_s.arg(sampel, text);
        };
        course.WriteExercise(u"a.xml"_s,
                             CourseFixture::Utf8(CourseFixture::Exercise(
                                 21, 1, u"A"_s, {}, 1, {}, {},
                                 instructions + zdanie(u"Fine."_s, u"jest.wav"_s) +
                                     zdanie(u"Too  many"_s, u"jest.wav"_s) + zdanie({}, u"brak.wav"_s))));
        course.WriteExercise(u"b.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             100, 1, u"B"_s, {}, 1, u"3"_s, u"5"_s,
                                             instructions + zdanie(u"Fine."_s, u"jest.mp3"_s))));
        course.WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(22, 1, u"C"_s, {}, 1, {},
                                                                                     {}, instructions)));
        course.WriteExercise(u"d.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             24, 1, u"D"_s, {}, 1, {}, {}, zdanie(u" Lead"_s, u"jest"_s))));
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, (QStringList{
                              u"Dane\\a.xml: sentence 2: two blanks in a row in \"Too  many\""_s,
                              u"Dane\\a.xml: sentence 3: the tresc is empty"_s,
                              u"Dane\\a.xml: sentence 3: the recording brak.mp3 is missing"_s,
                              u"Dane\\b.xml: no instruction of variant 4 in language 1"_s,
                              u"Dane\\c.xml: the exercise holds no sentence"_s,
                              u"Dane\\d.xml: no instruction of variant 4 in language 1"_s,
                              u"Dane\\d.xml: sentence 1: blanks at the start or end of \" Lead\""_s,
                          }));
    }

    void checksWordTileBodies()
    {
        // One faulty file of each word-tile kind and two pictures: each problem names its file.
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        const auto exercise = [](int kind, const QString &title, const QString &body) {
            return CourseFixture::Utf8(CourseFixture::Exercise(kind, 1, title, {}, 1, u"0"_s, u"0"_s, body));
        };
        course.WriteExercise(u"pary.xml"_s,
                             exercise(7, u"Pary"_s, u"<pary><para>a=b</para><para>cd</para></pary>"_s));
        course.WriteExercise(
            u"tabela.xml"_s,
            exercise(1, u"Tabela"_s,
                     u"<col_count>3</col_count><rows>10</rows><columns><column>A</column>"
                     "<column>B</column></columns><wyrazy><wyraz><nazwa>x</nazwa><column>3</column>"
                     "</wyraz></wyrazy>"_s));
        course.WriteExercise(u"kolejnosc.xml"_s,
                             exercise(50, u"Kolejność"_s,
                                      u"<wyrazy><wyraz><nazwa>a</nazwa><kolejnosc>1</kolejnosc></wyraz>"
                                      "<wyraz><nazwa>b</nazwa><kolejnosc>1</kolejnosc></wyraz></wyrazy>"_s));
        course.WriteExercise(u"dobre.xml"_s,
                             exercise(7, u"Dobre"_s, u"<pary><para>a=b</para><para>c=d</para></pary>"_s));
        QDir(course.Folder()).mkpath(u"Gfx/Table_gfx"_s);
        QDir(course.Folder()).mkpath(u"Gfx/Antonimy_gfx"_s);
        course.Write(u"Gfx/Table_gfx/pary.png"_s, "\x89PNG\r\n\x1a\n....");
        course.Write(u"Gfx/Antonimy_gfx/dobre.bmp"_s, "GIF89a");

        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(
            run.err,
            (QStringList{
                u"Dane\\dobre.xml: the picture Gfx\\Antonimy_gfx\\dobre.bmp is neither a PNG nor a BMP file"_s,
                u"Dane\\kolejnosc.xml: kolejnosc 1 is given to 2 words"_s,
                u"Dane\\kolejnosc.xml: no word has kolejnosc 2"_s,
                u"Dane\\pary.xml: para 2: no \"=\" between the word and its match (the pair is left out)"_s,
                u"Dane\\pary.xml: its picture Gfx\\Table_gfx\\pary.png is not shown: this kind looks in "
                "Gfx\\Antonimy_gfx"_s,
                u"Dane\\tabela.xml: col_count is 3 but only 2 column headings are given"_s,
                u"Dane\\tabela.xml: the table is 10 × 3; the course format allows at most 9 rows and 9 "
                "columns"_s,
                u"Dane\\tabela.xml: wyraz 1 (x): column 3 is not one of the table's columns 1..2"_s}));
    }

    void checksDialogueTaskBodies()
    {
        // Comprehension and completion files, alone and as items of a dialogue package, each
        // with one fault of its kind; recordings and the background are there.
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        course.Write(u"Gfx/Background_dial/bg_dialog.bmp"_s, "BM");
        course.Write(u"Media/Dialogi/a.mp3"_s, "ID3");
        const auto dialogue = [](int kind, const QString &title, const QString &modes,
                                 const QStringList &lines, const QString &param1 = u"0"_s,
                                 const QString &param2 = u"0"_s) {
            QString body;
            for (const QString &mode : modes.split(u' '))
                body += u"<tryb_znikania>"_s + mode + u"</tryb_znikania>"_s;
            body += u"<polecenia/>"_s;
            for (const QString &line : lines) {
                const bool hidden = line.startsWith(u'!');
                body +=
                    u"<kwestia osoba=\"1\" sampel=\"a.mp3\" visible=\"%1\"><tresc>%2</tresc></kwestia>"_s.arg(
                        hidden ? u"0"_s : u"1"_s, (hidden ? line.mid(1) : line).toHtmlEscaped());
            }
            return CourseFixture::Utf8(CourseFixture::Exercise(kind, 1, title, {}, 1, param1, param2, body));
        };
        course.WriteExercise(u"r_dobre.xml"_s, dialogue(14, u"Dobre"_s, u"1 1"_s, {u"Hi."_s, u"!Hello."_s}));
        course.WriteExercise(u"r_tryb.xml"_s, dialogue(14, u"Tryb"_s, u"4 1"_s, {u"Hi."_s, u"Hello."_s}));
        course.WriteExercise(u"r_autor.xml"_s, dialogue(14, u"Autor"_s, u"1 1"_s, {u"Hi."_s, u"Hello."_s}));
        course.WriteExercise(u"u_dobre.xml"_s,
                             dialogue(18, u"Dobre"_s, u"1 2"_s, {u"Can I <help> you?"_s, u"Yes, please."_s}));
        course.WriteExercise(u"u_tryb.xml"_s, dialogue(18, u"Tryb"_s, u"1 0"_s, {u"Can I <help> you?"_s}));
        course.WriteExercise(u"u_pusto.xml"_s, dialogue(18, u"Pusto"_s, u"1 1"_s, {u"Can I <> help you?"_s}));
        course.WriteExercise(u"u_krotko.xml"_s,
                             dialogue(18, u"Krotko"_s, u"1 3"_s, {u"Hi there."_s, u"Bye."_s}));
        course.WriteExercise(
            u"u_gesto.xml"_s,
            dialogue(18, u"Gesto"_s, u"1 2"_s, {u"- - <yes> - - - - - - - - -"_s, u"Can I help you?"_s}));
        course.WriteExercise(u"u_otwarte.xml"_s,
                             dialogue(18, u"Otwarte"_s, u"1 1"_s, {u"Can I <help you?"_s}));
        // A package of comprehension (4) and completion (8) whose modes both fail.
        course.WriteExercise(u"w_pakiet.xml"_s,
                             dialogue(100, u"Pakiet"_s, u"9 9"_s, {u"Can I <help> you?"_s}, u"2"_s, u"12"_s));

        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err,
                 (QStringList{
                     u"Dane\\r_autor.xml: comprehension: mode 1 hides the lines marked visible=\"0\", and no "
                     u"line is; "
                     "nothing is asked"_s,
                     u"Dane\\r_tryb.xml: comprehension: tryb_znikania 1 is 4; only 1, 2 and 3 hide lines, so "
                     u"nothing is "
                     "asked"_s,
                     u"Dane\\u_gesto.xml: completion: kwestia 1: its 12 words call for 2 gaps, but only 1 "
                     u"can be placed "
                     "(gaps may not stand side by side, and a word needs a letter or digit)"_s,
                     u"Dane\\u_krotko.xml: completion: mode 3 finds no line long enough for a gap (4 words "
                     u"or more); "
                     "there is nothing to fill in"_s,
                     u"Dane\\u_otwarte.xml: kwestia 1: a \"<\" is not closed by \">\": Can I <help you?"_s,
                     u"Dane\\u_otwarte.xml: completion: mode 1 uses the author's gaps, and no line has one; "
                     u"there is "
                     "nothing to fill in"_s,
                     u"Dane\\u_pusto.xml: completion: kwestia 1: an empty gap \"<>\" is no slot"_s,
                     u"Dane\\u_pusto.xml: completion: mode 1 uses the author's gaps, and no line has one; "
                     u"there is "
                     "nothing to fill in"_s,
                     u"Dane\\u_tryb.xml: completion: tryb_znikania 2 is 0; only 1, 2 and 3 make gaps, so "
                     u"every line is "
                     "empty"_s,
                     u"Dane\\w_pakiet.xml: comprehension: tryb_znikania 1 is 9; only 1, 2 and 3 hide lines, "
                     u"so nothing "
                     "is asked"_s,
                     u"Dane\\w_pakiet.xml: completion: tryb_znikania 2 is 9; only 1, 2 and 3 make gaps, so "
                     u"every line is "
                     "empty"_s,
                 }));
    }

    void checksDialogueBodies()
    {
        // Each dialogue kind and a dialogue package are checked as the screens will read them;
        // the package's comprehension item needs two modes, its presentation the .mp3 names.
        CourseFixture course;
        course.WriteDefinitions({u"1:Dialogi:Dialogues"_s},
                                {u"9:Prezentacja:Presentation"_s, u"11:Rozumienie:Comprehension"_s});
        QDir(course.Folder()).mkpath(u"Media/Dialogi"_s);
        QDir(course.Folder()).mkpath(u"Gfx/Background_dial"_s);
        course.Write(u"Media/Dialogi/d_01.mp3"_s, "x");
        course.Write(u"Gfx/Background_dial/bg_dialog.bmp"_s, "x");
        auto line = [](const QString &osoba, const QString &sampel, const QString &text) {
            return u"<kwestia id=\"1\" osoba=\"%1\" sampel=\"%2\" visible=\"1\"><tresc>%3</tresc></kwestia>"_s
                .arg(osoba, sampel, text);
        };
        course.WriteExercise(u"a.xml"_s,
                             CourseFixture::Utf8(CourseFixture::Exercise(
                                 11, 1, u"Dobry"_s, {}, 1, {}, {},
                                 u"<polecenia/>"_s + line(u"1"_s, u"d_01.wav"_s, u"Hi &lt;there&gt;."_s))));
        course.WriteExercise(u"b.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             26, 1, u"Zły"_s, {}, 1, {}, {},
                                             u"<tryb_znikania>x</tryb_znikania><polecenia/>"_s +
                                                 line(u"7"_s, u"d_09.mp3"_s, u"Hi &lt;there."_s))));
        course.WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             100, 1, u"Pakiet"_s, {}, 1, u"2"_s, u"5"_s,
                                             u"<tryb_znikania>1</tryb_znikania><polecenia/>"_s +
                                                 line(u"2"_s, u"d_01.ogg"_s, u"Hi."_s))));
        course.WriteExercise(u"d.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                             18, 1, u"Pusty"_s, {}, 1, {}, {}, u"<polecenia/>"_s)));
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        QCOMPARE(
            run.err,
            (QStringList{
                u"Dane\\b.xml: tryb_znikania 1 is not a number: x"_s,
                u"Dane\\b.xml: kwestia 1: osoba must be 1 to 5, not \"7\""_s,
                u"Dane\\b.xml: kwestia 1: a \"<\" is not closed by \">\": Hi <there."_s,
                u"Dane\\b.xml: kwestia 1: the recording Media\\Dialogi\\d_09.mp3 is missing"_s,
                u"Dane\\c.xml: comprehension and completion need two tryb_znikania values, the file has 1"_s,
                u"Dane\\c.xml: comprehension: mode 1 hides the lines marked visible=\"0\", and no line is; "
                "nothing is asked"_s,
                u"Dane\\d.xml: comprehension and completion need two tryb_znikania values, the file has 0"_s,
                u"Dane\\d.xml: the dialogue has no kwestia"_s,
            }));
    }

    void warnsAboutCrowdedNode()
    {
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        for (int i = 0; i < 101; ++i)
            course.WriteExercise(u"e%1.xml"_s.arg(i, 3, 10, QChar(u'0')),
                                 CourseFixture::Utf8(CourseFixture::Exercise(31, 1, u"E%1"_s.arg(i), {}, 1,
                                                                             {}, {}, TrueFalseBody)));
        const Run run = inspect({course.Folder(), u"--language"_s, u"1"_s});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out.size(), 102);
        QCOMPARE(run.out.first(), u"0=0=Group\t0\t\t"_s);
        QCOMPARE(run.err, (QStringList{u"Group: 101 children, more than 100"_s}));
    }

    void unreadableCourse_data()
    {
        QTest::addColumn<QByteArray>("definitions");
        QTest::addRow("no definitions file") << QByteArray();
        QTest::addRow("definitions not well-formed") << QByteArray("<definitions>");
    }

    void unreadableCourse()
    {
        QFETCH(QByteArray, definitions);
        CourseFixture course;
        if (!definitions.isEmpty())
            course.Write(u"Config/definitions.xml"_s, definitions);
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.size(), 1);
        QVERIFY(run.err.first().startsWith(u"Config\\definitions.xml: "_s));
        // The program's own message, with the reason.
        QVERIFY2(
            run.err.first().contains(u"Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało "
                                     "przerwane! ("_s),
            qPrintable(run.err.first()));
    }

    // A recording is looked for under the name the kind's screen plays: the word exercises turn
    // an exact ".wav" into ".mp3" and look for a ".wmv" film as ".mpg", in Teksty.
    void recordingsAsTheKindPlaysThem_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("missing");
        QTest::addRow("wav played as mp3") << 31 << u"x.wav"_s << u"Teksty/x.mp3"_s << QString();
        QTest::addRow("wav shipped, mp3 played") << 3 << u"x.wav"_s << u"Teksty/x.wav"_s << u"x.mp3"_s;
        QTest::addRow("upper-case WAV kept") << 31 << u"x.WAV"_s << u"Teksty/x.WAV"_s << QString();
        QTest::addRow("wmv film shipped as mpg") << 3 << u"f.wmv"_s << u"Teksty/f.mpg"_s << QString();
        QTest::addRow("word exercise, other folder") << 31 << u"x.mp3"_s << u"Dialogi/x.mp3"_s << u"x.mp3"_s;
        QTest::addRow("other kinds, any folder") << 11 << u"d.mp3"_s << u"Dialogi/d.mp3"_s << QString();
    }

    void recordingsAsTheKindPlaysThem()
    {
        QFETCH(int, kind);
        QFETCH(QString, named);
        QFETCH(QString, shipped);
        QFETCH(QString, missing);
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        course.WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(kind, 1, u"A"_s, {}, 1,
                                                                                     {}, {}, {}, named)));
        QDir().mkpath(QFileInfo(course.FilePath(u"Media/"_s + shipped)).path());
        course.Write(u"Media/"_s + shipped, "x");
        const Run run = inspect({course.Folder()});
        const QStringList problems =
            run.err.filter(u"recording"_s); // the body checks of the kinds may report the empty body too
        if (missing.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        else
            QCOMPARE(problems,
                     QStringList{u"Dane\\a.xml: the recording %1 is missing under Media"_s.arg(missing)});
    }

    // Dictionary lines the program could not read are named by number.
    void dictionaryLineThatDoesNotParse()
    {
        CourseFixture course;
        course.WriteDefinitions({u"1:Grupa:Group"_s}, {});
        course.WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(31, 1, u"A"_s)));
        const QString lines[] = {u"   1 [3]go=[3] iść===="_s, u"   x2 [1]cat=kot"_s,
                                 u"   3 [1]dog=pies===="_s};
        QByteArray data("\xff\xfe", 2);
        for (const QString &line : lines) {
            for (QChar c : QString(line + u"\r\n"_s)) {
                data.append(char(c.unicode() & 0xff));
                data.append(char(c.unicode() >> 8));
            }
        }
        course.Write(u"Dane/Slownik.txt"_s, data);
        const Run run = inspect({course.Folder()});
        QCOMPARE(run.status, 1);
        const QStringList problems = run.err.filter(u"Slownik"_s);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().startsWith(u"Dane\\Slownik.txt, line 2: the line does not parse"_s),
                 qPrintable(problems.first()));
    }

    void badArguments()
    {
        QCOMPARE(inspect({}).status, 2);
        QCOMPARE(inspect({u"x"_s, u"--language"_s, u"pl"_s}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCourseCheck)
#include "tst_course_check.moc"
