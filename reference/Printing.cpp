#include "reference/Printing.h"

#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace Reference {

namespace {

IPrintService *installed = nullptr;

// Lays a copy of the document out on the printer's page (inside the margins) so that the
// margins are exactly the ones asked for, then prints the range.
void PrintOn(QPrinter &printer, const QTextDocument &document, int fromPage, int toPage, double marginMm)
{
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    std::unique_ptr<QTextDocument> copy = PrintCopy(document);
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QTextFrameFormat root = copy->rootFrame()->frameFormat();
    root.setMargin(0);
    copy->rootFrame()->setFrameFormat(root);
    const int from = std::max(1, fromPage);
    const int to = std::max(from, std::min(toPage, copy->pageCount()));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(from, to);
    copy->print(&printer);
}

QString SafeFileName(const QString &title)
{
    static const QRegularExpression unsafe(u"[\\\\/:*?\"<>|\\x00-\\x1f]+"_s);
    QString name = title;
    name.replace(unsafe, u" "_s);
    name = name.simplified();
    return name.isEmpty() ? u"Audivox"_s : name.left(80);
}

} // namespace

std::unique_ptr<QTextDocument> PrintCopy(const QTextDocument &document)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setBaseUrl(document.baseUrl());
    // A copy has neither the viewer that found the pictures nor their cache: each picture is
    // taken from the shown document, or read from its file beside the page, as the viewer does.
    QSet<QString> done;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (name.isEmpty() || done.contains(name))
                continue;
            done.insert(name);
            const QUrl url(name);
            QVariant picture = document.resource(QTextDocument::ImageResource, url);
            if (!picture.isValid() || (picture.canConvert<QImage>() && picture.value<QImage>().isNull())) {
                const QUrl resolved = document.baseUrl().resolved(url);
                const QImage file(resolved.isLocalFile() ? resolved.toLocalFile() : resolved.toString());
                picture = file.isNull() ? QVariant() : QVariant(file);
            }
            if (picture.isValid())
                copy->addResource(QTextDocument::ImageResource, url, picture);
        }
    }
    return copy;
}

SystemPrintService::SystemPrintService(QString pdfFolder) : PdfFolder(std::move(pdfFolder))
{
}

PrintOutcome SystemPrintService::PrintToPdf(QTextDocument &document, const QString &file, int fromPage,
                                            int toPage, double marginMm)
{
    PrintOutcome outcome;
    QDir().mkpath(QFileInfo(file).absolutePath());
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(file);
        printer.setDocName(QFileInfo(file).completeBaseName());
        PrintOn(printer, document, fromPage, toPage, marginMm);
    }
    if (QFileInfo(file).size() > 0) {
        outcome.Printed = true;
        outcome.PdfFile = file;
    } else {
        outcome.Error = u"Nie udało się zapisać pliku "_s + QDir::toNativeSeparators(file) + u'.';
    }
    return outcome;
}

PrintOutcome SystemPrintService::Print(QTextDocument &document, const QString &title, int fromPage,
                                       int toPage, double marginMm)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(title);
        PrintOn(printer, document, fromPage, toPage, marginMm);
        PrintOutcome outcome;
        outcome.Printed = printer.printerState() != QPrinter::Error;
        if (!outcome.Printed)
            outcome.Error = u"Drukarka "_s + info.printerName() + u" zgłosiła błąd."_s;
        return outcome;
    }
    QString folder = PdfFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH-mm-ss"_s);
    QString file = QDir(folder).filePath(SafeFileName(title) + u' ' + stamp + u".pdf"_s);
    for (int n = 2; QFileInfo::exists(file); ++n)
        file =
            QDir(folder).filePath(SafeFileName(title) + u' ' + stamp + u" (" + QString::number(n) + u").pdf");
    return PrintToPdf(document, file, fromPage, toPage, marginMm);
}

IPrintService &PrintService()
{
    static SystemPrintService system;
    return installed ? *installed : system;
}

void SetPrintService(IPrintService *service)
{
    installed = service;
}

void ReportPrintOutcome(const PrintOutcome &outcome)
{
    if (outcome.Printed && outcome.PdfFile.isEmpty())
        return;
    // A notice, captioned as the program's other notices are.
    const QString information = Utils::GetInterfaceText(59);
    const QString caption = information.isEmpty() ? u"Informacja"_s : information;
    if (outcome.Printed)
        ShowSkinnedMessage(u"Nie znaleziono drukarki, więc strona została zapisana jako dokument PDF:\n"_s +
                               QDir::toNativeSeparators(outcome.PdfFile),
                           caption, smInformation);
    else
        ShowSkinnedMessage(u"Nie udało się wydrukować strony. "_s + outcome.Error, caption, smInformation);
}

} // namespace Reference
