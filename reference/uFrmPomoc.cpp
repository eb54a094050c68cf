#include "reference/uFrmPomoc.h"

#include "learner/LearnerSession.h"
#include "reference/Emblems.h"
#include "reference/HelpPage.h"
#include "reference/Printing.h"
#include "skin/VelBelka.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

constexpr double PrintMarginMm = 20.0; // 2.0 cm on every side
constexpr int HelpPrintLastPage = 999;

QString HelpPath(const QString &page)
{
    return Utils::ProgramPath(u"\\Pomoc\\"_s + page);
}

QImage SkinGlyph(const QString &name)
{
    return SkinPictureOrNull(CurrentSkin().Handle, name);
}

const Learner::TLearnerSession *helpSession = nullptr;

} // namespace

// ---------------------------------------------------------------------------------------------
// TPrinterHTML

TPrinterHTML::TPrinterHTML(QObject *parent) : QObject(parent), Doc(new QTextDocument(this))
{
    QFont font(u"Times New Roman"_s);
    font.setPointSize(12);
    Doc->setDefaultFont(font);
}

TPrinterHTML::~TPrinterHTML() = default;

void TPrinterHTML::Clear()
{
    Doc->clear();
}

void TPrinterHTML::LoadFromString(const QByteArray &html)
{
    Doc->setHtml(Reference::DecodeHtmlPage(html));
}

bool TPrinterHTML::LoadFromFile(const QString &path)
{
    bool found = false;
    const QString html = Reference::ReadHelpPage(path, &found);
    Doc->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    Doc->setHtml(html);
    return found;
}

bool TPrinterHTML::Print(int fromPage, int toPage)
{
    const QString title = Title.isEmpty() ? Utils::ProductCaption() : Title;
    const Reference::PrintOutcome outcome = Reference::PrintService().Print(
        *Doc, title, std::max(1, fromPage), std::max(1, toPage), PrintMarginMm);
    Reference::ReportPrintOutcome(outcome);
    return outcome.Printed;
}

TPrinterHTML &PrinterHTML()
{
    static QPointer<TPrinterHTML> printer;
    if (!printer)
        printer = new TPrinterHTML(qApp);
    return *printer;
}

// ---------------------------------------------------------------------------------------------
// TfrmPomoc

struct TfrmPomoc::Controls
{
    TVelBelka *Belka = nullptr;
    TVelResButton *btnBelkaWroc = nullptr;
    TVelResButton *VelResButton3 = nullptr;
    TVelResButton *VelResButton1 = nullptr;
    QLabel *IMG_Tlo = nullptr;
    QLabel *Image2 = nullptr;
    TVelGroupFrame *VelGroupFrame4 = nullptr;
    QTextBrowser *HTML = nullptr;
    TVelResButton *btnWroc = nullptr;
    TVelResButton *btnDrukuj = nullptr;
    TVelResButton *btnSpis = nullptr;
};

TfrmPomoc::TfrmPomoc(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Controls>())
{
    setObjectName(u"frmPomoc"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Utils::ProductCaption());
    setFixedSize(1024, 768);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(232, 240, 247));
    setPalette(pal);

    ui->IMG_Tlo = new QLabel(this);
    ui->IMG_Tlo->setObjectName(u"IMG_Tlo"_s);
    ui->IMG_Tlo->setGeometry(0, 50, 1024, 718);
    ui->IMG_Tlo->setScaledContents(true);
    const QPixmap background(Utils::ProgramPath(u"\\Gfx\\bg.bmp"_s));
    if (!background.isNull())
        ui->IMG_Tlo->setPixmap(background);

    ui->Belka = new TVelBelka(this);
    ui->Belka->setObjectName(u"Belka"_s);
    ui->Belka->setGeometry(0, 0, 1024, 50);

    auto barButton = [this](const QString &name, int left, int width) {
        auto *b = new TVelResButton(this);
        b->setObjectName(name);
        b->SetRozmiar(rozBelka);
        b->setGeometry(left, 0, width, 48);
        QFont font(u"Trebuchet MS"_s);
        font.setPixelSize(16);
        b->setFont(font);
        b->SetFontColor(Qt::white);
        return b;
    };
    ui->btnBelkaWroc = barButton(u"btnBelkaWroc"_s, 330, 170);
    ui->btnBelkaWroc->SetGlyph(SkinGlyph(u"IMG_Wroc"_s));
    ui->btnBelkaWroc->SetCaption(Utils::GetInterfaceText(37));
    connect(ui->btnBelkaWroc, &QAbstractButton::clicked, this, [this] { btnBelkaWrocClick(); });

    auto small = [this](const QString &name, int left, int width, const QString &picture) {
        auto *b = new TVelResButton(this);
        b->setObjectName(name);
        b->SetRozmiar(rozUndefined);
        b->SetShowCaption(false);
        b->setGeometry(left, 0, width, 18);
        b->SetGlyph(SkinGlyph(u"IMG_"_s + picture + u"_N"_s));
        b->SetGlyphHot(SkinGlyph(u"IMG_"_s + picture + u"_H"_s));
        b->SetGlyphDown(SkinGlyph(u"IMG_"_s + picture + u"_D"_s));
        return b;
    };
    ui->VelResButton3 = small(u"VelResButton3"_s, 948, 32, u"Min"_s);
    ui->VelResButton1 = small(u"VelResButton1"_s, 982, 34, u"Close"_s);
    if (ui->VelResButton1->Glyph().isNull()) {
        ui->VelResButton1->SetGlyph(Reference::CloseGlyph(0));
        ui->VelResButton1->SetGlyphHot(Reference::CloseGlyph(1));
        ui->VelResButton1->SetGlyphDown(Reference::CloseGlyph(2));
    }
    connect(ui->VelResButton3, &QAbstractButton::clicked, this, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->showMinimized();
    });
    connect(ui->VelResButton1, &QAbstractButton::clicked, this, [] {
        if (ShowSkinnedMessage(Utils::GetInterfaceText(34), Utils::GetInterfaceText(33), smQuestion) == 1)
            QApplication::closeAllWindows();
    });

    ui->Image2 = new QLabel(this);
    ui->Image2->setObjectName(u"Image2"_s);
    ui->Image2->setGeometry(8, 62, 128, 128);
    ui->Image2->setPixmap(Reference::HelpEmblem());

    ui->VelGroupFrame4 = new TVelGroupFrame(this);
    ui->VelGroupFrame4->setObjectName(u"VelGroupFrame4"_s);
    ui->VelGroupFrame4->SetFrameType(ftFrame_Blue);
    ui->VelGroupFrame4->setGeometry(142, 62, 767, 695);

    ui->HTML = new QTextBrowser(this);
    ui->HTML->setObjectName(u"HTML"_s);
    ui->HTML->setGeometry(156, 74, 741, 671);
    ui->HTML->setFrameShape(QFrame::NoFrame);
    ui->HTML->setOpenLinks(false);
    ui->HTML->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->HTML->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui->HTML->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QPalette viewer = ui->HTML->palette();
    viewer.setColor(QPalette::Base, Qt::white);
    ui->HTML->setPalette(viewer);
    QFont serif(u"Times New Roman"_s);
    serif.setPointSize(12);
    ui->HTML->document()->setDefaultFont(serif);
    ui->HTML->document()->setDefaultStyleSheet(u"pre, code { font-family: 'Courier New'; }"_s);
    connect(ui->HTML, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) { AnchorClicked(url); });

    auto side = [this](const QString &name, int top) {
        auto *b = new TVelResButton(this);
        b->setObjectName(name);
        b->SetRozmiar(roz50);
        b->SetFlat(true);
        b->setGeometry(915, top, 101, 50);
        QFont font(u"Tahoma"_s);
        font.setPointSize(9);
        font.setBold(true);
        b->setFont(font);
        b->SetFontColor(QColor(52, 52, 52));
        return b;
    };
    ui->btnWroc = side(u"btnWroc"_s, 74);
    ui->btnWroc->SetGlyph(SkinGlyph(u"IMG_Wroc"_s));
    ui->btnWroc->SetShowCaption(false);
    ui->btnWroc->SetHint(u"Poprzednia strona"_s);
    ui->btnWroc->hide();
    connect(ui->btnWroc, &QAbstractButton::clicked, this, [this] { btnWrocClick(); });

    ui->btnDrukuj = side(u"btnDrukuj"_s, 130);
    ui->btnDrukuj->SetGlyph(SkinGlyph(u"IMG_Drukuj"_s));
    ui->btnDrukuj->SetShowCaption(false);
    ui->btnDrukuj->SetHint(u"Drukuj tę stronę"_s);
    connect(ui->btnDrukuj, &QAbstractButton::clicked, this, [this] { btnDrukujClick(); });

    ui->btnSpis = side(u"btnSpis"_s, 186);
    const QString contents = Utils::GetInterfaceText(48);
    ui->btnSpis->SetCaption(contents.isEmpty() ? u"Spis treści"_s : contents);
    connect(ui->btnSpis, &QAbstractButton::clicked, this, [this] { btnSpisClick(); });

    ApplySkin(this);
}

TfrmPomoc::~TfrmPomoc() = default;

void TfrmPomoc::Start(const QString &page, bool learnerMode, QWidget *owner,
                      const Learner::TLearnerSession *session)
{
    OwnerScreen = owner;
    LearnerMode = learnerMode;
    // The learner comes from the session, never from the owner: dialogs have no title bar, and
    // before the first login (the password prompt) nobody is there to show.
    const bool showLearner = learnerMode && session && session->LoggedIn;
    ui->Belka->SetPokazZalogowanie(showLearner);
    if (showLearner) {
        const TUser &user = session->User;
        const QString text = Utils::GetInterfaceText(29);
        ui->Belka->SetTekstBelki(text.isEmpty() ? u"Jesteś zalogowany jako:"_s : text);
        ui->Belka->SetZalogowany(user.Name);
        ui->Belka->SetPlec(user.Gender.isEmpty() ? QChar() : user.Gender.at(0));
        ui->Belka->SetLudzikIndex(user.Figure);
    }
    HistoryList = {HelpPath(page)};
    Index = 0;
    ui->btnWroc->setVisible(false);
    LoadPage(HistoryList.first());
}

void TfrmPomoc::LoadPage(const QString &path)
{
    ShownPage = path;
    QTextDocument *doc = ui->HTML->document();
    doc->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    ui->HTML->setHtml(Reference::ReadHelpPage(path));
    ui->HTML->verticalScrollBar()->setValue(0);
}

void TfrmPomoc::AnchorClicked(const QUrl &url)
{
    if (!url.scheme().isEmpty() && url.scheme() != u"file" && url.scheme().size() > 1) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (url.path().isEmpty() && url.hasFragment()) {
        ui->HTML->scrollToAnchor(url.fragment());
        return;
    }
    HTMLHotSpotClick(url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.path());
    if (url.hasFragment())
        ui->HTML->scrollToAnchor(url.fragment());
}

void TfrmPomoc::HTMLHotSpotClick(const QString &target)
{
    QString page = target;
    page.replace(u'/', u'\\');
    HistoryList.append(HelpPath(page));
    ++Index;
    LoadPage(HistoryList.at(Index));
    ui->btnWroc->setVisible(true);
}

void TfrmPomoc::btnWrocClick()
{
    if (Index > 0) {
        HistoryList.removeAt(Index);
        --Index;
        ui->HTML->clear();
        LoadPage(HistoryList.at(Index));
    }
    ui->btnWroc->setVisible(Index > 0);
}

void TfrmPomoc::btnSpisClick()
{
    LoadPage(HelpPath(u"h_index.html"_s));
}

void TfrmPomoc::btnDrukujClick()
{
    const QString title = QFileInfo(ShownPage).completeBaseName();
    const Reference::PrintOutcome outcome =
        Reference::PrintService().Print(*ui->HTML->document(), Utils::ProductCaption() + u" - "_s + title, 1,
                                        HelpPrintLastPage, PrintMarginMm);
    Reference::ReportPrintOutcome(outcome);
}

void TfrmPomoc::btnBelkaWrocClick()
{
    close();
}

void TfrmPomoc::closeEvent(QCloseEvent *event)
{
    // A dialog that has ended meanwhile stays closed; a screen that has gone is not touched.
    const auto *dialog = qobject_cast<QDialog *>(OwnerScreen.data());
    if (OwnerScreen && !(dialog && !dialog->isVisible())) {
        OwnerScreen->show();
        if (QGuiApplication::platformName() != u"offscreen")
            OwnerScreen->raise();
        OwnerScreen->activateWindow();
    }
    QWidget::closeEvent(event);
}

void TfrmPomoc::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        btnBelkaWrocClick();
        return;
    }
    if (event->key() == Qt::Key_Backspace ||
        (event->key() == Qt::Key_Left && event->modifiers() & Qt::AltModifier)) {
        btnWrocClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

TfrmPomoc *OpenHelp(const QString &page, bool learnerMode, QWidget *owner)
{
    auto *help = new TfrmPomoc();
    // A modal dialog (the profile dialog, the password prompt, the settings) would block a
    // window that is not its own; help opened above it takes the input until it closes.
    if (QApplication::activeModalWidget())
        help->setWindowModality(Qt::ApplicationModal);
    help->Start(page, learnerMode, owner, helpSession);
    help->show();
    if (QGuiApplication::platformName() != u"offscreen")
        help->raise();
    help->activateWindow();
    return help;
}

void SetHelpSession(const Learner::TLearnerSession *session)
{
    helpSession = session;
}
