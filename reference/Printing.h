#pragma once
// Printing of HTML pages. The program prints on the default (CUPS) printer; a machine with no
// printer gets a PDF in the learner's documents folder. Tests install their own service.

#include <QString>

#include <memory>

class QTextDocument;

namespace Reference {

struct PrintOutcome
{
    bool Printed = false; // false: nothing came out (the error says why)
    QString PdfFile;      // set when the page went to a PDF instead of a printer
    QString Error;
};

class IPrintService
{
public:
    virtual ~IPrintService() = default;
    // Prints pages fromPage … toPage (1-based, clamped to the document) with margins in mm.
    virtual PrintOutcome Print(QTextDocument &document, const QString &title, int fromPage, int toPage,
                               double marginMm) = 0;
};

// QPrinter on the default printer, or a PDF in folder (the documents folder when empty).
class SystemPrintService : public IPrintService
{
public:
    explicit SystemPrintService(QString pdfFolder = {});
    PrintOutcome Print(QTextDocument &document, const QString &title, int fromPage, int toPage,
                       double marginMm) override;
    // Writes the document as a PDF file, pages fromPage … toPage.
    static PrintOutcome PrintToPdf(QTextDocument &document, const QString &file, int fromPage, int toPage,
                                   double marginMm);

private:
    QString PdfFolder;
};

// The copy of document that is laid out on the printer's pages, with the document's pictures:
// those it shows, or else their files resolved beside the page as the viewer resolves them.
std::unique_ptr<QTextDocument> PrintCopy(const QTextDocument &document);

// The service in use (the system one until another is installed).
IPrintService &PrintService();
// Installs a service (not owned); nullptr restores the system one.
void SetPrintService(IPrintService *service);

// Tells the learner what became of a print: nothing when printed, where the PDF is, or why
// nothing came out (skinned information box).
void ReportPrintOutcome(const PrintOutcome &outcome);

} // namespace Reference
