// The gap-typing screen with a fake host: opened through the dispatch, answered with the
// keyboard and the mouse, scrolled with the edit box following its gap, checked, its score
// read back from the learner's statistics file, the right answers with their hints, the mini
// dictionary, a right-click look-up and printing to PDF.

#include "ExerciseFixture.h"

#include "exercises/words/uFrmWpisywanie.h"
#include "exercises/words/ufrmMiniSlownik.h"
#include "reference/Printing.h"
#include "reference/uSlownik.h"
#include "skin/ALScrollBar.h"
#include "skin/VelDialogWindow.h"

#include <QLineEdit>
#include <QProcess>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

QByteArray GapFile(const QString &tresc, const QString &phrases = QString())
{
    const QString dictionary =
        phrases.isEmpty() ? QString() : u"<minislownik>"_s + phrases.toHtmlEscaped() + u"</minislownik>"_s;
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>4</typ_cw><grupa>1</grupa>"
            u"<poziom>1</poziom><multimedia></multimedia></config><body>"
            u"<polecenie id=\"1\">Fill in the gaps.</polecenie><polecenie id=\"0\">Uzupełnij luki.</polecenie>"_s +
            dictionary + u"<tresc>"_s + tresc.toHtmlEscaped() + u"</tresc></body></cwiczenie>"_s)
        .toUtf8();
}

// Four gaps; the last one far below the first screenful, so reaching it scrolls.
QString LongText()
{
    QString text = u"Żaneta <is/'s> at <two words> . <BR>"_s;
    for (int i = 0; i < 30; ++i)
        text += u" Line %1 of the story. <BR>"_s.arg(i);
    return text + u" The <end> of the story <here> ."_s;
}

// Writes a PDF of every print into a folder.
class PdfPrinter : public Reference::IPrintService
{
public:
    explicit PdfPrinter(QString folder) : Folder(std::move(folder)) {}
    Reference::PrintOutcome Print(QTextDocument &document, const QString &, int fromPage, int toPage,
                                  double marginMm) override
    {
        ++Prints;
        return Reference::SystemPrintService::PrintToPdf(document, Folder + u"/print%1.pdf"_s.arg(Prints),
                                                         fromPage, toPage, marginMm);
    }
    QString Folder;
    int Prints = 0;
};

QString PdfText(const QString &file)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s});
    if (!pdftotext.waitForStarted() || !pdftotext.waitForFinished())
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

class FrmWpisywanieTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;

    TfrmWpisywanie *open(const QByteArray &bytes)
    {
        const QString path = world->WriteExercise(u"luki.xml"_s, bytes, 4);
        auto *screen = qobject_cast<TfrmWpisywanie *>(world->Open(4, path));
        if (screen) {
            screen->activateWindow();
            if (!QTest::qWaitForWindowActive(screen))
                qWarning("the screen did not become the active window");
        }
        return screen;
    }
    static QLineEdit *edit(TfrmWpisywanie *screen) { return screen->findChild<QLineEdit *>(u"Edit1"_s); }
    static QWidget *obszar(TfrmWpisywanie *screen) { return screen->findChild<QWidget *>(u"Obszar"_s); }
    static TVelResButton *button(TfrmWpisywanie *screen, const QString &name)
    {
        return screen->findChild<TVelResButton *>(name);
    }
    static QString typed(TfrmWpisywanie *screen, int gap)
    {
        return screen->Text().Words()[screen->Text().Gaps()[gap]].Typed;
    }
    // The edit box lies over the field of the gap being edited, inside the text area.
    static void verifyBoxOverGap(TfrmWpisywanie *screen)
    {
        QLineEdit *box = edit(screen);
        QVERIFY(box->isVisible());
        const QRect field = screen->GapRect(screen->Text().EditIndex());
        QCOMPARE(box->pos(), field.topLeft());
        QVERIFY(box->y() >= 0 && box->geometry().bottom() < obszar(screen)->height());
    }

private slots:
    void initTestCase() { TExerciseFixture::LoadSkin(); }
    void init()
    {
        world = std::make_unique<TExerciseFixture>();
        Utils::InterfaceTexts() = {u"1=Twoja odpowiedź:"_s, u"2=brak odpowiedzi"_s, u"77=Przydatne zwroty"_s};
    }
    void cleanup()
    {
        world.reset();
        Utils::InterfaceTexts().clear();
    }

    void typesChecksAndRecords()
    {
        world->Host.Settings_.MatchCase = 0;
        TfrmWpisywanie *screen = open(GapFile(LongText()));
        QVERIFY(screen);
        QVERIFY2(world->Errors.isEmpty(), qPrintable(world->Errors.join(u'\n')));
        const QList<int> gaps = screen->Text().Gaps();
        QCOMPARE(gaps.size(), 4);
        QVERIFY(screen->findChild<TALScrollBar *>(u"ScrollBar"_s)->isVisible());
        // At opening the edit position is on the first gap, the box still hidden.
        QCOMPARE(screen->Text().EditIndex(), gaps[0]);
        QVERIFY(!edit(screen)->isVisible());

        // Tab starts there; Enter and Tab keep the answer and go on to the next empty gap.
        QTest::keyClick(screen, Qt::Key_Tab);
        QCOMPARE(screen->Text().EditIndex(), gaps[0]);
        verifyBoxOverGap(screen);
        QVERIFY(edit(screen)->hasFocus());
        QTest::keyClicks(edit(screen), u"'s"_s);
        QTest::keyClick(edit(screen), Qt::Key_Return);
        QCOMPARE(typed(screen, 0), u"'s"_s);
        QCOMPARE(screen->Text().EditIndex(), gaps[1]);
        QTest::keyClicks(edit(screen), u"  two   words "_s);
        QTest::keyClick(edit(screen), Qt::Key_Tab);
        QCOMPARE(typed(screen, 1), u"two words"_s);

        // The third gap lies below the area: the text scrolls until the box is seen whole.
        QCOMPARE(screen->Text().EditIndex(), gaps[2]);
        QVERIFY(screen->ScrollOffset() > 0);
        QCOMPARE(screen->ScrollOffset() % screen->LineHeight(), 0);
        verifyBoxOverGap(screen);
        QTest::keyClicks(edit(screen), u"END"_s);
        // Scrolling a line up and down with the wheel: the box goes with its gap.
        const int before = edit(screen)->y();
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(50, 50), obszar(screen)->mapToGlobal(QPointF(50, 50)), {},
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(obszar(screen), &event);
        };
        wheel(120);
        QCOMPARE(edit(screen)->y(), before + screen->LineHeight());
        wheel(-120);
        QCOMPARE(edit(screen)->y(), before);
        verifyBoxOverGap(screen);
        QCOMPARE(edit(screen)->text(), u"END"_s);
        QTest::keyClick(edit(screen), Qt::Key_Return);
        QCOMPARE(typed(screen, 2), u"END"_s);
        // The last gap is left empty.
        QCOMPARE(screen->Text().EditIndex(), gaps[3]);

        // Check: "END" counts with case ignored, the empty gap is wrong: 75.
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QVERIFY(!edit(screen)->isVisible());
        auto *panel = screen->findChild<TVelProgress *>(u"Panel_Wynik"_s);
        QVERIFY(panel->isVisibleTo(screen));
        QCOMPARE(panel->Wynik(), 75);
        QCOMPARE(world->Host.ScoresRecorded, 1);
        const TExerciseFixture::Record record = world->ReadRecord(u"luki.xml"_s, 4);
        QVERIFY(record.Found);
        QCOMPARE(record.Postep, u"75"_s);
        QVERIFY(button(screen, u"btnPopraw"_s)->isVisibleTo(screen));

        // After the check no key or click edits an answer.
        QTest::keyClick(screen, Qt::Key_Tab);
        QCOMPARE(screen->Text().EditIndex(), -1);
        screen->EditGap(gaps[3]);
        QVERIFY(!edit(screen)->isVisible());
        QCOMPARE(typed(screen, 0), u"'s"_s);

        // The right answers: the panel stays, the wrong gap's mark tells what was typed.
        QTest::mouseClick(button(screen, u"btnPopraw"_s), Qt::LeftButton);
        QVERIFY(screen->Text().ShowsRightAnswers());
        QVERIFY(panel->isVisibleTo(screen));
        QVERIFY(!button(screen, u"btnPopraw"_s)->isVisibleTo(screen));
        obszar(screen)->grab();
        screen->ScrollTo(1000);
        const QRect mark = screen->GapRect(gaps[3]);
        QVERIFY(!mark.isEmpty());
        QTest::mouseMove(obszar(screen), mark.center());
        QCOMPARE(obszar(screen)->toolTip(), u"<B>brak odpowiedzi</B>"_s);
        QCOMPARE(obszar(screen)->cursor().shape(), Qt::PointingHandCursor);
        QTest::keyClick(screen, Qt::Key_Tab);
        QVERIFY(!edit(screen)->isVisible());

        // Again: the same text afresh, nothing recorded twice.
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QVERIFY(!panel->isVisibleTo(screen));
        QCOMPARE(typed(screen, 0), QString());
        QCOMPARE(screen->ScrollOffset(), 0);
        QCOMPARE(world->Host.ScoresRecorded, 1);
    }

    void mouseEditsAndLeavingKeeps()
    {
        world->Host.Settings_.MatchCase = 1;
        world->Host.Settings_.UsePunctuation = 1;
        TfrmWpisywanie *screen = open(GapFile(u"I <am> here, <Yes> ."_s));
        QVERIFY(screen);
        obszar(screen)->grab();
        const QList<int> gaps = screen->Text().Gaps();
        QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, screen->GapRect(gaps[1]).center());
        QCOMPARE(screen->Text().EditIndex(), gaps[1]);
        verifyBoxOverGap(screen);
        QTest::keyClicks(edit(screen), u"yes."_s);
        // A click on the text beside the gaps keeps the answer and closes the box.
        QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, QPoint(2, 100));
        QVERIFY(!edit(screen)->isVisible());
        QCOMPARE(typed(screen, 1), u"yes."_s);
        // Clicking the answer opens it again with its text selected.
        obszar(screen)->grab();
        QTest::mouseClick(obszar(screen), Qt::LeftButton, {}, screen->GapRect(gaps[1]).center());
        QCOMPARE(edit(screen)->selectedText(), u"yes."_s);
        QCOMPARE(typed(screen, 1), QString()); // the field shows under the box meanwhile
        QTest::keyClicks(edit(screen), u"Yes"_s);
        screen->EditGap(gaps[0]);
        QTest::keyClicks(edit(screen), u"am"_s);
        // The check takes what is in the box; case and punctuation count for this learner.
        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QCOMPARE(typed(screen, 0), u"am"_s);
        QCOMPARE(screen->findChild<TVelProgress *>(u"Panel_Wynik"_s)->Wynik(), 100);
        QVERIFY(!button(screen, u"btnPopraw"_s)->isVisibleTo(screen));

        // A text without gaps shows no score and records nothing.
        TfrmWpisywanie *empty = open(GapFile(u"Nothing to fill in."_s));
        QTest::mouseClick(button(empty, u"btnSpr"_s), Qt::LeftButton);
        QVERIFY(!empty->findChild<TVelProgress *>(u"Panel_Wynik"_s)->isVisibleTo(empty));
        QCOMPARE(world->Host.ScoresRecorded, 1);
        QVERIFY(!button(empty, u"btnZwroty"_s)->isVisibleTo(empty));
    }

    void miniDictionaryAndLookUp()
    {
        TfrmWpisywanie *screen = open(GapFile(
            u"A <return> ticket."_s, u"<B>a return ticket</B> – bilet w obie strony <BR> <B>platform</B> – "
                                     u"peron, miejsce, z którego odjeżdża pociąg i na które przyjeżdża"_s));
        QVERIFY(screen);
        QVERIFY(button(screen, u"btnZwroty"_s)->isVisibleTo(screen));

        // The phrases open in a modal window over the screen, closed by its button.
        QStringList seen;
        QSize size;
        QTimer::singleShot(0, screen, [&] {
            auto *window = qobject_cast<TfrmMiniSlownik *>(QApplication::activeModalWidget());
            if (!window)
                return;
            size = window->size();
            seen << window->findChild<TVelDialogWindow *>(u"DialogWindow"_s)->Caption();
            for (const FlowText::Word &w : window->LayOut().Words)
                seen << w.Text;
            QTest::mouseClick(window->findChild<QAbstractButton *>(u"VelResButton1"_s), Qt::LeftButton);
        });
        QTest::mouseClick(button(screen, u"btnZwroty"_s), Qt::LeftButton);
        QCOMPARE(size, QSize(440, 259));
        QVERIFY(seen.size() > 3);
        QCOMPARE(seen.first(), u"Przydatne zwroty"_s);
        QCOMPARE(seen.mid(1, 4), (QStringList{u"a"_s, u"return"_s, u"ticket"_s, u"–"_s}));
        QVERIFY(!QApplication::activeModalWidget());

        // A right-button press on a word of the text looks it up.
        TfrmSlownik dictionary;
        frmSlownik = &dictionary;
        obszar(screen)->grab();
        const TSlowko word = screen->WordPositions().Items().first();
        QCOMPARE(word.Word, u"A"_s);
        QTest::mouseClick(obszar(screen), Qt::RightButton, {}, word.Rect.center());
        QVERIFY(dictionary.isVisible());
        frmSlownik = nullptr;
    }

    void printsBlanksThenAnswers()
    {
        QTemporaryDir pdfs;
        PdfPrinter printer(pdfs.path());
        Reference::SetPrintService(&printer);
        Course::TElement package;
        package.Title = u"4=1=Zakupy w Łodzi"_s;
        world->Host.Package = &package;
        TfrmWpisywanie *screen = open(GapFile(u"<B>Żółw</B> is <in/at> the shop , 1 < 2"_s));
        QVERIFY(screen);
        QCOMPARE(screen->PrintHeading(), u"Zakupy w Łodzi"_s);

        QTest::mouseClick(button(screen, u"btnDrukuj"_s), Qt::LeftButton);
        QCOMPARE(printer.Prints, 1);
        QString text = PdfText(printer.Folder + u"/print1.pdf"_s);
        if (text.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains(u"Zakupy w Łodzi"_s), qPrintable(text));
        QVERIFY2(text.contains(u"Żółw is __________ the shop, 1 < 2"_s), qPrintable(text));
        QVERIFY(text.contains(u"Lernivo 6.0 Audivox"_s));

        QTest::mouseClick(button(screen, u"btnSpr"_s), Qt::LeftButton);
        QTest::mouseClick(button(screen, u"btnDrukuj"_s), Qt::LeftButton);
        text = PdfText(printer.Folder + u"/print2.pdf"_s);
        QVERIFY2(text.contains(u"Żółw is in/at the shop, 1 < 2"_s), qPrintable(text));
        Reference::SetPrintService(nullptr);
        world->Host.Package = nullptr;
    }
};

QTEST_MAIN(FrmWpisywanieTest)
#include "tst_frmwpisywanie.moc"
