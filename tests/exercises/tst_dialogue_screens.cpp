// The dialogue presentation and the reading view with a fake host, a fake player and a fake
// microphone: recording a line with the mouse held, playing it back, the speaker's queue, the
// hints and the translation bubble, printing, archiving when the screen closes and the kept
// recordings seen again, the reading view's lines and its keys, and faulty files.

#include "ExerciseFixture.h"

#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "exercises/dialogues/uFrmDialogi_Ukl.h"
#include "media/MediaServices.h"
#include "media/SoundService.h"
#include "media/WaveFile.h"
#include "media/uMedia.h"
#include "reference/Printing.h"
#include "skin/ALScrollBar.h"
#include "skin/VelDymek.h"

#include <QProcess>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;
using DialogueLayout::TPresentationZone;

namespace {

// What the screens asked of the media window's player and microphone, and of the short sounds.
struct TMediaLog
{
    QStringList Opened;     // files the player opened, by name
    QStringList Recordings; // "start <file>", "save", "drop"
    QStringList Sounds;     // files played as short sounds (full paths)
    bool Microphone = true; // false: nothing can be recorded
    std::function<void()> End;
};

class TPlayer final : public Media::IMediaPlayer
{
public:
    explicit TPlayer(TMediaLog &log) : m_log(log)
    {
        m_log.End = [this] {
            if (OnEnded)
                OnEnded();
        };
    }
    ~TPlayer() override { m_log.End = nullptr; }
    void Open(const QString &path, QWidget *) override
    {
        m_log.Opened << QFileInfo(path).fileName();
        m_open = true;
    }
    void Play() override {}
    void Pause() override {}
    bool IsPaused() const override { return false; }
    void Stop() override {}
    void Seek(qint64) override {}
    qint64 Position() const override { return 0; }
    qint64 Length() const override { return 1000; }
    bool IsOpen() const override { return m_open; }
    void Close() override { m_open = false; }

private:
    TMediaLog &m_log;
    bool m_open = false;
};

// A microphone that saves half a second of PCM, or none at all.
class TMicrophone final : public Media::IRecorder
{
public:
    explicit TMicrophone(TMediaLog &log) : m_log(log) {}
    bool Start(const QString &path, const Media::TPcmFormat &format) override
    {
        m_log.Recordings << u"start "_s + QFileInfo(path).fileName();
        if (!m_log.Microphone)
            return false;
        m_path = path;
        m_format = format;
        return true;
    }
    bool Stop(bool save) override
    {
        m_log.Recordings << (save ? u"save"_s : u"drop"_s);
        if (m_path.isEmpty() || !save)
            return false;
        const QByteArray samples(m_format.AvgBytesPerSec() / 2, '\1');
        QFile file(std::exchange(m_path, QString()));
        return file.open(QIODevice::WriteOnly) &&
               file.write(Media::WaveHeader(m_format, quint32(samples.size())) + samples) > 0;
    }
    bool IsRecording() const override { return !m_path.isEmpty(); }

private:
    TMediaLog &m_log;
    QString m_path;
    Media::TPcmFormat m_format;
};

class TSounds final : public Media::ISoundService
{
public:
    explicit TSounds(TMediaLog &log) : m_log(log) {}
    void PlayWave(const QByteArray &) override {}
    void PlayWaveFile(const QString &path) override { m_log.Sounds << path; }
    void Stop() override {}

private:
    TMediaLog &m_log;
};

// Prints into a PDF file of the test's own.
class TPdfPrinter final : public Reference::IPrintService
{
public:
    QString File;
    QString Title;
    Reference::PrintOutcome Print(QTextDocument &document, const QString &title, int fromPage, int toPage,
                                  double marginMm) override
    {
        Title = title;
        return Reference::SystemPrintService::PrintToPdf(document, File, fromPage, toPage, marginMm);
    }
};

QString Line(int speaker, const QString &sampel, const QString &text, const QString &translation = {})
{
    return u"<kwestia id=\"1\" osoba=\"%1\" sampel=\"%2\" visible=\"1\"><tresc>%3</tresc>%4</kwestia>"_s.arg(
        QString::number(speaker), sampel, text.toHtmlEscaped(),
        translation.isEmpty() ? QString() : u"<tlumaczenie id=\"0\">%1</tlumaczenie>"_s.arg(translation));
}

QByteArray Dialogue(int kind, const QString &lines)
{
    return (u"<?xml version=\"1.0\" "
            u"encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>%1</typ_cw><grupa>1</grupa>"
            "<poziom>1</poziom><multimedia></multimedia><param1>0</param1></config><body>"
            "<polecenia><typ id=\"1\"><polecenie id=\"1\">Listen and record.</polecenie>"
            "<polecenie id=\"0\">Posłuchaj i nagraj.</polecenie></typ></polecenia>%2</body></cwiczenie>"_s
                .arg(QString::number(kind), lines))
        .toUtf8();
}

// Three lines of two speakers; the second has 150 characters, so its speaker's queue holds
// three pauses after it.
QByteArray Cafe(int kind = 11)
{
    return Dialogue(kind,
                    Line(1, u"cafe_01.wav"_s, u"Hi there! What can I <get> you?"_s, u"Co podać?"_s) +
                        Line(2, u"cafe_02.mp3"_s,
                             QString(u"A large coffee, please. "_s).repeated(6).trimmed(), u"Duża kawa."_s) +
                        Line(2, u"cafe_03.mp3"_s, u"And a cake."_s));
}

} // namespace

class DialogueScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    std::unique_ptr<TfrmMedia> media;
    TMediaLog log;
    std::unique_ptr<TSounds> sounds;

    TExerciseScreen *open(int kind, const QByteArray &bytes, const QString &name = u"cafe.xml"_s)
    {
        const QString path = world->WriteExercise(name, bytes, kind);
        return world->Open(kind, path);
    }
    TfrmDialogi_Prez *openPresentation(const QByteArray &bytes = Cafe())
    {
        return qobject_cast<TfrmDialogi_Prez *>(open(11, bytes));
    }
    static QWidget *area(QWidget *screen) { return screen->findChild<QWidget *>(u"Obszar"_s); }
    static void press(TfrmDialogi_Prez *screen, int line, TPresentationZone zone,
                      Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(area(screen), button, {}, screen->ZonePoint(line, zone));
    }
    static void click(TfrmDialogi_Prez *screen, int line, TPresentationZone zone,
                      Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(area(screen), button, {}, screen->ZonePoint(line, zone));
    }
    // The pointer moved onto a zone, delivered to the area itself (the offscreen platform
    // would hand a moved cursor to whatever window lies under it).
    static void hover(TfrmDialogi_Prez *screen, int line, TPresentationZone zone)
    {
        const QPoint at = screen->ZonePoint(line, zone);
        QMouseEvent move(QEvent::MouseMove, at, area(screen)->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(area(screen), &move);
    }
    static QImage iconOf(TfrmDialogi_Prez *screen, int line, TPresentationZone zone)
    {
        const DialogueLayout::TPresentationLine &laidOut = screen->Layout().Lines[line];
        const QRect rect = zone == TPresentationZone::OwnRecording    ? laidOut.Own
                           : zone == TPresentationZone::KeptRecording ? laidOut.Kept
                                                                      : laidOut.Mic;
        return screen->AreaPicture().copy(rect);
    }

private slots:
    void initTestCase() { TExerciseFixture::LoadSkin(); }
    void init()
    {
        log = TMediaLog();
        world = std::make_unique<TExerciseFixture>();
        for (const char *folder : {"Media/Dialogi", "Media/Teksty", "Gfx/Background_dial"})
            QDir(world->dir.path()).mkpath(QString::fromLatin1(folder));
        for (const char *file :
             {"Media/Dialogi/cafe_01.mp3", "Media/Dialogi/cafe_02.mp3", "Media/Dialogi/cafe_03.mp3",
              "Media/Dialogi/cafe_01.wav", "Media/Teksty/cisza.wav"}) {
            QFile f(world->dir.filePath(QString::fromLatin1(file)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ID3");
        }
        Utils::InterfaceTexts() = {u"42=Listen"_s,
                                   u"83=Stop"_s,
                                   u"47=Print"_s,
                                   u"44=Listen!"_s,
                                   u"99=Play your recording"_s,
                                   u"100=Play your saved recording"_s,
                                   u"101=Hold to record"_s,
                                   u"102=Release to stop"_s,
                                   u"103=All lines of"_s};
        Media::SetMediaPlayerFactory([this](QWidget *) { return std::make_unique<TPlayer>(log); });
        Media::SetRecorderFactory([this] { return std::make_unique<TMicrophone>(log); });
        sounds = std::make_unique<TSounds>(log);
        Media::SetSoundService(sounds.get());
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
    }
    void cleanup()
    {
        // A screen's tooltip window goes with it: free the screens one by one, watching each.
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows << w;
        for (const QPointer<QWidget> &w : std::as_const(windows)) {
            if (w && qobject_cast<TExerciseScreen *>(w.data()))
                delete w.data();
        }
        world.reset();
        frmMedia = nullptr;
        media.reset();
        Media::SetSoundService(nullptr);
        Media::SetMediaPlayerFactory({});
        Media::SetRecorderFactory({});
        Utils::InterfaceTexts().clear();
    }

    // Press and hold the microphone, let go elsewhere: the line's recording is there, drawn,
    // hinted and played by its content; closing keeps it (archiving on) and the next visit
    // shows and plays it as the kept one.
    void recordPlayKeepAndSeeAgain()
    {
        world->Host.Settings_.ArchiveRecordings = 1;
        TfrmDialogi_Prez *screen = openPresentation();
        QVERIFY(screen);
        QCOMPARE(screen->Lines()[0].Recording, u"cafe_01.mp3"_s);
        const QImage noRecording = iconOf(screen, 0, TPresentationZone::OwnRecording);
        const QImage micIdle = iconOf(screen, 0, TPresentationZone::Microphone);

        hover(screen, 0, TPresentationZone::Microphone);
        QCOMPARE(area(screen)->toolTip(), u"Hold to record"_s);
        press(screen, 0, TPresentationZone::Microphone);
        QCOMPARE(screen->RecordingLine(), 0);
        QVERIFY(screen->Lines()[0].IsRecording);
        QCOMPARE(log.Recordings, QStringList{u"start usr_cafe_01.mp3"_s});
        QVERIFY(iconOf(screen, 0, TPresentationZone::Microphone) != micIdle);
        hover(screen, 0, TPresentationZone::Microphone);
        QCOMPARE(area(screen)->toolTip(), u"Release to stop"_s);
        QTest::mouseRelease(area(screen), Qt::LeftButton, {}, QPoint(400, 500));
        QCOMPARE(log.Recordings.last(), u"save"_s);
        QCOMPARE(screen->RecordingLine(), -1);
        QVERIFY(screen->Lines()[0].HasOwnRecording);
        QVERIFY(!screen->Lines()[1].HasOwnRecording);
        QVERIFY(iconOf(screen, 0, TPresentationZone::OwnRecording) != noRecording);

        const Presentation::TLearnerRecording files = screen->LearnerFiles(0);
        QCOMPARE(files.Temporary, world->dir.filePath(u"Users/1_Media_temp/usr_cafe_01.mp3"_s));
        hover(screen, 0, TPresentationZone::OwnRecording);
        QCOMPARE(area(screen)->toolTip(), u"Play your recording"_s);
        click(screen, 0, TPresentationZone::OwnRecording);
        QCOMPARE(log.Sounds, QStringList{files.Temporary});
        // No kept recording yet: its place answers nothing.
        click(screen, 0, TPresentationZone::KeptRecording);
        QCOMPARE(log.Sounds.size(), 1);

        screen->close();
        QVERIFY(QFileInfo(files.Kept).isFile());
        QVERIFY(!QFileInfo::exists(files.Temporary));
        QCOMPARE(world->Errors, QStringList());

        screen = openPresentation();
        QVERIFY(screen->Lines()[0].HasArchivedRecording);
        QVERIFY(!screen->Lines()[0].HasOwnRecording);
        QVERIFY(!screen->Lines()[1].HasArchivedRecording);
        QVERIFY(iconOf(screen, 0, TPresentationZone::KeptRecording) !=
                iconOf(screen, 1, TPresentationZone::KeptRecording));
        hover(screen, 0, TPresentationZone::KeptRecording);
        QCOMPARE(area(screen)->toolTip(), u"Play your saved recording"_s);
        click(screen, 0, TPresentationZone::KeptRecording);
        QCOMPARE(log.Sounds.last(), files.Kept);
        Media::TWaveData wave;
        QFile kept(files.Kept);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(Media::ParseWave(kept.readAll(), wave));
        QCOMPARE(wave.Format, Media::RecordingFormat());
    }

    void archivingOffKeepsTheOlderRecording()
    {
        world->Host.Settings_.ArchiveRecordings = 0;
        TfrmDialogi_Prez *screen = openPresentation();
        const Presentation::TLearnerRecording files = screen->LearnerFiles(0);
        QDir().mkpath(QFileInfo(files.Kept).absolutePath());
        QFile older(files.Kept);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older");
        older.close();
        press(screen, 0, TPresentationZone::Microphone);
        QTest::mouseRelease(area(screen), Qt::LeftButton, {},
                            screen->ZonePoint(0, TPresentationZone::Microphone));
        QVERIFY(QFileInfo(files.Temporary).isFile());
        screen->close();
        QVERIFY(!QFileInfo::exists(files.Temporary));
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("older"));
    }

    // Closing under the held microphone keeps what was said; without a microphone no line
    // shows a recording that is not there.
    void closingWhileRecordingAndNoMicrophone()
    {
        world->Host.Settings_.ArchiveRecordings = 1;
        TfrmDialogi_Prez *screen = openPresentation();
        const Presentation::TLearnerRecording files = screen->LearnerFiles(2);
        press(screen, 2, TPresentationZone::Microphone);
        QVERIFY(screen->Lines()[2].IsRecording);
        screen->close();
        QVERIFY(!frmMedia->IsRecording());
        QVERIFY(QFileInfo(files.Kept).isFile());

        log.Microphone = false;
        screen = openPresentation();
        press(screen, 1, TPresentationZone::Microphone);
        QTest::mouseRelease(area(screen), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!screen->Lines()[1].IsRecording);
        QVERIFY(!screen->Lines()[1].HasOwnRecording);
    }

    // The speaker's picture queues every line of that speaker with pauses after it; the
    // play-all button shows "Stop" until the queue has played, and stops it when pressed.
    void speakerQueueAndPlayAll()
    {
        TfrmDialogi_Prez *screen = openPresentation();
        auto *playAll = screen->findChild<TVelResButton *>(u"btnMedia"_s);
        QCOMPARE(playAll->Caption(), u"Listen"_s);
        hover(screen, 1, TPresentationZone::Speaker);
        QCOMPARE(area(screen)->toolTip(), u"All lines of <B>B</B>"_s);
        click(screen, 1, TPresentationZone::Speaker);
        QCOMPARE(log.Opened, QStringList{u"cafe_02.mp3"_s});
        const QString silence = u"cisza.wav"_s;
        QStringList queued;
        for (const QString &path : frmMedia->Queue())
            queued << QFileInfo(QString(path).replace(u'\\', u'/')).fileName();
        QCOMPARE(queued, (QStringList{silence, silence, silence, u"cafe_03.mp3"_s, silence}));
        QCOMPARE(playAll->Caption(), u"Stop"_s);
        QCOMPARE(playAll->Tag(), 1);
        for (int i = 0; i < 6; ++i)
            log.End();
        QCOMPARE(playAll->Caption(), u"Listen"_s);
        QCOMPARE(playAll->Tag(), 0);

        log.Opened.clear();
        QTest::mouseClick(playAll, Qt::LeftButton);
        QCOMPARE(log.Opened, QStringList{u"cafe_01.mp3"_s});
        QCOMPARE(frmMedia->Queue().size(), 2);
        QCOMPARE(playAll->Caption(), u"Stop"_s);
        QTest::mouseClick(playAll, Qt::LeftButton);
        QCOMPARE(playAll->Caption(), u"Listen"_s);
        QVERIFY(!frmMedia->IsPlaying());

        log.Opened.clear();
        click(screen, 2, TPresentationZone::Text);
        QCOMPARE(log.Opened, QStringList{u"cafe_03.mp3"_s});
        hover(screen, 2, TPresentationZone::Text);
        QCOMPARE(area(screen)->toolTip(), QString());
        QCOMPARE(area(screen)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(world->Errors, QStringList());
    }

    void translationBubble_data()
    {
        QTest::addColumn<int>("translationLanguage");
        QTest::addColumn<QString>("shown");
        QTest::addRow("Polish") << 0 << u"Duża kawa."_s;
        QTest::addRow("no translations") << 255 << QString();
    }

    void translationBubble()
    {
        QFETCH(int, translationLanguage);
        QFETCH(QString, shown);
        world->Host.Settings_.TranslationLanguage = quint8(translationLanguage);
        TfrmDialogi_Prez *screen = openPresentation();
        TVelDymek *bubble = screen->Bubble();
        click(screen, 1, TPresentationZone::Text, Qt::RightButton);
        QCOMPARE(!bubble->isHidden(), !shown.isEmpty());
        if (shown.isEmpty())
            return;
        QCOMPARE(bubble->Text(), shown);
        // The same button again hides it; so does moving to another line.
        click(screen, 1, TPresentationZone::Text, Qt::RightButton);
        QVERIFY(bubble->isHidden());
        click(screen, 1, TPresentationZone::Text, Qt::RightButton);
        hover(screen, 2, TPresentationZone::Text);
        QVERIFY(bubble->isHidden());
        // A line without a translation shows no empty bubble.
        click(screen, 2, TPresentationZone::Text, Qt::RightButton);
        QVERIFY(bubble->isHidden());
    }

    void printsTheDialogueUnderThePackageTitle()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        Course::TElement package;
        package.Title = u"4=1=At the café"_s;
        world->Host.Package = &package;
        TPdfPrinter printer;
        printer.File = world->dir.filePath(u"print.pdf"_s);
        Reference::SetPrintService(&printer);
        TfrmDialogi_Prez *screen = openPresentation();
        QCOMPARE(screen->PrintedTitle(), u"At the café"_s);
        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btnDrukuj"_s), Qt::LeftButton);
        Reference::SetPrintService(nullptr);
        QCOMPARE(printer.Title, u"At the café"_s);
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {printer.File, u"-"_s});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const QString &expected : {u"At the café"_s, u"A: Hi there! What can I get you?"_s,
                                        u"Co podać?"_s, u"B: A large coffee, please."_s, u"Duża kawa."_s,
                                        u"B: And a cake."_s, u"Lernivo 6.0 Audivox"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" not in: "_s + text));
    }

    void longDialogueScrollsByRows()
    {
        QString lines;
        for (int i = 0; i < 30; ++i)
            lines += Line(1 + i % 2, u"cafe_01.mp3"_s, u"Line number %1."_s.arg(i + 1));
        TfrmDialogi_Prez *screen = openPresentation(Dialogue(11, lines));
        auto *bar = screen->findChild<TALScrollBar *>(u"ScrollBar"_s);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Max(), 8);
        const QRect before = screen->Lines()[5].Rect;
        screen->ScrollTo(1);
        QCOMPARE(screen->ScrollOffset(), 25);
        screen->AreaPicture();
        QCOMPARE(screen->Lines()[5].Rect, before.translated(0, -25));
        // Rows scrolled out of the area answer nothing.
        QTest::mouseClick(area(screen), Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(log.Opened, QStringList{u"cafe_01.mp3"_s});
    }

    void faultyFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("loadFault");
        QTest::addRow("not well-formed") << QByteArray("<cwiczenie><body>") << 0 << true;
        QTest::addRow("no kwestia") << Dialogue(11, {}) << 0 << true;
        QTest::addRow("no background at all: not a fault") << Cafe() << 3 << false;
    }

    void faultyFiles()
    {
        QFETCH(QByteArray, bytes);
        TfrmDialogi_Prez *screen = openPresentation(bytes);
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QTEST(int(screen->Lines().size()), "lines");
        QFETCH(bool, loadFault);
        QCOMPARE(world->Errors, loadFault
                                    ? QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (cafe.xml)"_s}
                                    : QStringList());
        QVERIFY(screen->BackgroundPath().isEmpty());
        QVERIFY(!screen->DialogueBackground().isNull());
        QTest::mouseClick(area(screen), Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btnMedia"_s), Qt::LeftButton);
    }

    void backgroundByTheFileName()
    {
        QImage own(1024, 718, QImage::Format_RGB32);
        own.fill(QColor(10, 200, 30));
        QVERIFY(own.save(world->dir.filePath(u"Gfx/Background_dial/cafe.bmp"_s)));
        QImage common(1024, 718, QImage::Format_RGB32);
        common.fill(QColor(200, 10, 30));
        QVERIFY(common.save(world->dir.filePath(u"Gfx/Background_dial/bg_dialog.bmp"_s)));
        TfrmDialogi_Prez *screen = openPresentation();
        QCOMPARE(QFileInfo(screen->BackgroundPath()).fileName(), u"cafe.bmp"_s);
        QCOMPARE(screen->AreaPicture().pixelColor(640, 540), QColor(10, 200, 30));
        TExerciseScreen *other = open(11, Cafe(), u"other.part.xml"_s);
        QCOMPARE(QFileInfo(static_cast<TDialogueScreen *>(other)->BackgroundPath()).fileName(),
                 u"bg_dialog.bmp"_s);
    }

    // The reading view: the generic speaker before every line, no gap marks, long lines
    // wrapped under their text; Escape does nothing, "Listen" plays the lines as written.
    void readingView()
    {
        auto *screen = qobject_cast<TfrmDialogi_Ukl *>(open(26, Cafe(26)));
        QVERIFY(screen);
        QCOMPARE(screen->Lines()[0].Text, u"Hi there! What can I get you?"_s);
        QVERIFY(screen->findChild<QLabel *>(u"IMG_Osoba_X"_s));
        screen->AreaPicture();
        const DialogueLayout::TReadingLayout &layout = screen->Layout();
        const int textStart = layout.Lines[1].Words.first().X;
        QVERIFY(textStart > layout.Lines[1].Speaker.right());
        QVERIFY(layout.Lines[1].Words.last().Y > layout.Lines[1].Words.first().Y);
        for (const DialogueLayout::TPlacedWord &word : layout.Lines[1].Words)
            QVERIFY(word.X >= textStart);
        QCOMPARE(layout.Lines[1].Speaker.left(), 8);

        QTest::keyClick(screen, Qt::Key_Escape);
        QVERIFY(screen->isVisible());
        QCOMPARE(world->Host.BackClicks, 0);

        auto *playAll = screen->findChild<TVelResButton *>(u"btnMedia"_s);
        QCOMPARE(playAll->Caption(), u"Listen!"_s);
        QTest::mouseClick(playAll, Qt::LeftButton);
        QCOMPARE(log.Opened, QStringList{u"cafe_01.wav"_s});
        QCOMPARE(playAll->Caption(), u"Stop"_s);
        QTRY_COMPARE(world->Host.Notices, QList<int>{8});
    }
};

QTEST_MAIN(DialogueScreens)
#include "tst_dialogue_screens.moc"
