// Dialogue files and the presentation without their screens: reading, backgrounds, layout
// and hit zones, play queues, the learner's recordings, printing and the course checks.

#include "exercises/dialogues/DialogueLayout.h"
#include "exercises/dialogues/PresentationModel.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace DialogueLayout;

namespace {

QString Kwestia(int speaker, const QString &sampel, const QString &text, const QString &more = {},
                const QString &visible = u"1"_s)
{
    return u"<kwestia id=\"1\" osoba=\"%1\" sampel=\"%2\" visible=\"%3\"><tresc>%4</tresc>%5</kwestia>"_s.arg(
        QString::number(speaker), sampel, visible, text.toHtmlEscaped(), more);
}

// A dialogue file: modes are the tryb_znikania texts, body the kwestia elements.
QByteArray DialogueFile(const QStringList &modes, const QString &body, const QString &polecenia = {})
{
    QString xml =
        u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>11</typ_cw></config><body>"_s;
    for (const QString &mode : modes)
        xml += u"<tryb_znikania id=\"9\">"_s + mode + u"</tryb_znikania>"_s;
    xml += u"<polecenia>"_s + polecenia + u"</polecenia>"_s + body + u"</body></cwiczenie>"_s;
    return xml.toUtf8();
}

void Write(const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TKwestia Line(int speaker, const QString &text, const QString &recording = {})
{
    TKwestia line;
    line.Speaker = speaker;
    line.Text = text;
    line.Recording = recording;
    return line;
}

// Every character 7 pixels wide, a blank 5: the skin's pictures 15, 19, 19 and 25 wide.
TPresentationMetrics SkinMetrics(int offset = 0)
{
    TPresentationMetrics m;
    m.Flow.TextWidth = [](const QString &w) { return int(w.size()) * 7; };
    m.Flow.Blank = 5;
    m.Flow.Width = 650;
    m.Height = 550;
    m.ScrollOffset = offset;
    m.Mic = {15, 24};
    m.Own = {19, 20};
    m.Kept = {19, 20};
    m.Speaker = {25, 20};
    return m;
}

} // namespace

class TestDialogueModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void modesByPosition_data()
    {
        QTest::addColumn<QStringList>("modes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<QString>("error");
        QTest::addRow("two for completion")
            << QStringList{u"3"_s, u" 1 "_s} << 18 << QList<int>{3, 1} << QString();
        QTest::addRow("three, first two by position")
            << QStringList{u"2"_s, u"3"_s, u"1"_s} << 14 << QList<int>{2, 3, 1} << QString();
        QTest::addRow("one for comprehension")
            << QStringList{u"1"_s} << 14 << QList<int>{1} << u"tryb_znikania 2 is missing"_s;
        QTest::addRow("none for completion")
            << QStringList{} << 18 << QList<int>{} << u"tryb_znikania 1 is missing"_s;
        QTest::addRow("second not a number") << QStringList{u"1"_s, u"dwa"_s} << 18 << QList<int>{1}
                                             << u"tryb_znikania 2 is not a number: dwa"_s;
        QTest::addRow("presentation reads none") << QStringList{u"x"_s} << 11 << QList<int>{} << QString();
        QTest::addRow("reading view reads none") << QStringList{} << 26 << QList<int>{} << QString();
    }

    void modesByPosition()
    {
        QFETCH(QStringList, modes);
        QFETCH(int, kind);
        QFETCH(QList<int>, read);
        QFETCH(QString, error);
        const DialogueReadResult result =
            ReadDialogue(DialogueFile(modes, Kwestia(1, u"a.mp3"_s, u"Hi."_s)), DialogueReadOptions(kind, 0));
        QCOMPARE(result.Error, error);
        QCOMPARE(result.Dialogue.Lines.size(), error.isEmpty() ? 1 : 0);
        if (error.isEmpty())
            QCOMPARE(result.Dialogue.Modes, read);
    }

    void instructionsAndTranslations_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("translationLanguage");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("translation");
        QTest::addRow("presentation, Polish") << 11 << 0 << u"Listen."_s << u"Słuchaj."_s << u"Cześć."_s;
        QTest::addRow("reading, no translations") << 26 << 255 << u"Listen."_s << QString() << QString();
        QTest::addRow("comprehension") << 14 << 0 << u"Click."_s << u"Kliknij."_s << u"Cześć."_s;
        QTest::addRow("completion, no such language") << 18 << 7 << u"Drag."_s << QString() << QString();
    }

    void instructionsAndTranslations()
    {
        QFETCH(int, kind);
        QFETCH(int, translationLanguage);
        // The first typ of a variant and in it the first polecenie of a language count; so does
        // the first tlumaczenie of a language.
        const QString polecenia =
            u"<typ id=\"4\"><polecenie id=\"1\">Click.</polecenie><polecenie "
            u"id=\"0\">Kliknij.</polecenie></typ>"
            "<typ id=\"1\"><polecenie id=\"0\">Słuchaj.</polecenie><polecenie id=\"1\">Listen.</polecenie>"
            "<polecenie id=\"1\">Second.</polecenie></typ>"
            "<typ id=\"1\"><polecenie id=\"1\">Later typ.</polecenie></typ>"
            "<typ id=\"8\"><polecenie id=\"1\">Drag.</polecenie></typ>"_s;
        const QString translations =
            u"<tlumaczenie id=\"1\">Hi.</tlumaczenie><tlumaczenie id=\"0\">Cześć.</tlumaczenie>"
            "<tlumaczenie id=\"0\">Druga.</tlumaczenie>"_s;
        const DialogueReadResult result = ReadDialogue(
            DialogueFile({u"1"_s, u"1"_s}, Kwestia(1, u"a.mp3"_s, u"Hi."_s, translations), polecenia),
            DialogueReadOptions(kind, translationLanguage));
        QVERIFY2(result.Ok(), qPrintable(result.Error));
        QTEST(result.Dialogue.Instruction, "instruction");
        QTEST(result.Dialogue.Hint, "hint");
        QTEST(result.Dialogue.Lines.first().Translation, "translation");
    }

    void linesAsEachKindReadsThem_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sampel");
        QTest::addColumn<QString>("recording");
        QTest::addRow("presentation, wav") << 11 << u"a.b.wav"_s << u"a.b.mp3"_s;
        QTest::addRow("presentation, no extension") << 11 << u"abc"_s << u"abc.mp3"_s;
        QTest::addRow("comprehension, ogg") << 14 << u"d_01.ogg"_s << u"d_01.mp3"_s;
        QTest::addRow("completion as written") << 18 << u"d_01.wav"_s << u"d_01.wav"_s;
        QTest::addRow("reading as written") << 26 << u"abc"_s << u"abc"_s;
    }

    void linesAsEachKindReadsThem()
    {
        QFETCH(int, kind);
        QFETCH(QString, sampel);
        const QString body = Kwestia(2, sampel, u"Can I <help> you?"_s) +
                             Kwestia(3, sampel, u"No, <thanks.>"_s, {}, u"0"_s) +
                             Kwestia(9, sampel, u"Bye."_s, {}, u"2"_s);
        const DialogueReadResult result =
            ReadDialogue(DialogueFile({u"1"_s, u"2"_s}, body), DialogueReadOptions(kind, 0));
        QVERIFY2(result.Ok(), qPrintable(result.Error));
        const QList<TKwestia> &lines = result.Dialogue.Lines;
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lines[i].Index, i);
            QTEST(lines[i].Recording, "recording");
        }
        QCOMPARE(lines[0].Speaker, 2);
        QCOMPARE(lines[2].Speaker, 9);
        QCOMPARE(lines[0].Text, u"Can I help you?"_s);
        QCOMPARE(lines[1].Text, u"No, thanks."_s);
        QCOMPARE((QList<bool>{lines[0].Visible, lines[1].Visible, lines[2].Visible}),
                 (QList<bool>{true, false, true}));
    }

    void screenTreatsTextsWithTheModesRead()
    {
        TDialogueReadOptions options = DialogueReadOptions(18, 0);
        options.TreatText = [](const QString &tresc, const QList<int> &modes) -> QString {
            return QString::number(modes.value(1)) + u'|' + tresc;
        };
        const DialogueReadResult result =
            ReadDialogue(DialogueFile({u"3"_s, u"2"_s}, Kwestia(1, u"a"_s, u"A <gap>."_s)), options);
        QCOMPARE(result.Dialogue.Lines.first().Text, u"2|A <gap>."_s);
    }

    void unreadableDialogues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("not well-formed") << QByteArray("<cwiczenie><body>");
        QTest::addRow("another root") << QByteArray("<definitions><body/></definitions>");
        QTest::addRow("no body") << QByteArray("<cwiczenie><config/></cwiczenie>");
        QTest::addRow("no kwestia") << DialogueFile({u"1"_s, u"1"_s}, {});
    }

    void unreadableDialogues()
    {
        QFETCH(QByteArray, bytes);
        const DialogueReadResult result = ReadDialogue(bytes, DialogueReadOptions(11, 0));
        QVERIFY(!result.Ok());
        QVERIFY(result.Dialogue.Lines.isEmpty());
        QVERIFY(LoadDialogueExercise(u"/nonexistent/d.xml"_s, DialogueReadOptions(11, 0)).Error.size() > 0);
    }

    void textRules()
    {
        QCOMPARE(StripGapMarks(u"<a> b <c d,> e>"_s), u"a b c d, e"_s);
        const QStringList letters{SpeakerLetter(0), SpeakerLetter(1), SpeakerLetter(3), SpeakerLetter(5),
                                  SpeakerLetter(6)};
        QCOMPARE(letters, (QStringList{{}, u"A"_s, u"C"_s, u"E"_s, {}}));
    }

    void background_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QString>("expected");
        QTest::addRow("its own picture, name cut at the first dot")
            << QStringList{u"dlg01.bmp"_s, u"bg_dialog.bmp"_s} << u"Dane/dlg01.part.xml"_s << u"dlg01.bmp"_s;
        QTest::addRow("not the name up to the last dot")
            << QStringList{u"dlg01.part.bmp"_s, u"bg_dialog.bmp"_s} << u"Dane/dlg01.part.xml"_s
            << u"bg_dialog.bmp"_s;
        QTest::addRow("stored path with backslashes")
            << QStringList{u"kawa.bmp"_s} << u"Dane\\Paczki\\kawa.xml"_s << u"kawa.bmp"_s;
        QTest::addRow("the fallback")
            << QStringList{u"bg_dialog.bmp"_s} << u"Dane/dlg02.xml"_s << u"bg_dialog.bmp"_s;
        QTest::addRow("neither: a plain background") << QStringList{} << u"Dane/dlg02.xml"_s << QString();
    }

    void background()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, exercise);
        QFETCH(QString, expected);
        QTemporaryDir program;
        Utils::SetProgramFolder(program.path());
        QDir().mkpath(program.filePath(u"Gfx/Background_dial"_s));
        for (const QString &name : present)
            Write(program.filePath(u"Gfx/Background_dial/"_s + name));
        const QString found = DialogueBackgroundPath(program.path() + u'/' + exercise);
        QCOMPARE(QFileInfo(found).fileName(), expected);
        if (!expected.isEmpty())
            QVERIFY(QFileInfo(found).isFile());
    }

    void presentationIconsAndZones_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("zone");
        const int mic = int(TPresentationZone::Microphone), own = int(TPresentationZone::OwnRecording),
                  kept = int(TPresentationZone::KeptRecording), speaker = int(TPresentationZone::Speaker),
                  text = int(TPresentationZone::Text), none = int(TPresentationZone::None);
        QTest::addRow("microphone left edge") << 8 << 3 << 0 << mic;
        QTest::addRow("microphone right edge") << 23 << 24 << 0 << mic;
        QTest::addRow("the gap between two lines") << 23 << 26 << -1 << none;
        QTest::addRow("between microphone and recording") << 28 << 10 << 0 << none;
        QTest::addRow("temporary recording") << 33 << 10 << 0 << own;
        QTest::addRow("kept recording") << 81 << 10 << 0 << kept;
        QTest::addRow("speaker") << 91 << 10 << 0 << speaker;
        QTest::addRow("speaker right edge") << 116 << 10 << 0 << speaker;
        QTest::addRow("text start") << 126 << 10 << 0 << text;
        QTest::addRow("speaker of a long line") << 100 << 29 << 1 << speaker;
        QTest::addRow("second row of a long line") << 300 << 60 << 1 << text;
        QTest::addRow("under the speaker of a long line") << 100 << 55 << 1 << none;
        QTest::addRow("under the microphone of a long line") << 10 << 60 << 1 << none;
        QTest::addRow("line two") << 200 << 80 << 2 << text;
        QTest::addRow("the two pixels above the first line") << 200 << 1 << -1 << none;
        QTest::addRow("below every line") << 200 << 200 << -1 << none;
    }

    void presentationIconsAndZones()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QList<TKwestia> lines{Line(1, u"Hello there."_s), Line(2, QString(u"word "_s).repeated(30).trimmed()),
                              Line(1, u"Bye."_s)};
        const TPresentationLayout layout = LayOutPresentation(lines, SkinMetrics());
        // The skin's sizes and a 5-pixel blank put the icons at 8, 33, 62 and 91 and the text at 126.
        const TPresentationLine &first = layout.Lines.first();
        QCOMPARE((QList<int>{first.Mic.left(), first.Own.left(), first.Kept.left(), first.Speaker.left(),
                             first.TextStart}),
                 (QList<int>{8, 33, 62, 91, 126}));
        QCOMPARE(first.Words.first().X, 126);
        QCOMPARE(lines[1].Rect, QRect(0, 27, 650, 48)); // two rows
        QCOMPARE(lines[2].Rect.top(), 77);
        const TPresentationHit hit = HitPresentation(lines, layout, {x, y});
        QTEST(hit.Line, "line");
        QTEST(int(hit.Zone), "zone");
    }

    void zonesFollowTheFont()
    {
        // A wider blank moves every picture, and the zones move with them.
        QList<TKwestia> lines{Line(1, u"Hi."_s)};
        TPresentationMetrics metrics = SkinMetrics();
        metrics.Flow.Blank = 8;
        const TPresentationLayout layout = LayOutPresentation(lines, metrics);
        QCOMPARE(layout.Lines[0].TextStart, 8 + 15 + 16 + 19 + 16 + 19 + 16 + 25 + 16);
        QCOMPARE(int(HitPresentation(lines, layout, {35, 10}).Zone), int(TPresentationZone::None));
        QCOMPARE(int(HitPresentation(lines, layout, {39, 10}).Zone), int(TPresentationZone::OwnRecording));
        QCOMPARE(int(HitPresentation(lines, layout, {8 + 15 + 16 + 19 + 16 + 19 + 16 + 2, 10}).Zone),
                 int(TPresentationZone::Speaker));
    }

    void wordsFlowUnderTheTextStart()
    {
        QList<TKwestia> lines{Line(1, u"Yes ,  I do . And you ?"_s),
                              Line(2, QString(u"abcdefghij "_s).repeated(12))};
        const TPresentationLayout layout = LayOutPresentation(lines, SkinMetrics());
        const QList<TPlacedWord> &words = layout.Lines[0].Words;
        QCOMPARE(words.size(), 8); // the double blank draws no empty word
        QCOMPARE(words[0].X, 126);
        QCOMPARE(words[1].Text, u","_s);
        QCOMPARE(words[1].X, 126 + 21 + 5 - 5); // written apart, drawn against "Yes"
        QCOMPARE(words[4].Text, u"."_s);
        QCOMPARE(words[4].X, words[3].X + words[3].Width);
        for (const TPlacedWord &word : layout.Lines[1].Words) {
            QVERIFY(word.X + word.Width <= 650);
            QVERIFY(word.X >= 126);
        }
        QCOMPARE(layout.Lines[1].Words.last().Y, 50);
        QCOMPARE(layout.ContentHeight, 75);
    }

    void longDialogueScrollsByRows()
    {
        QList<TKwestia> lines;
        for (int i = 0; i < 30; ++i)
            lines << Line(1 + i % 2, u"Line %1."_s.arg(i));
        const TPresentationLayout top = LayOutPresentation(lines, SkinMetrics());
        QCOMPARE(top.ContentHeight, 750);
        QCOMPARE(ScrollMaximum(top.ContentHeight, 550), 8);
        QCOMPARE(ScrollMaximum(550, 550), 0);
        const TPresentationLayout scrolled = LayOutPresentation(lines, SkinMetrics(2 * LineHeight));
        QCOMPARE(scrolled.Lines[5].Words.first().Y, top.Lines[5].Words.first().Y);
        QCOMPARE(scrolled.Lines[5].Mic.top(), top.Lines[5].Mic.top() - 50);
        QCOMPARE(lines[5].Rect.top(), 5 * 25 + 2 - 50);
        QVERIFY(!scrolled.Lines[1].IconsVisible);
        QVERIFY(scrolled.Lines[2].IconsVisible);
        QVERIFY(!top.Lines[22].IconsVisible);
        QVERIFY(top.Lines[21].IconsVisible);
    }

    void readingLayout()
    {
        TFlowMetrics flow = SkinMetrics().Flow;
        const TReadingLayout layout =
            LayOutReading({Line(1, QString(u"abcdefghij "_s).repeated(12)), Line(3, u"Hi , you."_s)}, flow,
                          550, 25, {25, 20});
        QCOMPARE(layout.Lines[0].Speaker, QRect(8, -25 + 2, 25, 20));
        QVERIFY(!layout.Lines[0].IconVisible);
        const int textStart = 8 + 25 + 10;
        QCOMPARE(layout.Lines[0].Words.first().X, textStart);
        QCOMPARE(layout.Lines[0].Words[8].X, textStart); // wrapped under the text, not the picture
        QCOMPARE(layout.Lines[0].Words[8].Y, 25);
        QCOMPARE(layout.Lines[1].Words[1].X, textStart + 14 + 5); // nothing pulled left here
        QCOMPARE(layout.ContentHeight, 75);
    }

    void speakerQueue()
    {
        const QString fifty(50, u'a');
        const QString hundredFifty(150, u'b');
        const QList<TKwestia> lines{Line(1, u"one"_s, u"1.mp3"_s), Line(2, fifty, u"2.mp3"_s),
                                    Line(1, hundredFifty, u"3.mp3"_s), Line(2, hundredFifty, u"4.mp3"_s),
                                    Line(2, QString(70, u'c'), u"5.mp3"_s)};
        auto path = [](const QString &r) -> QString { return u"/m/"_s + r; };
        QCOMPARE(Presentation::SpeakerQueue(lines, 2, path, u"s"_s),
                 (QStringList{u"/m/2.mp3"_s, u"s"_s, u"/m/4.mp3"_s, u"s"_s, u"s"_s, u"s"_s, u"/m/5.mp3"_s,
                              u"s"_s, u"s"_s}));
        QVERIFY(Presentation::SpeakerQueue(lines, 4, path, u"s"_s).isEmpty());
        QCOMPARE(Presentation::PlayAllQueue(lines, path),
                 (QStringList{u"/m/1.mp3"_s, u"/m/2.mp3"_s, u"/m/3.mp3"_s, u"/m/4.mp3"_s, u"/m/5.mp3"_s}));
    }

    void learnerRecordingFiles_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::addColumn<QString>("file");
        QTest::addRow("plain") << u"d_01.mp3"_s << u"usr_d_01.mp3"_s;
        QTest::addRow("a folder part is dropped") << u"..\\..\\x.mp3"_s << u"usr_x.mp3"_s;
        QTest::addRow("so is a slash path") << u"../../x.mp3"_s << u"usr_x.mp3"_s;
        QTest::addRow("dot-dot alone") << u".."_s << u"usr_"_s;
    }

    void learnerRecordingFiles()
    {
        QFETCH(QString, recording);
        QFETCH(QString, file);
        const Presentation::TLearnerRecording r = Presentation::LearnerRecording(u"/p/Users"_s, 7, recording);
        QCOMPARE(r.Temporary, u"/p/Users/7_Media_temp/"_s + file);
        QCOMPARE(r.Kept, u"/p/Users/7_Media_arch/"_s + file);
    }

    void archivingAtClose_data()
    {
        QTest::addColumn<bool>("archive");
        QTest::addColumn<bool>("keptIsFolder");
        QTest::addColumn<QByteArray>("keptAfter");
        QTest::addColumn<bool>("temporaryAfter");
        QTest::addColumn<int>("problems");
        QTest::addRow("archiving: the new recording is kept")
            << true << false << QByteArray("new") << false << 0;
        QTest::addRow("not archiving: the old one stays")
            << false << false << QByteArray("old") << false << 0;
        QTest::addRow("a failed move keeps both") << true << true << QByteArray() << true << 1;
    }

    void archivingAtClose()
    {
        QFETCH(bool, archive);
        QFETCH(bool, keptIsFolder);
        QTemporaryDir users;
        const Presentation::TLearnerRecording line =
            Presentation::LearnerRecording(users.path(), 1, u"a.mp3"_s);
        const Presentation::TLearnerRecording untouched =
            Presentation::LearnerRecording(users.path(), 1, u"b.mp3"_s);
        const Presentation::TLearnerRecording fresh =
            Presentation::LearnerRecording(users.path(), 1, u"c.mp3"_s);
        Write(line.Temporary, "new");
        if (keptIsFolder)
            QVERIFY(QDir().mkpath(line.Kept + u"/inside"_s));
        else
            Write(line.Kept, "old");
        Write(untouched.Kept, "older");
        Write(fresh.Temporary, "first");
        // A second line with the same recording shares its files.
        const QStringList problems =
            Presentation::CloseLearnerRecordings({line, untouched, fresh, line}, archive);
        QTEST(int(problems.size()), "problems");
        QTEST(Read(line.Kept), "keptAfter");
        QTEST(QFileInfo::exists(line.Temporary), "temporaryAfter");
        if (keptIsFolder)
            QCOMPARE(Read(line.Temporary), QByteArray("new"));
        QCOMPARE(Read(untouched.Kept), QByteArray("older"));
        QCOMPARE(Read(fresh.Kept), archive ? QByteArray("first") : QByteArray());
        QVERIFY(!QFileInfo::exists(fresh.Temporary));
    }

    void printedTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("printed");
        QTest::addRow("three parts") << u"4=1=At the café"_s << u"At the café"_s;
        QTest::addRow("a title holding =") << u"4=1=A=B"_s << u"A=B"_s;
        QTest::addRow("two parts") << u"4=At the café"_s << QString();
        QTest::addRow("no =") << u"At the café"_s << QString();
    }

    void printedTitle()
    {
        QFETCH(QString, title);
        QTEST(Presentation::PrintedTitle(title), "printed");
    }

    void printPage()
    {
        TKwestia first = Line(3, u"Fish & chips, <please>."_s);
        first.Translation = u"Rybę z frytkami, proszę. Żółć"_s;
        const QByteArray page = Presentation::PrintPage(u"Zakupy & łódź"_s, {first, Line(1, u"Sure."_s)},
                                                        {u"Notice"_s, u"Lernivo 6.0 Audivox"_s});
        QVERIFY(page.contains("charset=windows-1250\""));
        QVERIFY(page.contains("<H2>Zakupy &amp; &#322;\xF3"
                              "d&#378;</H2>"));
        QVERIFY(page.contains(
            "<b>C:</b>&nbsp;&nbsp;</td><td class=\"kwestia\">Fish &amp; chips, &lt;please&gt;.</td></tr>"));
        QVERIFY(page.contains("<i>Ryb&#281; z frytkami, prosz&#281;. &#379;\xF3&#322;&#263;</i>"));
        QVERIFY(page.contains("<b>A:</b>"));
        QVERIFY(!page.contains("<tr><tr>"));
        QCOMPARE(page.count("<tr>"), 4);
        QCOMPARE(page.count("</tr>"), 4);
        QVERIFY(page.contains("Notice<br />Lernivo 6.0 Audivox</p>"));
    }

    void courseChecks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QStringList>("expected");
        const QString good =
            Kwestia(1, u"d_01.mp3"_s, u"Can I <help> you?"_s) + Kwestia(5, u"d_02.mp3"_s, u"No."_s);
        const QString wav =
            Kwestia(1, u"d_01.wav"_s, u"Can I <help> you?"_s) + Kwestia(5, u"d_02.mp3"_s, u"No."_s);
        QTest::addRow("sound") << DialogueFile({u"1"_s, u"2"_s}, good) << QList<int>{11, 14, 18, 26}
                               << QStringList{};
        QTest::addRow("sound, as the presentation plays it")
            << DialogueFile({u"1"_s, u"2"_s}, wav) << QList<int>{11, 14} << QStringList{};
        QTest::addRow("the reading view plays the name as written")
            << DialogueFile({}, wav) << QList<int>{26}
            << QStringList{u"kwestia 1: the recording Media\\Dialogi\\d_01.wav is missing"_s};
        QTest::addRow("no kwestia") << DialogueFile({}, {}) << QList<int>{11}
                                    << QStringList{u"the dialogue has no kwestia"_s};
        QTest::addRow("speaker outside 1-5")
            << DialogueFile({}, Kwestia(6, u"d_02.mp3"_s, u"Hi."_s) + Kwestia(0, u"d_02.mp3"_s, u"Hi."_s))
            << QList<int>{11}
            << QStringList{u"kwestia 1: osoba must be 1 to 5, not \"6\""_s,
                           u"kwestia 2: osoba must be 1 to 5, not \"0\""_s};
        QTest::addRow("missing recording")
            << DialogueFile({}, Kwestia(1, u"brak.ogg"_s, u"Hi."_s)) << QList<int>{11}
            << QStringList{u"kwestia 1: the recording Media\\Dialogi\\brak.mp3 is missing"_s};
        QTest::addRow("modes that are not numbers") << DialogueFile({u"1"_s, u"x"_s}, good) << QList<int>{11}
                                                    << QStringList{u"tryb_znikania 2 is not a number: x"_s};
        QTest::addRow("too few modes for completion")
            << DialogueFile({u"1"_s}, good) << QList<int>{11, 18}
            << QStringList{u"comprehension and completion need two tryb_znikania values, the file has 1"_s};
        QTest::addRow("unclosed gap")
            << DialogueFile({}, Kwestia(1, u"d_02.mp3"_s, u"Can I <help you?"_s) +
                                    Kwestia(2, u"d_02.mp3"_s, u"<a <b> c>"_s) +
                                    Kwestia(2, u"d_02.mp3"_s, u"a> b"_s))
            << QList<int>{11}
            << QStringList{u"kwestia 1: a \"<\" is not closed by \">\": Can I <help you?"_s,
                           u"kwestia 2: a \"<\" is not closed by \">\": <a <b> c>"_s,
                           u"kwestia 2: a \">\" closes no \"<\": <a <b> c>"_s,
                           u"kwestia 3: a \">\" closes no \"<\": a> b"_s};
        QTest::addRow("unreadable") << QByteArray("<cwiczenie>") << QList<int>{11} << QStringList{u"*"_s};
    }

    void courseChecks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, kinds);
        QFETCH(QStringList, expected);
        QTemporaryDir program;
        Utils::SetProgramFolder(program.path());
        Utils::SetMediaRoot(program.path());
        Write(program.filePath(u"Media/Dialogi/d_01.mp3"_s));
        Write(program.filePath(u"Media/Dialogi/d_02.mp3"_s));
        Write(program.filePath(u"Gfx/Background_dial/d.bmp"_s));
        const QStringList problems = InspectDialogue(bytes, kinds, program.filePath(u"Dane/d.xml"_s));
        if (expected == QStringList{u"*"_s})
            QCOMPARE(problems.size(), 1);
        else
            QCOMPARE(problems, expected);
    }

    void courseCheckFindsNoBackground()
    {
        QTemporaryDir program;
        Utils::SetProgramFolder(program.path());
        Utils::SetMediaRoot(program.path());
        Write(program.filePath(u"Media/Dialogi/a.mp3"_s));
        const QByteArray bytes = DialogueFile({}, Kwestia(1, u"a.mp3"_s, u"Hi."_s));
        QCOMPARE(InspectDialogue(bytes, {11}, program.filePath(u"Dane/rozmowa.xml"_s)),
                 (QStringList{u"no background: neither Gfx\\Background_dial\\rozmowa.bmp nor "
                              "Gfx\\Background_dial\\bg_dialog.bmp"_s}));
        Write(program.filePath(u"Gfx/Background_dial/bg_dialog.bmp"_s));
        QVERIFY(InspectDialogue(bytes, {11}, program.filePath(u"Dane/rozmowa.xml"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDialogueModel)
#include "tst_dialogue_model.moc"
