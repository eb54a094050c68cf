#pragma once
// The full-screen help window with its link history, and the HTML print component the
// exercise host lends to the screens that print.

#include <QByteArray>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>

class QTextBrowser;
class QTextDocument;
class QUrl;
namespace Learner {
struct TLearnerSession;
}

// The print component (the host's PrinterHTML): loads a page and prints it on the default
// printer with margins of 2 cm; a page range starting below 1 starts at the first page.
class TPrinterHTML : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPrinterHTML)

public:
    explicit TPrinterHTML(QObject *parent = nullptr);
    ~TPrinterHTML() override;

    void Clear();
    // An 8-bit page: its own character set when it names one, Windows-1250 otherwise.
    void LoadFromString(const QByteArray &html);
    bool LoadFromFile(const QString &path);
    // Prints and tells the learner where the page went when no printer exists; true when a
    // page came out (on paper or as a PDF).
    bool Print(int fromPage, int toPage);

    QTextDocument &Document() const { return *Doc; }
    QString Title;

private:
    QTextDocument *Doc;
};

// The program-wide print component (created on first use).
TPrinterHTML &PrinterHTML();

class TfrmPomoc : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmPomoc)

public:
    explicit TfrmPomoc(QWidget *parent = nullptr);
    ~TfrmPomoc() override;

    // Page history as full paths; the first entry is the page the window was opened with.
    const QStringList &History() const { return HistoryList; }
    int HistoryIndex() const { return Index; }
    QString CurrentPage() const { return ShownPage; }
    // The screen or dialog help was opened from; null once it has gone.
    QWidget *Owner() const { return OwnerScreen; }

    // Opens page (a file name in "Pomoc"). In learner mode the title bar shows the learner of
    // session while one is logged in; the owner is shown again when help closes, if it still
    // exists.
    void Start(const QString &page, bool learnerMode, QWidget *owner,
               const Learner::TLearnerSession *session = nullptr);
    // What the viewer's link click does: target relative to the help folder.
    void HTMLHotSpotClick(const QString &target);
    void btnWrocClick();
    void btnSpisClick();
    void btnDrukujClick();
    void btnBelkaWrocClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LoadPage(const QString &path);
    void AnchorClicked(const QUrl &url);

    QStringList HistoryList;
    int Index = 0;
    QString ShownPage;
    QPointer<QWidget> OwnerScreen;
    bool LearnerMode = false;
    struct Controls;
    std::unique_ptr<Controls> ui;
};

// Opens page (a file name in "Pomoc") in a new help window; owner is shown again when help
// closes. The window has no parent, so it outlives an owner that goes first. Opened while a
// modal dialog runs, it is modal itself, so that its buttons and links work above the dialog.
// In learner mode it shows the learner of the session handed to SetHelpSession. Returns the
// window (it deletes itself on closing).
TfrmPomoc *OpenHelp(const QString &page, bool learnerMode, QWidget *owner);

// The learner session the help windows read in learner mode (the program hands in its own at
// start-up; not owned). Null: help shows no learner.
void SetHelpSession(const Learner::TLearnerSession *session);
