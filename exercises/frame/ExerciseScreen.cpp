#include "exercises/frame/ExerciseScreen.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelBelka.h"
#include "skin/VelDymek.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString navigationPrefix = u"btn_nawigacja_"_s;

// A random picture of the folder, stretched to size; a soft sky when the folder has none, so
// a screen still opens on an installation without backgrounds.
QImage LoadBackground(const QString &folder, const QSize &size, const Utils::RandomPick &pick)
{
    QImage picture;
    const QStringList candidates = Utils::BackgroundCandidates(folder);
    for (int index : Utils::DrawOrder(int(candidates.size()), pick)) {
        picture = Utils::LoadPictureFile(candidates[index]);
        if (!picture.isNull())
            break;
    }
    if (picture.isNull()) {
        picture = QImage(size, QImage::Format_RGB32);
        QPainter p(&picture);
        QLinearGradient sky(0, 0, 0, size.height());
        sky.setColorAt(0, QColor(214, 236, 248));
        sky.setColorAt(1, QColor(246, 251, 254));
        p.fillRect(picture.rect(), sky);
    }
    return picture.size() == size ? picture
                                  : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void RemoveNavigationButtons(QWidget *screen)
{
    if (!screen)
        return;
    const QList<QWidget *> children = screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget *child = *it;
        if (!child->objectName().contains(navigationPrefix))
            continue;
        // The button may be the one whose click is being handled: it leaves the screen at once
        // and is freed once the event loop is back.
        child->hide();
        child->setObjectName(QString());
        child->setParent(nullptr);
        child->deleteLater();
    }
}

TExerciseScreen::TExerciseScreen(int kind, IExerciseHost &host, QWidget *parent)
    : QWidget(parent), m_kind(Course::KindInfo(kind)), m_host(host), m_random(host.Random())
{
    Q_ASSERT_X(m_kind, "TExerciseScreen", "a kind without a row in the table of kinds");
    setObjectName(QString::fromUtf16(m_kind->ScreenName));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1024, 768);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(u"Tahoma"_s));
}

TExerciseScreen::~TExerciseScreen() = default;

void TExerciseScreen::SetRandomPick(Utils::RandomPick pick)
{
    m_random = pick ? std::move(pick) : m_host.Random();
}

TVelBelka *TExerciseScreen::Belka() const
{
    return findChild<TVelBelka *>(u"Belka"_s);
}

TVelProgress *TExerciseScreen::ResultPanel() const
{
    return findChild<TVelProgress *>(u"Panel_Wynik"_s);
}

int TExerciseScreen::ResultTag() const
{
    const TVelProgress *panel = ResultPanel();
    return panel ? panel->Tag() : 0;
}

void TExerciseScreen::SetResultTag(int tag)
{
    if (TVelProgress *panel = ResultPanel())
        panel->SetTag(tag);
}

bool TExerciseScreen::HasShownResult() const
{
    const TVelProgress *panel = ResultPanel();
    return panel && panel->isVisibleTo(this);
}

int TExerciseScreen::ShownResult() const
{
    const TVelProgress *panel = ResultPanel();
    return panel ? panel->Wynik() : 0;
}

void TExerciseScreen::ShowResult(int percent)
{
    TVelProgress *panel = ResultPanel();
    if (!panel)
        return;
    panel->SetWynik(qBound(0, percent, 100));
    panel->show();
    panel->raise();
    if (RecordsResultAtOnce())
        m_host.RecordExerciseResult(this);
}

void TExerciseScreen::StartNewRun()
{
    if (TVelProgress *panel = ResultPanel()) {
        panel->hide();
        panel->SetTag(0);
    }
}

QString TExerciseScreen::HelpPage() const
{
    return QString::fromUtf16(m_kind->HelpPage);
}

QLabel *TExerciseScreen::CreateBackground(const QString &folder, const QRect &rect)
{
    m_backgroundFolder = folder.isEmpty() ? QString::fromUtf16(m_kind->BackgroundFolder) : folder;
    m_backgroundLabel = new QLabel(this);
    m_backgroundLabel->setObjectName(u"IMG_Tlo"_s);
    m_backgroundLabel->setGeometry(rect);
    m_backgroundLabel->setScaledContents(true);
    m_backgroundLabel->lower();
    NewBackground();
    return m_backgroundLabel;
}

void TExerciseScreen::NewBackground()
{
    if (!m_backgroundLabel)
        return;
    m_background = LoadBackground(Utils::ProgramPath(u"\\Gfx\\"_s + m_backgroundFolder),
                                  m_backgroundLabel->size(), m_random);
    m_backgroundLabel->setPixmap(QPixmap::fromImage(m_background));
    if (m_scrollBar) {
        const QPoint at = m_scrollBar->pos() - m_backgroundLabel->pos();
        m_scrollBar->SetIMG_BKG(m_background.copy(QRect(at, m_scrollBar->size())));
    }
    update();
}

TVelBelka *TExerciseScreen::CreateTitleBar()
{
    auto *bar = new TVelBelka(this);
    bar->setObjectName(u"Belka"_s);
    bar->setGeometry(0, 0, 1024, 50);
    return bar;
}

TAALabel *TExerciseScreen::CreateInstruction(const QRect &rect)
{
    m_instruction = new TAALabel(this);
    m_instruction->setObjectName(u"Polecenie"_s);
    m_instruction->setGeometry(rect);
    QFont georgia(u"Georgia"_s);
    georgia.setPixelSize(20);
    m_instruction->SetFont(georgia);
    m_instruction->SetFontColor(QColor(227, 27, 107));
    m_instruction->SetWordWrap(true);
    m_instruction->SetTransparent(true);
    m_instruction->installEventFilter(this);

    m_bubble = new TVelDymek(this);
    m_bubble->setObjectName(u"IMG_Dymek"_s);
    m_bubble->move(330, 56);
    m_bubble->hide();
    return m_instruction;
}

void TExerciseScreen::SetInstruction(const QString &text, const QString &translation)
{
    if (!m_instruction)
        return;
    m_instruction->SetCaption(text);
    m_instruction->SetHint(translation);
    if (m_bubble)
        m_bubble->hide();
}

void TExerciseScreen::InstructionMouseDown(QMouseEvent *event)
{
    // The bubble shows the instruction in the learner's translation language; with
    // translations off (255) the right button does nothing.
    if (event->button() != Qt::RightButton || m_host.Settings().TranslationLanguage == 255)
        return;
    if (!m_bubble->isHidden()) {
        m_bubble->hide();
        return;
    }
    if (m_instruction->Hint().isEmpty())
        return;
    const QPoint at = event->position().toPoint() + m_instruction->pos();
    m_bubble->ShowBubble(at.x(), at.y(), m_instruction->Hint());
    m_bubble->raise();
}

TVelResButton *TExerciseScreen::CreateButton(const QString &name, const QRect &rect)
{
    auto *button = new TVelResButton(this);
    button->setObjectName(name);
    button->SetRozmiar(roz50);
    button->SetGrafikaIndex(6); // the dark set, under white captions
    QFont font(u"Trebuchet MS"_s);
    font.setPixelSize(21);
    button->setFont(font);
    button->SetFontColor(Qt::white);
    button->setGeometry(rect);
    return button;
}

TVelResButton *TExerciseScreen::CreateListenButton(const QString &name, const QRect &rect, bool showCaption)
{
    TVelResButton *button = CreateButton(name, rect);
    button->SetShowCaption(showCaption);
    button->SetCaption(Utils::GetInterfaceText(4));
    button->SetHint(Utils::GetInterfaceText(4));
    connect(button, &QAbstractButton::clicked, this, [this] { btnMediaClick(); });
    return button;
}

void TExerciseScreen::SetupListenButtons(const QString &mediaFile)
{
    m_mediaFile = mediaFile;
    for (const QString &name : {u"btnMedia"_s, u"btnMedia2"_s}) {
        if (auto *button = findChild<TVelResButton *>(name, Qt::FindDirectChildrenOnly))
            SetupMediaButton(button, mediaFile);
    }
}

void TExerciseScreen::btnMediaClick()
{
    PlayExerciseMedia(m_mediaFile, true);
}

void TExerciseScreen::PlayExerciseMedia(const QString &file, bool show)
{
    if (file.isEmpty())
        return;
    SetSpeakerMarks(m_mediaMarks);
    PlayMedia(Utils::MediaPath(u"\\Media\\"_s + QString::fromUtf16(m_kind->MediaFolder) + u'\\' + file),
              show);
}

void TExerciseScreen::CreateCheckButtons(const QRect &check, const QRect &solution)
{
    m_btnPopraw = CreateButton(u"btnPopraw"_s, solution);
    m_btnPopraw->SetCaption(Utils::GetInterfaceText(51));
    connect(m_btnPopraw, &QAbstractButton::clicked, this, [this] { btnPoprawClick(); });
    m_btnSpr = CreateButton(u"btnSpr"_s, check);
    connect(m_btnSpr, &QAbstractButton::clicked, this, [this] { btnSprClick(); });
    SetCheckState(CheckState::Checking);
}

void TExerciseScreen::SetCheckState(CheckState state, bool offerSolution)
{
    m_checkState = state;
    m_offerSolution = state == CheckState::Checked && offerSolution;
    ApplyCheckFace();
}

void TExerciseScreen::ApplyCheckFace()
{
    if (!m_btnSpr)
        return;
    const bool checked = m_checkState == CheckState::Checked;
    // After a check both buttons explain themselves with text 3; before it neither has a hint.
    const QString hint = checked ? Utils::GetInterfaceText(3) : QString();
    m_host.SetButtonGlyph(m_btnSpr, checked ? u"IMG_JeszczeRaz"_s : u"IMG_Sprawdz"_s, 1);
    m_btnSpr->SetTag(checked ? 1 : 0);
    m_btnSpr->SetCaption(Utils::GetInterfaceText(checked ? 3 : 41));
    m_btnSpr->SetHint(hint);
    if (m_btnPopraw) {
        m_host.SetButtonGlyph(m_btnPopraw, u"IMG_Sprawdz"_s, 1);
        m_btnPopraw->SetCaption(Utils::GetInterfaceText(51));
        m_btnPopraw->SetHint(hint);
        m_btnPopraw->setVisible(m_offerSolution);
    }
}

TVelProgress *TExerciseScreen::CreateResultPanel(const QRect &rect)
{
    auto *panel = new TVelProgress(this);
    panel->setObjectName(u"Panel_Wynik"_s);
    panel->setGeometry(rect);
    panel->SetTekst(Utils::GetInterfaceText(46));
    panel->hide();
    return panel;
}

TALScrollBar *TExerciseScreen::CreateScrollBar(const QRect &rect)
{
    m_scrollBar = new TALScrollBar(this);
    m_scrollBar->setObjectName(u"ScrollBar"_s);
    m_scrollBar->setGeometry(rect);
    m_scrollBar->SetSkinPictures();
    m_scrollBar->hide();
    if (m_backgroundLabel) {
        const QPoint at = rect.topLeft() - m_backgroundLabel->pos();
        m_scrollBar->SetIMG_BKG(m_background.copy(QRect(at, rect.size())));
    }
    return m_scrollBar;
}

void TExerciseScreen::StartFirstUseNotice()
{
    if (m_kind->FirstUseNotice == 0)
        return;
    m_checkMsgInfo = new QTimer(this);
    m_checkMsgInfo->setObjectName(u"CheckMsgInfo"_s);
    m_checkMsgInfo->setSingleShot(true);
    m_checkMsgInfo->setInterval(700);
    connect(m_checkMsgInfo, &QTimer::timeout, this,
            [this] { m_host.ShowFirstUseNotice(m_kind->FirstUseNotice); });
    m_checkMsgInfo->start();
}

void TExerciseScreen::FinishCreation()
{
    setWindowTitle(Utils::ProductCaption());
    ApplySkin(this);
    m_host.SetupExerciseTitleBar(Belka());
    ApplyCheckFace();
}

void TExerciseScreen::ReportLoadFault(const QString &path)
{
    Utils::ShowSystemError(u"Błąd podczas wczytywania pliku ćwiczenia! "_s +
                           u"(%1)"_s.arg(QFileInfo(path).fileName()));
}

void TExerciseScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape is the back button; without one (or with it disabled) it does nothing.
        if (auto *back = findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s); back && back->isEnabled())
            back->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        const QString page = HelpPage();
        if (!page.isEmpty())
            OpenHelp(page, HelpInLearnerMode(), this);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TExerciseScreen::closeEvent(QCloseEvent *event)
{
    // The host may close a screen at any time: closing is always allowed.
    if (m_checkMsgInfo)
        m_checkMsgInfo->stop();
    RemoveNavigationButtons(this);
    CloseMedia();
    event->accept();
}

void TExerciseScreen::showEvent(QShowEvent *event)
{
    Utils::CentreOnScreen(this);
    QWidget::showEvent(event);
    // The title bar follows the learner; the standard pictures it hands out must not undo the
    // screen's own state (a restored screen keeps its "again" face).
    m_host.SetupExerciseTitleBar(Belka());
    ApplyCheckFace();
    setFocus();
}

bool TExerciseScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_instruction && m_instruction) {
        if (event->type() == QEvent::MouseButtonPress)
            InstructionMouseDown(static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::Leave && m_bubble)
            m_bubble->hide();
    }
    return QWidget::eventFilter(watched, event);
}
