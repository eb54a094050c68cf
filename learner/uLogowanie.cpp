#include "learner/uLogowanie.h"

#include "app/uPodklad.h"
#include "learner/LearnerFiles.h"
#include "learner/LearnerUi.h"
#include "learner/uFrmInputPass.h"
#include "learner/uFrmNewUser.h"
#include "learner/uFrmUstawienia.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/AALabel.h"
#include "skin/VelBelka.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/WOwnrScrllBar.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using Learner::Ui::Text;

TfrmLogowanie *frmLogowanie = nullptr;

namespace {

constexpr int RowHeight = 75;
constexpr int VisibleRows = 5;
const QRect ListPlace(541, 140, 334, 375);

} // namespace

namespace {
QString backgroundPath()
{
    return Utils::ProgramPath(u"\\Gfx\\bg.bmp"_s);
}
} // namespace

void TfrmLogowanie::PrefetchBackground()
{
    Utils::PrefetchPictureFile(backgroundPath());
}

TfrmLogowanie::TfrmLogowanie(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"frmLogowanie"_s);
    setWindowTitle(Utils::ProductCaption());
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1024, 768);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(78, 78, 78));
    setPalette(pal);
    frmLogowanie = this;

    const QImage bg = Utils::LoadPictureFile(backgroundPath());
    m_background = bg.isNull() ? QImage() : bg.convertToFormat(QImage::Format_RGB32);

    VelBelka1 = new TVelBelka(this);
    VelBelka1->setObjectName(u"VelBelka1"_s);
    VelBelka1->setGeometry(0, 0, 1024, 50);
    VelBelka1->SetTekstBelki(u"Jesteś zalogowany jako:"_s);
    VelBelka1->SetPokazZalogowanie(false);

    btnBelkaHelp =
        Learner::Ui::MakeButton(this, u"btnBelkaHelp"_s, rozBelka, QRect(760, 0, 170, 48), u"Pomoc"_s);
    btnBelkaHelp->SetGlyph(Learner::Ui::SkinImage(u"IMG_Help"_s));
    connect(btnBelkaHelp, &QAbstractButton::clicked, this,
            [this] { OpenHelp(u"h_log.html"_s, false, this); });
    btnMinimize = Learner::Ui::MakeSmallButton(this, u"btnMinimize"_s, {948, 0}, u"IMG_Min"_s);
    connect(btnMinimize, &QAbstractButton::clicked, this, [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    btnClose = Learner::Ui::MakeSmallButton(this, u"btnClose"_s, {982, 0}, u"IMG_Close"_s);
    connect(btnClose, &QAbstractButton::clicked, this, [this] {
        if (ShowSkinnedMessage(Utils::GetInterfaceText(34), Utils::GetInterfaceText(33), smQuestion) != 1)
            return;
        emit QuitRequested();
        if (frmPodklad)
            frmPodklad->close();
        else
            QCoreApplication::quit();
    });

    QFont big(u"Trebuchet MS"_s);
    big.setPixelSize(24);
    lblWybierz = new TAALabel(this);
    lblWybierz->setObjectName(u"lblWybierz"_s);
    lblWybierz->setGeometry(88, 262, 418, 29);
    lblWybierz->SetAlignment(taRightJustify);
    lblWybierz->SetFont(big);
    lblWybierz->SetFontColor(Qt::white);
    lblWybierz->SetCaption(u"Wybierz swój profil:"_s);

    QFont small(u"Trebuchet MS"_s);
    small.setPixelSize(14);
    lblAby = new TAALabel(this);
    lblAby->setObjectName(u"lblAby"_s);
    lblAby->setGeometry(240, 297, 266, 88);
    lblAby->SetWordWrap(true);
    lblAby->SetAlignment(taRightJustify);
    lblAby->SetFont(small);
    lblAby->SetFontColor(QColor(220, 220, 220));
    lblAby->SetCaption(u"Aby rozpocząć naukę z programem, wybierz swój profil użytkownika."_s);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(526, 50, 1, 718);
    QPixmap line(1, 718);
    line.fill(QColor(255, 255, 255, 90));
    Image1->setPixmap(line);

    Lista = new TVelListBox(this);
    Lista->setObjectName(u"Lista"_s);
    Lista->setGeometry(ListPlace);
    Lista->SetItemHeight(RowHeight);
    Lista->setFocusPolicy(Qt::StrongFocus);
    QFont listFont(u"Trebuchet MS"_s);
    listFont.setPixelSize(19);
    Lista->setFont(listFont);
    Lista->setStyleSheet(u"QListWidget { background: transparent; }"_s);
    Lista->viewport()->setAutoFillBackground(false);
    Lista->OnDrawItem = [this](QPainter &painter, int index, const QRect &rect, bool, bool hot) {
        DrawRow(painter, index, rect, hot);
    };
    Lista->viewport()->installEventFilter(this);
    Lista->installEventFilter(this);

    SB = new TWOwnrScrllBar(this);
    SB->setObjectName(u"SB"_s);
    SB->setGeometry(876, 140, 18, 375);
    SB->SetSkinPictures();
    SB->SetSmallChange(1);
    SB->SetLargeChange(4);
    SB->SetMin(0);
    if (!m_background.isNull())
        SB->SetIMG_BKG(m_background.copy(876, 140 - 50, 18, 375));
    connect(SB, &QAbstractSlider::valueChanged, this, [this](int position) {
        Lista->SetTopIndex(position);
        Lista->viewport()->update();
    });
    // The wheel scrolls the list itself; the bar follows it.
    connect(Lista->verticalScrollBar(), &QAbstractSlider::valueChanged, this, [this](int top) {
        if (SB->Position() != top)
            SB->SetPosition(top);
    });

    btnStworzProfil = Learner::Ui::MakeButton(this, u"btnStworzProfil"_s, roz32, QRect(541, 541, 334, 32),
                                              u"Stwórz nowy profil użytkownika"_s);
    connect(btnStworzProfil, &QAbstractButton::clicked, this, [this] { CreateProfile(); });

    ApplySkin(this);
    LoadProfileList();
    RebuildRows();
}

TfrmLogowanie::~TfrmLogowanie()
{
    if (frmLogowanie == this)
        frmLogowanie = nullptr;
}

QString TfrmLogowanie::UsersFolder()
{
    return Utils::ProgramPath(u"\\Users"_s);
}

void TfrmLogowanie::LoadProfileList()
{
    // What a save cut short by the end of the program left behind is of no use to anyone.
    Learner::Files::RemoveInterruptedSaves(UsersFolder());
    QString message;
    const QDate today = frmNawigacja ? frmNawigacja->Today() : QDate::currentDate();
    if (!m_profiles.Load(Learner::ProfileListPath(UsersFolder()), today, &message))
        ShowError(message);
}

bool TfrmLogowanie::SaveProfileList()
{
    QString error;
    if (m_profiles.Save(Learner::ProfileListPath(UsersFolder()), &error))
        return true;
    ShowError(error);
    return false;
}

void TfrmLogowanie::ShowError(const QString &text)
{
    Learner::Ui::ReportProblem(text);
}

void TfrmLogowanie::RebuildRows()
{
    Lista->clear();
    for (const QString &line : std::as_const(m_profiles.Lines))
        Lista->AddItem(line);
    Lista->SetHotIndex(-1);
    UpdateScrollBar();
}

void TfrmLogowanie::UpdateScrollBar()
{
    const int count = Lista->Count();
    Lista->resize(ListPlace.width(), RowHeight * qMin(count, VisibleRows));
    const bool scrolls = count > VisibleRows;
    SB->SetMax(scrolls ? Lista->GetScrollBarMax() : 0);
    if (!scrolls) {
        SB->SetPosition(0);
        Lista->SetTopIndex(0);
    }
    SB->setVisible(scrolls);
    Lista->viewport()->update();
}

TfrmLogowanie::RowAction TfrmLogowanie::ActionAt(const QPoint &p)
{
    if (p.y() >= 55 && p.y() < 66) {
        if (p.x() >= 88 && p.x() < 99)
            return RowEdit;
        if (p.x() >= 107 && p.x() < 115)
            return RowDelete;
    }
    return RowLogin;
}

void TfrmLogowanie::DrawRow(QPainter &painter, int index, const QRect &rect, bool hot)
{
    // Drawn off-screen first so the row's pieces appear at once.
    QImage row(rect.size(), QImage::Format_ARGB32_Premultiplied);
    row.fill(QColor(78, 78, 78));
    QPainter p(&row);
    if (!m_background.isNull()) {
        const QPoint onScreen = Lista->viewport()->mapTo(this, rect.topLeft());
        p.drawImage(0, 0, m_background, onScreen.x(), onScreen.y() - 50, rect.width(), rect.height());
    }
    if (hot)
        p.drawImage(0, 0, Learner::Ui::SkinImage(u"BTN"_s));
    const QString line = m_profiles.Lines.value(index);
    const QString gender = Utils::GetField(3, line, u'=');
    const QString picture =
        (gender == u"K"_s ? u"CK"_s : u"CM"_s) + QString::number(Utils::GetField(6, line, u'=').toInt() + 1);
    const QImage figure = Learner::Ui::SkinImage(picture);
    p.drawImage(20, 8, figure);
    const int figureWidth = figure.isNull() ? 60 : figure.width();
    p.setFont(Lista->font());
    p.setPen(Qt::white);
    DrawAntiAliasedText(p, figureWidth + 28, 25, Utils::GetField(2, line, u'='));
    if (hot) {
        p.drawImage(figureWidth + 28, 55, Learner::Ui::SkinImage(u"IMG_Config"_s));
        p.drawImage(figureWidth + 11 + 36, 55, Learner::Ui::SkinImage(u"IMG_Kosz"_s));
    }
    p.end();
    painter.drawImage(rect.topLeft(), row);
}

void TfrmLogowanie::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 50, m_background);
}

void TfrmLogowanie::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    lblWybierz->SetCaption(Text(63, u"Wybierz swój profil:"_s));
    lblAby->SetCaption(Text(64, u"Aby rozpocząć naukę z programem, wybierz swój profil użytkownika."_s));
    btnStworzProfil->SetCaption(Text(65, u"Stwórz nowy profil użytkownika"_s));
    btnBelkaHelp->SetCaption(Text(27, u"Pomoc"_s));
    if (frmPodklad)
        frmPodklad->SetWaitText(Utils::GetInterfaceText(109));
    UpdateScrollBar();
}

void TfrmLogowanie::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(u"h_log.html"_s, false, this);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TfrmLogowanie::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Lista && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        OpenHelp(u"h_log.html"_s, false, this);
        return true;
    }
    if (watched == Lista->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        const int index = Lista->ItemAtPos(pos);
        if (index < 0)
            return true;
        const QPoint inRow(pos.x(), pos.y() - (index - Lista->TopIndex()) * RowHeight);
        switch (ActionAt(inRow)) {
        case RowEdit:
            EditProfile(index);
            break;
        case RowDelete:
            DeleteProfile(index);
            break;
        case RowLogin:
            LoginProfile(index);
            break;
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmLogowanie::CheckPassword(const TUser &user)
{
    if (!user.HasPassword)
        return true;
    const PasswordAnswer answer = AskProfilePassword(this);
    if (!answer.Ok)
        return false;
    if (answer.Text == user.Password)
        return true;
    ShowSkinnedMessage(Utils::GetInterfaceText(75), Utils::GetInterfaceText(59), smInformation);
    return false;
}

void TfrmLogowanie::CreateProfile()
{
    TUser user;
    if (!EditProfileDialog(user, false, m_profiles, this))
        return;
    QString error;
    if (!Learner::AddProfile(m_profiles, UsersFolder(), user, &error))
        ShowError(u"Nie udało się utworzyć profilu. "_s + error);
    RebuildRows();
}

void TfrmLogowanie::EditProfile(int index)
{
    TUser user = m_profiles.User(index);
    if (index < 0 || index >= m_profiles.Lines.size() || !CheckPassword(user))
        return;
    if (!EditProfileDialog(user, true, m_profiles, this))
        return;
    m_profiles.Lines[index] = Learner::BuildProfileLine(user);
    SaveProfileList();
    RebuildRows();
}

void TfrmLogowanie::DeleteProfile(int index)
{
    const TUser user = m_profiles.User(index);
    if (index < 0 || index >= m_profiles.Lines.size() || !CheckPassword(user))
        return;
    // "Nie" is the default: Enter alone never deletes a learner.
    if (ShowSkinnedMessage(Utils::GetInterfaceText(76), Utils::GetInterfaceText(33), smQuestionDefaultNo) !=
        1)
        return;
    QStringList left;
    QString error;
    if (!Learner::RemoveProfile(m_profiles, index, UsersFolder(), &left, &error))
        ShowError(u"Nie udało się usunąć profilu. "_s + error);
    else if (!left.isEmpty())
        ShowError(Text(120, u"Nie udało się usunąć wszystkich danych profilu. Usuń ręcznie:"_s) + u"\n"_s +
                  left.join(u'\n'));
    RebuildRows();
}

void TfrmLogowanie::LoginProfile(int index)
{
    const TUser user = m_profiles.User(index);
    if (index < 0 || index >= m_profiles.Lines.size() || !CheckPassword(user))
        return;

    const QDate today = frmNawigacja ? frmNawigacja->Today() : QDate();
    bool switched = false;
    if (m_session) {
        m_session->User = user;
        m_session->LoggedIn = true;
        switched = LoadLearnerSettings(user, m_session->Settings, today, m_switchLanguage);
    } else {
        LearnerSettings settings;
        LoadLearnerSettings(user, settings, today, {});
    }
    SaveProfileList();
    close();
    emit LoggedIn(user, switched);
}

void TfrmLogowanie::SetSession(Learner::TLearnerSession *session, std::function<void(int)> switchLanguage)
{
    m_session = session;
    m_switchLanguage = std::move(switchLanguage);
}
