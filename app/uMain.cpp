#include "app/uMain.h"

#include "app/uPodklad.h"
#include "course/Catalogue.h"
#include "learner/uFrmUstawienia.h"
#include "learner/uLogowanie.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/AALabel.h"
#include "skin/VelBelka.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

TfrmMain *frmMain = nullptr;

namespace {

// Restores the normal cursor however the language switch ends.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void setCaption(QWidget *form, const QString &name, const QString &caption)
{
    if (!form)
        return;
    if (auto *button = form->findChild<TVelResButton *>(name))
        button->SetCaption(caption);
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent, Learner::TLearnerSession *session)
    : QWidget(parent), m_ownSession(session ? nullptr : std::make_unique<Learner::TLearnerSession>()),
      m_session(session ? session : m_ownSession.get()), LoggedInUser(m_session->User),
      Settings(m_session->Settings)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(Utils::ProductCaption());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(1024, 768);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(78, 78, 78));
    setPalette(pal);

    const SkinRecord skin = LoadSkinLibrary(Utils::ProgramPath(u"\\"_s + SkinBundleFileName()));
    m_skinLoaded = skin.Handle != nullptr;
    if (!m_skinLoaded) {
        // The caller ends the program once the box is dismissed.
        Utils::ShowSystemError(u"Brak biblioteki DLL!. Aplikacja zostanie zakończona!"_s);
        return;
    }
    SetCurrentSkin(skin);

    Settings.InterfaceLanguage = 0;
    Settings.TranslationLanguage = 0;
    InstructionLanguage = 1;

    CreateComponents();
    ApplySkin(this, skin);
    if (frmNawigacja) {
        frmNawigacja->SetLearner(&LoggedInUser, &Settings);
        frmNawigacja->SetMainMenu(this);
    }
    // The texts known now (none before the definitions are read); every login applies them again.
    ApplyInterfaceTexts();
}

TfrmMain::~TfrmMain()
{
    if (frmNawigacja && frmNawigacja->MainMenu() == this) {
        frmNawigacja->SetMainMenu(nullptr);
        frmNawigacja->SetLearner(nullptr, nullptr);
    }
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::CreateComponents()
{
    m_background = new Utils::TDeferredPictureLabel(this, Utils::ProgramPath(u"\\Gfx\\bg_start.bmp"_s));
    m_background->setObjectName(u"IMG_Tlo"_s);
    m_background->setGeometry(0, 50, 1024, 718);

    m_belka = new TVelBelka(this);
    m_belka->setObjectName(u"Belka"_s);
    m_belka->setGeometry(0, 0, 1024, 50);

    auto barButton = [this](const QString &name, int left, int width) {
        auto *button = new TVelResButton(this);
        button->setObjectName(name);
        button->SetRozmiar(rozBelka);
        QFont font(u"Trebuchet MS"_s);
        font.setPixelSize(16);
        button->setFont(font);
        button->SetFontColor(Qt::white);
        button->setGeometry(left, 0, width, 48);
        return button;
    };
    m_btnWyloguj = barButton(u"btnWyloguj"_s, 284, 160);
    m_btnUstawienia = barButton(u"btnBelkaUstawienia"_s, 450, 170);
    connect(m_btnWyloguj, &QAbstractButton::clicked, this, [this] { Logout(); });
    connect(m_btnUstawienia, &QAbstractButton::clicked, this, [this] { OpenSettings(); });

    m_ramka = new TVelGroupFrame(this);
    m_ramka->setObjectName(u"Ramka"_s);
    m_ramka->SetShowCaption(false);
    // Over the entries' white captions and the background's "Lernivo": a border, not a box.
    m_ramka->SetHollow(true);
    m_ramka->hide();

    auto picture = [this](const QString &name, int x, int y, const QString &file) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setGeometry(x, y, 100, 100);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPixmap pixmap(Utils::ProgramPath(file));
        if (!pixmap.isNull())
            label->setPixmap(pixmap);
        return label;
    };
    m_image1 = picture(u"Image1"_s, 616, 152, u"\\Gfx\\menu_nauka.png"_s);
    m_image2 = picture(u"Image2"_s, 616, 258, u"\\Gfx\\menu_powtorki.png"_s);

    auto entryLabel = [this](const QString &name, int y) {
        auto *label = new TAALabel(this);
        label->setObjectName(name);
        QFont font(u"Tahoma"_s);
        font.setPixelSize(21);
        label->SetFont(font);
        label->SetFontColor(Qt::white);
        label->setGeometry(722, y, 215, 32);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    m_btnSpisCwiczen = entryLabel(u"btnSpisCwiczen"_s, 190);
    m_btnPowtorki = entryLabel(u"btnPowtorki"_s, 292);

    auto clickArea = [this](const QString &name, const QRect &rect) {
        auto *area = new QWidget(this);
        area->setObjectName(name);
        area->setGeometry(rect);
        area->setCursor(Qt::PointingHandCursor);
        area->setAttribute(Qt::WA_Hover);
        area->installEventFilter(this);
        return area;
    };
    m_paintBox1 = clickArea(u"PaintBox1"_s, QRect(608, 160, 353, 84));
    m_paintBox2 = clickArea(u"PaintBox2"_s, QRect(608, 266, 353, 84));
    m_paintBox3 = clickArea(u"PaintBox3"_s, QRect(14, 726, 95, 28));
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    auto *area = qobject_cast<QWidget *>(watched);
    if (area && (area == m_paintBox1 || area == m_paintBox2 || area == m_paintBox3)) {
        switch (event->type()) {
        case QEvent::Enter:
            m_ramka->setGeometry(area->geometry());
            m_ramka->show();
            break;
        case QEvent::Leave:
            m_ramka->hide();
            break;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton || !area->rect().contains(mouse->position().toPoint()))
                break;
            if (area == m_paintBox1)
                OpenLearning();
            else if (area == m_paintBox2)
                OpenRepetitions();
            else
                OpenPublisherPage();
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::ApplyInterfaceTexts()
{
    if (m_belka)
        m_belka->SetTekstBelki(Utils::GetInterfaceText(29));
    setCaption(this, u"btn_nawigacja_slownik"_s, Utils::GetInterfaceText(26));
    setCaption(this, u"btn_nawigacja_help"_s, Utils::GetInterfaceText(27));
    if (TfrmWyborCwiczenia *selection = frmWyborCwiczenia) {
        setCaption(selection, u"btn_nawigacja_help"_s, Utils::GetInterfaceText(27));
        setCaption(selection, u"btn_nawigacja_wroc"_s, Utils::GetInterfaceText(37));
        setCaption(selection, u"btn_nawigacja_slownik"_s, Utils::GetInterfaceText(26));
        if (auto *bar = selection->findChild<TVelBelka *>(u"Belka"_s))
            bar->SetTekstBelki(Utils::GetInterfaceText(29));
        selection->ApplyInterfaceTexts();
    }
    if (m_btnUstawienia) {
        m_btnUstawienia->SetCaption(Utils::GetInterfaceText(25));
        m_btnSpisCwiczen->SetCaption(Utils::GetInterfaceText(28));
        m_btnPowtorki->SetCaption(Utils::GetInterfaceText(87));
        m_btnWyloguj->SetCaption(Utils::GetInterfaceText(112));
    }
    // The backdrop keeps its own text while the definitions have none.
    if (frmPodklad && !Utils::GetInterfaceText(109).isEmpty())
        frmPodklad->SetWaitText(Utils::GetInterfaceText(109));
}

void TfrmMain::SwitchInterfaceLanguage(int language)
{
    BusyCursor busy;
    Settings.InterfaceLanguage = quint8(language);
    TfrmWyborCwiczenia *selection = frmWyborCwiczenia;
    if (selection)
        selection->ExerciseList()->clear();
    if (!frmNawigacja)
        return;
    frmNawigacja->SetLearner(&LoggedInUser, &Settings);
    frmNawigacja->LoadCatalogue();
    frmNawigacja->LoadStatistics();
    if (selection)
        selection->RefillList(TfrmWyborCwiczenia::CatalogueMode);
}

bool TfrmMain::ConfirmExit()
{
    if (ShowSkinnedMessage(Utils::GetInterfaceText(34), Utils::GetInterfaceText(33), smQuestion) != 1)
        return false;
    close();
    return true;
}

void TfrmMain::Logout()
{
    if (ShowSkinnedMessage(Utils::GetInterfaceText(78), Utils::GetInterfaceText(33), smQuestion) != 1)
        return;
    TfrmWyborCwiczenia *selection = frmWyborCwiczenia;
    if (frmNawigacja) {
        Course::SetExpandedAll(frmNawigacja->Catalogue(), false);
        if (selection)
            selection->RefillList(TfrmWyborCwiczenia::CatalogueMode);
    }
    m_session->LoggedIn = false;
    hide();
    TfrmNawigacja::RemoveNavigationButtons(this);
    if (selection)
        TfrmNawigacja::RemoveNavigationButtons(selection);
    if (frmPodklad)
        frmPodklad->ShowWait(false);
    emit LoggedOut();
}

void TfrmMain::OpenLearning()
{
    TfrmWyborCwiczenia *selection = frmWyborCwiczenia;
    if (!selection)
        return;
    hide();
    selection->SetSelectionMode(TfrmWyborCwiczenia::CatalogueMode);
    selection->ExerciseList()->setEnabled(true);
    selection->show();
    selection->raise();
    selection->activateWindow();
}

void TfrmMain::OpenRepetitions()
{
    TfrmWyborCwiczenia *selection = frmWyborCwiczenia;
    if (!selection || !frmNawigacja)
        return;
    frmNawigacja->FindDueRepetitions();
    selection->SetSelectionMode(TfrmWyborCwiczenia::RepetitionsMode);
    selection->RefillList(TfrmWyborCwiczenia::RepetitionsMode);
    if (selection->RepetitionList()->Count() > 0) {
        hide();
        selection->RepetitionList()->setEnabled(true);
        selection->show();
        selection->raise();
        selection->activateWindow();
    } else {
        ShowSkinnedMessage(Utils::GetInterfaceText(108), Utils::GetInterfaceText(59), smInformation);
    }
}

void TfrmMain::OpenSettings()
{
    ShowSettingsDialog(*m_session, this, [this](int language) {
        SwitchInterfaceLanguage(language);
        ApplyInterfaceTexts();
    });
}

QUrl TfrmMain::PublisherPage()
{
    const QString about = Utils::ProgramPath(u"\\Pomoc\\h_about.html"_s);
    if (QFileInfo::exists(about))
        return QUrl::fromLocalFile(about);
    return QUrl::fromLocalFile(Utils::ProgramPath(u"\\Pomoc\\h_index.html"_s));
}

void TfrmMain::SetUrlOpener(std::function<bool(const QUrl &)> opener)
{
    m_openUrl = std::move(opener);
}

void TfrmMain::OpenPublisherPage()
{
    const QUrl page = PublisherPage();
    const bool opened = m_openUrl ? m_openUrl(page) : QDesktopServices::openUrl(page);
    // No web browser on this machine: the page is the course's own, and help can show it.
    if (!opened)
        OpenHelp(QFileInfo(page.toLocalFile()).fileName(), true, this);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    Utils::CentreOnScreen(this);
    QWidget::showEvent(event);
    if (frmNawigacja)
        frmNawigacja->SetupExerciseTitleBar(m_belka);
    if (PlayStartSound) {
        PlaySkinSound(u"WAV_START"_s);
        PlayStartSound = false;
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // Closing the main menu ends the program: the backdrop closes with it.
    event->accept();
    if (frmPodklad)
        frmPodklad->close();
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(u"h_index.html"_s, true, this);
        return;
    }
    QWidget::keyPressEvent(event);
}
