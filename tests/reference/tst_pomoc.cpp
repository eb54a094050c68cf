// The help window and printing: page history, contents, decoding, missing pages, owners, print.

#include "learner/LearnerSession.h"
#include "reference/HelpPage.h"
#include "reference/Printing.h"
#include "reference/uFrmPomoc.h"
#include "skin/VelBelka.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPrinterInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

class RecordingPrinter : public Reference::IPrintService
{
public:
    Reference::PrintOutcome Print(QTextDocument &document, const QString &title, int fromPage, int toPage,
                                  double marginMm) override
    {
        Text = document.toPlainText();
        Title = title;
        From = fromPage;
        To = toPage;
        Margin = marginMm;
        ++Calls;
        Reference::PrintOutcome done;
        done.Printed = true;
        return done;
    }
    QString Text, Title;
    int From = -1, To = -1, Calls = 0;
    double Margin = 0;
};

void WritePage(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Page(const QString &title, const QString &links)
{
    return Utils::ToCp1250(u"<html><body><h1>"_s + title + u"</h1>"_s + links + u"</body></html>"_s);
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir program;
    RecordingPrinter printer;

    QTextBrowser *viewer(TfrmPomoc *help) const { return help->findChild<QTextBrowser *>(u"HTML"_s); }
    QAbstractButton *button(TfrmPomoc *help, const QString &name) const
    {
        return help->findChild<QAbstractButton *>(name);
    }
    static QString Name(const QString &path) { return QFileInfo(path).fileName(); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallSkinFonts();
        const QString help = program.filePath(u"Pomoc"_s);
        QVERIFY(QDir().mkpath(help + u"/img"_s));
        WritePage(help + u"/h_index.html"_s, Page(u"Spis treści"_s, u"<a href=\"h_a.html\">A</a>"_s));
        WritePage(help + u"/h_a.html"_s, Page(u"Zażółć gęślą jaźń"_s, u"<a href=\"h_b.html\">B</a>"_s));
        WritePage(help + u"/h_b.html"_s, Page(u"Strona B"_s, QString()));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(help + u"/img/pic.png"_s));
        WritePage(help + u"/h_pic.html"_s, Page(u"Obraz"_s, u"<p><img src=\"img/pic.png\"></p>"_s));
        WritePage(help + u"/h_utf.html"_s,
                  u"<html><head><meta charset=\"utf-8\"></head><body>Źdźbło</body></html>"_s.toUtf8());
        Utils::SetProgramFolder(program.path());
        Reference::SetPrintService(&printer);
    }

    void cleanupTestCase() { Reference::SetPrintService(nullptr); }

    void historyAndBack()
    {
        TfrmPomoc *help = OpenHelp(u"h_index.html"_s, false, nullptr);
        QPointer<TfrmPomoc> guard(help);
        QCOMPARE(help->size(), QSize(1024, 768));
        QCOMPARE(viewer(help)->geometry(), QRect(156, 74, 741, 671));
        QVERIFY(!button(help, u"btnWroc"_s)->isVisible());
        QCOMPARE(help->History().size(), 1);
        QCOMPARE(help->History().first(), program.filePath(u"Pomoc/h_index.html"_s));

        // Links reach the history through the viewer's own click signal.
        emit viewer(help)->anchorClicked(QUrl(u"h_a.html"_s));
        emit viewer(help)->anchorClicked(QUrl(u"h_b.html"_s));
        QCOMPARE(help->HistoryIndex(), 2);
        QCOMPARE(Name(help->CurrentPage()), u"h_b.html"_s);
        QVERIFY(button(help, u"btnWroc"_s)->isVisible());

        // Contents shows the index but leaves the history alone.
        QTest::mouseClick(button(help, u"btnSpis"_s), Qt::LeftButton);
        QCOMPARE(Name(help->CurrentPage()), u"h_index.html"_s);
        QCOMPARE(help->History().size(), 3);

        QTest::mouseClick(button(help, u"btnWroc"_s), Qt::LeftButton);
        QCOMPARE(Name(help->CurrentPage()), u"h_a.html"_s);
        QVERIFY(viewer(help)->toPlainText().contains(u"Zażółć gęślą jaźń"_s));
        QTest::mouseClick(button(help, u"btnWroc"_s), Qt::LeftButton);
        QCOMPARE(Name(help->CurrentPage()), u"h_index.html"_s);
        QCOMPARE(help->History().size(), 1);
        QVERIFY(!button(help, u"btnWroc"_s)->isVisible());
        help->btnWrocClick(); // nothing left to go back to
        QCOMPARE(help->HistoryIndex(), 0);
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
    }

    void pageDecoding()
    {
        TfrmPomoc *help = OpenHelp(u"h_a.html"_s, false, nullptr);
        // No character set named: Windows-1250, not the viewer's UTF-8.
        QVERIFY(viewer(help)->toPlainText().contains(u"Zażółć gęślą jaźń"_s));
        help->HTMLHotSpotClick(u"h_utf.html"_s);
        QVERIFY(viewer(help)->toPlainText().contains(u"Źdźbło"_s));
        help->close();
    }

    void missingPage()
    {
        TfrmPomoc *help = OpenHelp(u"h_index.html"_s, false, nullptr);
        help->HTMLHotSpotClick(u"h_none.html"_s);
        QCOMPARE(help->History().size(), 2);
        QVERIFY(viewer(help)->toPlainText().contains(u"Nie znaleziono strony pomocy"_s));
        QVERIFY(viewer(help)->toHtml().contains(u"h_index.html"_s));
        help->close();
    }

    void closingShowsOwner()
    {
        QWidget owner;
        owner.setObjectName(u"frmTest"_s);
        owner.show();
        TfrmPomoc *help = OpenHelp(u"h_index.html"_s, true, &owner);
        owner.hide();
        QCOMPARE(help->Owner(), &owner);
        QTest::mouseClick(button(help, u"btnBelkaWroc"_s), Qt::LeftButton);
        QVERIFY(owner.isVisible());
    }

    // Help outlives whatever it was opened from: a dialog that ended and was freed, a screen
    // freed by the host; "Wróć" then closes help alone.
    void ownerGoneFirst_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addRow("dialog") << true;
        QTest::addRow("screen") << false;
    }

    void ownerGoneFirst()
    {
        QFETCH(bool, dialog);
        QWidget *owner = dialog ? new QDialog : new QWidget;
        owner->show();
        QPointer<TfrmPomoc> help = OpenHelp(u"h_index.html"_s, true, owner);
        delete owner;
        QVERIFY(help);
        QCOMPARE(help->Owner(), nullptr);
        QTest::mouseClick(button(help, u"btnBelkaWroc"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help);
    }

    // F1 in a running modal dialog: help's buttons work above it, and help survives the dialog
    // ending before it.
    void helpAboveModalDialog()
    {
        auto *dialog = new QDialog;
        QPointer<TfrmPomoc> help;
        QString pageWhileModal;
        QWidget *takingInput = nullptr;
        QTimer::singleShot(0, dialog, [&] {
            help = OpenHelp(u"h_a.html"_s, false, dialog);
            // The window the modal dialog does not block: help, not the dialog behind it.
            takingInput = QApplication::activeModalWidget();
            QTest::mouseClick(button(help, u"btnSpis"_s), Qt::LeftButton);
            pageWhileModal = Name(help->CurrentPage());
            dialog->reject();
        });
        dialog->exec();
        QCOMPARE(takingInput, help.data());
        QCOMPARE(pageWhileModal, u"h_index.html"_s);
        delete dialog;
        QVERIFY(help);
        QTest::mouseClick(button(help, u"btnBelkaWroc"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help);
    }

    // The title bar shows the session's learner, whatever the owner is; before a login (the
    // password prompt) or without learner mode it shows none.
    void learnerFromTheSession_data()
    {
        QTest::addColumn<bool>("learnerMode");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("shown");
        QTest::addRow("logged in") << true << true << true;
        QTest::addRow("nobody logged in yet") << true << false << false;
        QTest::addRow("page without learner") << false << true << false;
    }

    void learnerFromTheSession()
    {
        QFETCH(bool, learnerMode);
        QFETCH(bool, loggedIn);
        Learner::TLearnerSession session;
        session.User.Name = u"Ola"_s;
        session.User.Gender = u"K"_s;
        session.User.Figure = 13;
        session.LoggedIn = loggedIn;
        SetHelpSession(&session);
        QDialog owner; // dialogs have no title bar of their own
        TfrmPomoc *help = OpenHelp(u"h_index.html"_s, learnerMode, &owner);
        SetHelpSession(nullptr);
        const auto *bar = help->findChild<TVelBelka *>(u"Belka"_s);
        QTEST(bar->PokazZalogowanie(), "shown");
        if (bar->PokazZalogowanie()) {
            QCOMPARE(bar->Zalogowany(), u"Ola"_s);
            QCOMPARE(bar->Plec(), QChar(u'K'));
            QCOMPARE(bar->LudzikIndex(), 13);
        }
        help->close();
    }

    void printsShownPage()
    {
        TfrmPomoc *help = OpenHelp(u"h_a.html"_s, false, nullptr);
        printer.Calls = 0;
        QTest::mouseClick(button(help, u"btnDrukuj"_s), Qt::LeftButton);
        QCOMPARE(printer.Calls, 1);
        QVERIFY(printer.Text.contains(u"Zażółć"_s));
        QCOMPARE(printer.From, 1);
        QCOMPARE(printer.To, 999);
        QCOMPARE(printer.Margin, 20.0);
        help->close();
    }

    // What goes to the printer carries the page's pictures, found as the viewer finds them,
    // never the 16 x 16 "missing picture" mark; on paper as in a PDF.
    void printedPagesKeepTheirPictures_data()
    {
        QTest::addColumn<bool>("viewer");
        QTest::addRow("help window") << true;
        QTest::addRow("print component") << false;
    }

    void printedPagesKeepTheirPictures()
    {
        QFETCH(bool, viewer);
        const QString page = program.filePath(u"Pomoc/h_pic.html"_s);
        TfrmPomoc *help = nullptr;
        QTextDocument *document = nullptr;
        if (viewer) {
            help = OpenHelp(u"h_pic.html"_s, false, nullptr);
            document = this->viewer(help)->document();
        } else {
            QVERIFY(PrinterHTML().LoadFromFile(page));
            document = &PrinterHTML().Document();
        }
        const std::unique_ptr<QTextDocument> copy = Reference::PrintCopy(*document);
        const QImage printed =
            copy->resource(QTextDocument::ImageResource, QUrl(u"img/pic.png"_s)).value<QImage>();
        QCOMPARE(printed.size(), QSize(40, 30));

        QTemporaryDir out;
        const Reference::PrintOutcome pdf =
            Reference::SystemPrintService::PrintToPdf(*document, out.filePath(u"p.pdf"_s), 1, 999, 20.0);
        QVERIFY(pdf.Printed);
        if (help)
            help->close();
        QProcess images;
        images.start(u"pdfimages"_s, {u"-list"_s, pdf.PdfFile});
        if (!images.waitForStarted())
            QSKIP("pdfimages (poppler-utils) is not installed");
        QVERIFY(images.waitForFinished());
        // "page num type width height ...": the one picture of the page, 40 x 30.
        const QStringList rows =
            QString::fromUtf8(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        const QStringList columns = rows.at(2).simplified().split(u' ');
        QCOMPARE(columns.mid(3, 2), (QStringList{u"40"_s, u"30"_s}));
    }

    void printerHtml()
    {
        // As the exercises build it: ISO-8859-2 declared (with stray quotes), letters as entities.
        const QByteArray page = "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=\"ISO-8859-2\"></head><H2>Pi\xf3ro &#261;</h2></HTML>";
        QCOMPARE(Reference::DeclaredCharset(page), QByteArray("ISO-8859-2"));
        PrinterHTML().Clear();
        PrinterHTML().LoadFromString(page);
        printer.Calls = 0;
        QVERIFY(PrinterHTML().Print(0, 40));
        QCOMPARE(printer.Calls, 1);
        QVERIFY(printer.Text.contains(u"Pióro ą"_s));
        QCOMPARE(printer.From, 1); // page 0 is the first page
        QCOMPARE(printer.To, 40);
        PrinterHTML().Clear();
        QVERIFY(PrinterHTML().Document().isEmpty());
    }

    void charsets_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<QString>("text");
        QTest::addRow("none: Windows-1250") << QByteArray("<p>\xb9\x9c\xbf</p>") << QByteArray() << u"ąśż"_s;
        QTest::addRow("html5 meta") << QByteArray("<meta charset='utf-8'><p>\xc4\x85</p>")
                                    << QByteArray("utf-8") << u"ą"_s;
        QTest::addRow("unknown name falls back")
            << QByteArray("<meta charset=x-none><p>\xb9</p>") << QByteArray("x-none") << u"ą"_s;
        QTest::addRow("utf-8 byte order mark")
            << QByteArray("\xef\xbb\xbf<p>\xc5\x82</p>") << QByteArray() << u"ł"_s;
    }

    void charsets()
    {
        QFETCH(QByteArray, html);
        QTEST(Reference::DeclaredCharset(html), "charset");
        QFETCH(QString, text);
        QVERIFY(Reference::DecodeHtmlPage(html).contains(text));
    }

    void missingPicturesAreDropped()
    {
        const QString folder = program.filePath(u"Pomoc"_s);
        QImage(4, 4, QImage::Format_RGB32).save(folder + u"/img/there.png"_s);
        const QString html = u"a<!--shot--><img src=\"img/there.png\"><i>one</i><!--/shot-->b"
                             u"<!--shot--><img src=\"img/gone.png\"><i>two</i><!--/shot-->c"_s;
        QCOMPARE(Reference::DropMissingPictures(html, folder), u"a<img src=\"img/there.png\"><i>one</i>bc"_s);
    }

    void pdfWhenNoPrinter()
    {
        QTemporaryDir documents;
        QTextDocument doc;
        doc.setHtml(u"<h1>Dzień dobry</h1><p>Audivox drukuje stronę.</p>"_s);
        const Reference::PrintOutcome out =
            Reference::SystemPrintService::PrintToPdf(doc, documents.filePath(u"strona.pdf"_s), 1, 999, 20.0);
        QVERIFY2(out.Printed, qPrintable(out.Error));
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, out.PdfFile, u"-"_s});
        if (!pdftotext.waitForStarted())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(u"Dzień dobry"_s), qPrintable(text));
        QVERIFY(text.contains(u"Audivox drukuje stronę."_s));

        // With no printer the service writes the PDF where it is told and the learner hears of it.
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QStringList told;
        QStringList captions;
        SetSkinnedMessageHook([&](const QString &message, const QString &caption, int) {
            told << message;
            captions << caption;
            return 1;
        });
        Reference::SystemPrintService service(documents.path());
        const Reference::PrintOutcome pdf = service.Print(doc, u"Strona: próba"_s, 1, 999, 20.0);
        Reference::ReportPrintOutcome(pdf);
        SetSkinnedMessageHook({});
        QVERIFY(pdf.Printed);
        QVERIFY(QFileInfo(pdf.PdfFile).absolutePath() == QFileInfo(documents.path()).absoluteFilePath());
        QVERIFY(QFileInfo(pdf.PdfFile).fileName().startsWith(u"Strona próba"_s));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(QDir::toNativeSeparators(pdf.PdfFile)));
        // A notice, captioned as the other notices (text 59; its wording when texts are missing).
        QCOMPARE(captions, QStringList{u"Informacja"_s});
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_pomoc.moc"
