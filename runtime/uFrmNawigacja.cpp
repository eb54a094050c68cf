#include "runtime/uFrmNawigacja.h"

#include "course/ExerciseKind.h"
#include "exercises/frame/ExerciseScreen.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/VelBelka.h"
#include "skin/VelListBox.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;
using Course::TElement;

TfrmNawigacja *frmNawigacja = nullptr;

namespace {

struct PictureHolder
{
    const char16_t *name;
    int width;
    int height;
};

// The pictures lent to the screens' buttons, with the size each holder has.
constexpr PictureHolder pictureHolders[] = {
    {u"IMG_Sprawdz", 50, 50},   {u"IMG_JeszczeRaz", 50, 50}, {u"IMG_OK", 24, 24},
    {u"IMG_Zle", 24, 24},       {u"IMG_Info", 24, 24},       {u"IMG_Video", 55, 50},
    {u"IMG_Glosnik", 55, 50},   {u"IMG_Help", 48, 48},       {u"IMG_Wroc", 48, 48},
    {u"IMG_Slownik", 55, 50},   {u"IMG_Drukuj", 55, 50},     {u"IMG_Close_N", 34, 18},
    {u"IMG_Close_H", 34, 18},   {u"IMG_Close_D", 34, 18},    {u"IMG_Min_N", 32, 18},
    {u"IMG_Min_H", 32, 18},     {u"IMG_Min_D", 32, 18},      {u"IMG_Mikrofon1", 55, 50},
    {u"IMG_Mikrofon2", 55, 50}, {u"IMG_Analizator", 42, 42},
};

const QString navigationPrefix = u"btn_nawigacja_"_s;

QFont captionFont()
{
    // btnCaptionFont: the captions of the navigation bar.
    QFont font(u"Trebuchet MS"_s);
    font.setPixelSize(16);
    return font;
}

QString usersFolder()
{
    return Utils::ProgramPath(u"\\Users"_s);
}

TVelResButton *newBarButton(QWidget *screen, const QString &name, int left, int width, const QString &caption)
{
    auto *button = new TVelResButton(screen);
    button->setObjectName(name);
    button->SetRozmiar(rozBelka);
    button->setFont(captionFont());
    button->SetFontColor(Qt::white);
    button->setGeometry(left, 0, width, 48);
    button->SetShowCaption(true);
    button->SetCaption(caption);
    return button;
}

} // namespace

TfrmNawigacja::TfrmNawigacja(QWidget *parent, bool loadCatalogue, Utils::IProgress *progress)
    : QWidget(parent), m_progress(progress), m_random(Utils::MakeClockSeededPick())
{
    setObjectName(u"frmNawigacja"_s);
    setWindowTitle(Utils::ProductCaption());
    m_catalogue.Drzewo = std::make_unique<Course::TDrzewo>();
    m_repetitions = std::make_unique<Course::TDrzewo>();
    m_ownUser = std::make_unique<TUser>();
    m_ownSettings = std::make_unique<LearnerSettings>(LearnerSettings::Defaults());
    m_ownSettings->InterfaceLanguage = 0;
    CreatePictureHolders();

    m_ownTimer = new QTimer(this);
    m_ownTimer->setObjectName(u"HandOffTimer"_s);
    m_ownTimer->setSingleShot(true);
    m_ownTimer->setInterval(1);
    connect(m_ownTimer, &QTimer::timeout, this, [this] {
        OpenCurrentNode();
        m_ownBusy = false;
    });

    if (loadCatalogue)
        LoadCatalogue();
}

TfrmNawigacja::~TfrmNawigacja()
{
    if (frmNawigacja == this)
        frmNawigacja = nullptr;
}

void TfrmNawigacja::CreatePictureHolders()
{
    const SkinHandle skin = CurrentSkin().Handle;
    for (const PictureHolder &holder : pictureHolders) {
        auto *label = new QLabel(this);
        const QString name = QString::fromUtf16(holder.name);
        label->setObjectName(name);
        label->setGeometry(0, 0, holder.width, holder.height);
        label->hide();
        const QImage picture = SkinPictureOrNull(skin, name);
        if (!picture.isNull())
            label->setPixmap(QPixmap::fromImage(picture));
    }
}

QPixmap TfrmNawigacja::Picture(const QString &imageName) const
{
    const auto *label = findChild<QLabel *>(imageName, Qt::FindDirectChildrenOnly);
    return label ? label->pixmap() : QPixmap();
}

Course::TDrzewo &TfrmNawigacja::Catalogue() const
{
    return *m_catalogue.Drzewo;
}

QList<TElement *> &TfrmNawigacja::CatalogueList()
{
    return m_catalogue.CatalogueList;
}

Course::TDrzewo &TfrmNawigacja::Repetitions() const
{
    return *m_repetitions;
}

QList<TElement *> &TfrmNawigacja::RepetitionList()
{
    return m_repetitionList;
}

int TfrmNawigacja::LoadCatalogue()
{
    m_currentNode = nullptr;
    m_currentPackage = nullptr;
    m_currentPosition = 0;
    Course::TCatalogueOptions options;
    options.InterfaceLanguage = Settings().InterfaceLanguage;
    options.Progress = m_progress;
    // The read begun at start-up, when there was one for this language and it went well;
    // otherwise the course is read here, with its messages.
    Course::TCatalogueLoadResult result;
    if (!Course::CatalogueReader().Take(m_catalogue, options.InterfaceLanguage, m_progress, result))
        result = Course::LoadCatalogue(m_catalogue, options);
    if (!m_catalogue.Drzewo)
        m_catalogue.Drzewo = std::make_unique<Course::TDrzewo>();
    m_terminateRequested = result.TerminateRequested;
    if (m_terminateRequested) {
        // The definitions file is unreadable: the event loop ends as soon as it runs.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    emit CatalogueReloaded();
    return result.AcceptedFiles;
}

void TfrmNawigacja::RenumberCatalogue()
{
    m_catalogue.CatalogueList.clear();
    Course::NumberTree(m_catalogue.Drzewo->Root(), 0, m_catalogue.CatalogueList);
}

void TfrmNawigacja::LoadStatistics()
{
    Learner::LoadStatistics(m_catalogue.CatalogueList, usersFolder(), LoggedInUser().Id, Today(), m_progress);
}

void TfrmNawigacja::FindDueRepetitions()
{
    m_repetitionList.clear();
    auto fresh = std::make_unique<Course::TDrzewo>();
    Learner::FindDueRepetitions(*m_catalogue.Drzewo, *fresh, m_repetitionList, Today());
    // The current node may point into the old tree; it is only replaced from the main menu,
    // when no exercise is open.
    if (m_currentNode && !m_catalogue.CatalogueList.contains(m_currentNode)) {
        m_currentNode = nullptr;
        m_currentPackage = nullptr;
        m_currentPosition = 0;
    }
    m_repetitions = std::move(fresh);
}

void TfrmNawigacja::SetCurrent(TElement *node)
{
    m_currentNode = node;
    m_currentPackage = nullptr;
    m_currentPosition = 0;
    if (!node)
        return;
    const TElement *group = Course::FindChildByGroup(m_catalogue.Drzewo->Root(), node->Group);
    TElement *parent = node->Parent;
    // A parent that is a tree's root is no package either: an exercise whose group the
    // definitions file lacks sits directly under the root, and the root's children (groups)
    // cannot be stepped through.
    if (parent && parent != group && parent->Parent)
        m_currentPackage = parent;
    m_currentPosition = node->Position;
}

void TfrmNawigacja::SelectSibling(int n)
{
    if (n >= 1 && m_currentPackage && n <= m_currentPackage->ChildCount()) {
        m_currentPosition = n;
        m_currentNode = m_currentPackage->Children.at(n - 1);
    }
}

void TfrmNawigacja::RegisterExerciseScreen(QWidget *screen, int buttonSet)
{
    if (!screen)
        return;
    if (m_backdrop && screen->isWindow() && !screen->parentWidget() && !screen->isVisible())
        screen->setParent(m_backdrop, screen->windowFlags() | Qt::Window);

    if ((buttonSet & NumberedButtons) && m_currentPackage) {
        const int k = m_currentPackage->ChildCount();
        int base = 769 - 59 * k;
        int top = 80;
        if (m_currentPackage->Kind == Course::ExerciseKind::DialoguePackage) {
            base = 710 - 59 * k;
            top = 87;
        } else if (m_currentPackage->Kind == Course::ExerciseKind::SentencePackage) {
            base = 729 - 59 * k;
            top = 81;
        }
        // The strip ends short of the screen's result panel, which would otherwise cover the
        // last buttons (two items: button 2 under the panel at 744).
        if (const auto *panel = screen->findChild<QWidget *>(u"Panel_Wynik"_s)) {
            const QRect strip(base, top, 55 * (k - 1) + 59, 42);
            if (strip.intersects(panel->geometry()))
                base -= strip.right() - panel->geometry().left() + 1 + 6;
        }
        QFont numberFont = font();
        numberFont.setPixelSize(13);
        for (int n = 1; n <= k; ++n) {
            auto *button = new TVelResButton(screen);
            button->setObjectName(navigationPrefix + QString::number(n));
            button->SetRozmiar(rozTabka_Rozum);
            button->SetKorektaCaptionY(-5);
            button->setFont(numberFont);
            button->SetCaption(QString::number(n));
            button->setGeometry(base + 55 * (n - 1), top, 59, 42);
            button->setEnabled(n != m_currentPosition);
            button->SetTag(n);
            QPointer<QWidget> target(screen);
            connect(button, &QAbstractButton::clicked, this, [this, target, n] {
                if (target)
                    StepToItem(target, n);
            });
            button->show();
        }
    }

    if (buttonSet & CloseButtons) {
        struct SmallButton
        {
            const char16_t *name;
            int left;
            int width;
            const char16_t *pictures[3];
        };
        const SmallButton smalls[] = {
            {u"btn_nawigacja_zamknij", 982, 34, {u"IMG_Close_N", u"IMG_Close_H", u"IMG_Close_D"}},
            {u"btn_nawigacja_minimalizuj", 948, 32, {u"IMG_Min_N", u"IMG_Min_H", u"IMG_Min_D"}},
        };
        for (const SmallButton &small : smalls) {
            auto *button = new TVelResButton(screen);
            button->setObjectName(QString::fromUtf16(small.name));
            button->SetRozmiar(rozUndefined);
            button->setGeometry(small.left, 0, 34, 18);
            button->SetShowCaption(false);
            button->SetCaption(QString());
            for (int state = 1; state <= 3; ++state)
                SetButtonGlyph(button, QString::fromUtf16(small.pictures[state - 1]), state);
            button->show();
        }
        connect(screen->findChild<TVelResButton *>(u"btn_nawigacja_zamknij"_s), &QAbstractButton::clicked,
                this, [this] { AskCloseProgram(); });
        connect(screen->findChild<TVelResButton *>(u"btn_nawigacja_minimalizuj"_s), &QAbstractButton::clicked,
                this, [] {
                    const QWidgetList windows = QApplication::topLevelWidgets();
                    for (QWidget *window : windows) {
                        if (window->isVisible())
                            window->showMinimized();
                    }
                });
    }

    QPointer<QWidget> target(screen);
    // A bar button that acts on the screen only while the screen still exists.
    const auto addBarButton = [this, screen, target](const QString &name, int x, int width, int text,
                                                     const QString &glyph,
                                                     void (TfrmNawigacja::*action)(QWidget *)) {
        auto *button = newBarButton(screen, name, x, width, Utils::GetInterfaceText(text));
        SetButtonGlyph(button, glyph, 1);
        connect(button, &QAbstractButton::clicked, this, [this, target, action] {
            if (target)
                (this->*action)(target);
        });
        button->show();
    };
    if (buttonSet & HelpButton)
        addBarButton(u"btn_nawigacja_help"_s, 810, 120, 27, u"IMG_Help"_s, &TfrmNawigacja::ShowHelp);
    if (buttonSet & DictionaryButton)
        addBarButton(u"btn_nawigacja_slownik"_s, 630, 170, 26, u"IMG_Slownik"_s,
                     &TfrmNawigacja::ShowDictionary);
    if (buttonSet & BackButton)
        addBarButton(u"btn_nawigacja_wroc"_s, 330, 170, 37, u"IMG_Wroc"_s, &TfrmNawigacja::GoBack);

    ApplySkin(screen);
}

void TfrmNawigacja::RemoveNavigationButtons(QWidget *screen)
{
    ::RemoveNavigationButtons(screen);
}

void TfrmNawigacja::SetupExerciseTitleBar(TVelBelka *bar)
{
    if (!bar)
        return;
    const TUser &user = LoggedInUser();
    bar->SetZalogowany(user.Name);
    bar->SetPlec(user.Gender.isEmpty() ? QChar() : user.Gender.at(0));
    bar->SetLudzikIndex(user.Figure);
    bar->SetTekstBelki(Utils::GetInterfaceText(29));

    QWidget *screen = bar->parentWidget();
    if (!screen)
        return;
    for (const QString &name : {u"btnMedia"_s, u"btnMedia2"_s}) {
        if (auto *button = screen->findChild<TVelResButton *>(name))
            SetButtonGlyph(button, u"IMG_Glosnik"_s, 1);
    }
    if (auto *button = screen->findChild<TVelResButton *>(u"btnSpr"_s))
        SetButtonGlyph(button, u"IMG_Sprawdz"_s, 1);
    if (auto *button = screen->findChild<TVelResButton *>(u"btnAnalizator"_s))
        SetButtonGlyph(button, u"IMG_Analizator"_s, 1);
}

void TfrmNawigacja::SetButtonGlyph(TVelResButton *button, const QString &imageName, int state)
{
    if (!button || state < 1 || state > 3)
        return;
    const QImage picture = Picture(imageName).toImage();
    switch (state) {
    case 1:
        button->SetGlyph(picture);
        break;
    case 2:
        button->SetGlyphHot(picture);
        break;
    case 3:
        button->SetGlyphDown(picture);
        break;
    }
}

void TfrmNawigacja::RecordExerciseResult(QWidget *screen)
{
    TElement *node = m_currentNode;
    if (!node || !screen)
        return;
    Learner::ResultPanelState panel;
    if (auto *result = screen->findChild<TVelProgress *>(u"Panel_Wynik"_s)) {
        panel.Present = true;
        panel.Visible = result->isVisibleTo(screen);
        panel.Tag = result->Tag();
        panel.Value = result->Wynik();
    }
    QString error;
    const bool saved = Learner::RecordExerciseResult(*node, panel, Settings(), Today(), usersFolder(),
                                                     LoggedInUser().Id, &error);
    if (auto *result = screen->findChild<TVelProgress *>(u"Panel_Wynik"_s))
        result->SetTag(panel.Tag);
    if (!saved && !error.isEmpty())
        Utils::ShowSystemError(error);
}

void TfrmNawigacja::ReturnToSelection(QWidget *screen)
{
    RecordExerciseResult(screen);
    if (!frmWyborCwiczenia)
        return;
    frmWyborCwiczenia->show();
    frmWyborCwiczenia->raise();
    frmWyborCwiczenia->activateWindow();
    frmWyborCwiczenia->CurrentList()->setEnabled(true);
}

void TfrmNawigacja::ReturnToMainMenu()
{
    if (!m_mainMenu)
        return;
    m_mainMenu->show();
    m_mainMenu->raise();
    m_mainMenu->activateWindow();
}

void TfrmNawigacja::StepToItem(QWidget *screen, int n)
{
    if (HandOffPending())
        return;
    RecordExerciseResult(screen);
    screen->close();
    SelectSibling(n);
    if (m_handOff.start) {
        m_handOff.start();
    } else {
        m_ownBusy = true;
        m_ownTimer->start();
    }
}

void TfrmNawigacja::OpenCurrentNode()
{
    if (const TElement *node = m_currentNode)
        OpenExercise(node->Kind, node->FileName, node->MediaMarks);
}

void TfrmNawigacja::GoBack(QWidget *screen)
{
    if (!screen)
        return;
    screen->close();
    if (screen->objectName() == u"frmWyborCwiczenia")
        ReturnToMainMenu();
    else
        ReturnToSelection(screen);
}

void TfrmNawigacja::AskCloseProgram()
{
    if (ShowSkinnedMessage(Utils::GetInterfaceText(34), Utils::GetInterfaceText(33), smQuestion) != 1)
        return;
    if (m_mainMenu)
        m_mainMenu->close();
}

void TfrmNawigacja::ShowHelp(QWidget *screen)
{
    // The selection screen's page follows its mode (the repetitions list has its own).
    const auto *selection = qobject_cast<const TfrmWyborCwiczenia *>(screen);
    const QString page =
        selection ? selection->HelpPage() : HelpPage(screen ? screen->objectName() : QString());
    if (!page.isEmpty())
        OpenHelp(page, true, screen);
}

void TfrmNawigacja::ShowDictionary(QWidget *screen)
{
    Q_UNUSED(screen);
    if (!frmSlownik)
        return;
    frmSlownik->ShowDictionary();
    frmSlownik->raise();
    frmSlownik->activateWindow();
}

QString TfrmNawigacja::HelpPage(const QString &screenName)
{
    if (screenName == u"frmWyborCwiczenia" || screenName == u"frmMain")
        return u"h_index.html"_s;
    for (const Course::TKindInfo &kind : Course::ScreenKinds()) {
        if (screenName == QStringView(kind.ScreenName))
            return QString::fromUtf16(kind.HelpPage);
    }
    return QString();
}

void TfrmNawigacja::SetRandom(Utils::RandomPick random)
{
    m_random = random ? std::move(random) : Utils::MakeClockSeededPick();
}

void TfrmNawigacja::ShowFirstUseNotice(int notice)
{
    if (m_firstUseNotice)
        m_firstUseNotice(notice);
}

void TfrmNawigacja::SetFirstUseNoticeHandler(std::function<void(int)> handler)
{
    m_firstUseNotice = std::move(handler);
}

void TfrmNawigacja::SetHandOff(HandOff handOff)
{
    m_handOff = std::move(handOff);
}

bool TfrmNawigacja::HandOffPending() const
{
    if (m_handOff.isBusy)
        return m_handOff.isBusy();
    return m_ownBusy;
}

void TfrmNawigacja::SetMainMenu(QWidget *mainMenu)
{
    m_mainMenu = mainMenu;
}

void TfrmNawigacja::SetBackdrop(QWidget *backdrop)
{
    m_backdrop = backdrop;
}

void TfrmNawigacja::SetProgress(Utils::IProgress *progress)
{
    m_progress = progress;
}

void TfrmNawigacja::SetLearner(const TUser *user, const LearnerSettings *settings)
{
    m_user = user;
    m_settings = settings;
}

const TUser &TfrmNawigacja::LoggedInUser() const
{
    return m_user ? *m_user : *m_ownUser;
}

const LearnerSettings &TfrmNawigacja::Settings() const
{
    return m_settings ? *m_settings : *m_ownSettings;
}

void TfrmNawigacja::SetToday(const QDate &today)
{
    m_today = today;
}

QDate TfrmNawigacja::Today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}
