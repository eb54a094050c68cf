#include "runtime/uFrmWyborCwiczenia.h"

#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
#include "exercises/frame/ExerciseScreen.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/MyHint.h"
#include "skin/VelBelka.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <map>

using namespace Qt::StringLiterals;
using Course::TElement;

TfrmWyborCwiczenia *frmWyborCwiczenia = nullptr;

namespace {

std::map<int, ExerciseOpener> &openers()
{
    static std::map<int, ExerciseOpener> registry;
    return registry;
}

bool anyExerciseScreenVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (qobject_cast<TExerciseScreen *>(window) && window->isVisible())
            return true;
    }
    return false;
}

QString displayTitle(const TElement &node)
{
    return Utils::GetField(3, node.Title, u'=');
}

bool isScheduled(const QString &repeatDate)
{
    return !repeatDate.isEmpty() && repeatDate != u"0";
}

// A stored date year first, shown day first.
QString reversedDate(const QString &repeatDate)
{
    return Utils::GetField(3, repeatDate, u'-') + u'-' + Utils::GetField(2, repeatDate, u'-') + u'-' +
           Utils::GetField(1, repeatDate, u'-');
}

// The rows below node that are visible while node is expanded, in display order.
void visibleDescendants(const TElement &node, QStringList &rows)
{
    for (const TElement *child : node.Children) {
        rows.append(child->Title);
        if (child->Expanded)
            visibleDescendants(*child, rows);
    }
}

// The row pictures of the bundle, decoded once per run.
class RowPictures
{
public:
    const QPixmap &Get(const QString &name)
    {
        auto it = m_pictures.find(name);
        if (it == m_pictures.end())
            it = m_pictures.insert(name, QPixmap::fromImage(SkinPictureOrNull(CurrentSkin().Handle, name)));
        return *it;
    }
    // A background picture stretched to one row, scaled once.
    const QPixmap &Stretched(const QString &name, const QSize &size)
    {
        const QString key =
            name + u'@' + QString::number(size.width()) + u'x' + QString::number(size.height());
        auto it = m_pictures.find(key);
        if (it == m_pictures.end()) {
            QPixmap source = Get(name);
            if (!source.isNull() && source.size() != size)
                source = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            it = m_pictures.insert(key, source);
        }
        return *it;
    }

private:
    QHash<QString, QPixmap> m_pictures;
};

RowPictures &rowPictures()
{
    static RowPictures pictures;
    return pictures;
}

// The list icon of a kind. Kinds without a picture of their own borrow the one of their family,
// so that every row shows an icon; the word items of variant 4 (41, 42, 44, 48) have their own.
QString kindIconName(int kind, int pictureVariant)
{
    using namespace Course::ExerciseKind;
    switch (kind) {
    case PackageOfFiles:
        return u"Typ_101_%1"_s.arg(pictureVariant == 2 ? 2 : 1);
    case DialoguePackage:
        return u"Typ_102"_s;
    case SentencePackage:
        return u"Typ_103"_s;
    case PackageFile:
    case Package104:
        return u"Typ_101_1"_s;
    case DialogueItem12:
    case DialogueArranging:
        return u"Typ_11"_s;
    default:
        return u"Typ_%1"_s.arg(kind);
    }
}

void drawPicture(QPainter &painter, int x, int y, const QString &name)
{
    const QPixmap &picture = rowPictures().Get(name);
    if (!picture.isNull())
        painter.drawPixmap(x, y, picture);
}

QFont rowFont(int pixelSize)
{
    QFont font(u"Tahoma"_s);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void drawText(QPainter &painter, int x, int y, int width, const QString &text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, width);
    painter.drawText(QRect(x, y, width, 24), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
}

// One row of either list, as the table of contents draws it.
void drawRow(QPainter &painter, const TElement &node, const QRect &rect, bool hot)
{
    const int y = rect.top();
    const int x0 = rect.left();
    painter.save();
    painter.translate(x0, 0);
    painter.fillRect(QRect(0, y, rect.width(), rect.height()), QColor(145, 145, 145));

    if (node.NodeType == Course::NodeType::RootOrGroup) {
        painter.drawPixmap(0, y,
                           rowPictures().Stretched(hot ? u"Tabka_Hover"_s : u"Tabka_UP"_s, QSize(798, 24)));
        drawPicture(painter, 24, y + 1, u"IMG_Books"_s);
        painter.setFont(rowFont(15));
        painter.setPen(QColor(6, 54, 99));
        drawText(painter, 55, y + 3, 740, displayTitle(node));
        painter.restore();
        return;
    }

    const bool item = node.NodeType == Course::NodeType::PackageItem;
    const QString background = item ? (hot ? u"Wiersz_L2_Hover"_s : u"Wiersz_L2_Up"_s)
                                    : (hot ? u"Wiersz_L1_Hover"_s : u"Wiersz_L1_UP"_s);
    painter.drawPixmap(0, y, rowPictures().Stretched(background, QSize(798, 24)));
    painter.setFont(rowFont(13));
    painter.setPen(hot ? QColor(0, 41, 79) : QColor(80, 80, 80));
    const QString icon = kindIconName(node.Kind, node.PictureVariant);

    if (item) {
        drawPicture(painter, 83, y + 2, icon);
        drawText(painter, 111, y + 3, 390 - 111, displayTitle(node));
    } else {
        const bool package = node.NodeType == Course::NodeType::Package;
        drawPicture(painter, 55, package ? y + 2 : y, icon);
        drawText(painter, 83, y + 3, 370 - 83, displayTitle(node));
        if (node.Level >= 1 && node.Level <= 4)
            drawPicture(painter, 375, y + 4, u"img_poz%1"_s.arg(node.Level));
        const int k = node.ChildCount();
        if (package && k > 0) {
            drawPicture(painter, 780, y + 10, node.Expanded ? u"IMG_Minus"_s : u"IMG_Plus"_s);
            for (int g = 0; g < k; ++g) {
                const TElement &child = *node.Children.at(g);
                drawPicture(painter, 780 - 29 * k + 29 * g, y + 2,
                            kindIconName(child.Kind, child.PictureVariant));
            }
        }
    }

    if (node.HasResult && node.Progress >= 0) {
        drawPicture(painter, 400, y + 9, u"img_prtlo"_s);
        const QPixmap &bar = rowPictures().Get(u"img_pr"_s);
        const int filled = qBound(0, node.Progress / 2, 50);
        if (!bar.isNull() && filled > 0)
            painter.drawPixmap(400, y + 9, bar, 0, 0, filled, bar.height());
        drawText(painter, 464, y + 3, 519 - 464, u"%1%"_s.arg(node.Progress));
        drawText(painter, 519, y + 3, 600 - 519, node.LastDate);
    }
    painter.restore();
}

} // namespace

void RegisterExerciseOpener(int kind, ExerciseOpener opener)
{
    if (opener)
        openers()[kind] = std::move(opener);
    else
        openers().erase(kind);
}

void RegisterExerciseOpeners(const QList<TExerciseOpener> &openers, IExerciseHost &host)
{
    for (const TExerciseOpener &opener : openers) {
        RegisterExerciseOpener(opener.Kind,
                               [open = opener.Open, &host](const QString &path, const QString &marks) {
                                   open(path, marks, host);
                               });
    }
}

void UnregisterExerciseOpeners()
{
    openers().clear();
}

bool HasExerciseOpener(int kind)
{
    return openers().count(kind) > 0;
}

void OpenExercise(int kind, const QString &fileName, const QString &mediaMarks)
{
    const auto it = openers().find(kind);
    if (it != openers().end()) {
        const ExerciseOpener opener = it->second; // the routine may register others meanwhile
        opener(Utils::ProgramPath(u"\\Dane\\"_s + fileName), mediaMarks);
    } else {
        // A kind whose screen this installation lacks says so instead of doing nothing.
        const QString text = Utils::GetInterfaceText(UnavailableKindText);
        const QString caption = Utils::GetInterfaceText(59);
        ShowSkinnedMessage(text.isEmpty() ? u"To ćwiczenie nie jest dostępne w tej wersji programu."_s : text,
                           caption.isEmpty() ? u"Informacja"_s : caption, smInformation);
    }
    TfrmWyborCwiczenia *selection = frmWyborCwiczenia;
    if (!selection)
        return;
    if (anyExerciseScreenVisible()) {
        if (selection->isVisible())
            selection->hide();
        return;
    }
    // Nothing opened (a kind without a screen, a missing file): the learner stays on the table
    // of contents instead of facing the bare backdrop.
    selection->show();
    selection->raise();
    selection->CurrentList()->setEnabled(true);
}

TfrmWyborCwiczenia::TfrmWyborCwiczenia(TfrmNawigacja *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(u"frmWyborCwiczenia"_s);
    setWindowTitle(Utils::ProductCaption());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(1024, 768);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(145, 145, 145));
    setPalette(pal);
    CreateComponents();
    ApplySkin(this);
    if (m_host) {
        FillList(m_exerciseList, m_host->Catalogue().Root());
        connect(m_host, &TfrmNawigacja::CatalogueReloaded, this, [this] { RefillList(CatalogueMode); });
    }
    ApplyInterfaceTexts();
}

TfrmWyborCwiczenia::~TfrmWyborCwiczenia()
{
    if (frmWyborCwiczenia == this)
        frmWyborCwiczenia = nullptr;
}

void TfrmWyborCwiczenia::CreateComponents()
{
    m_background =
        new Utils::TDeferredPictureLabel(this, Utils::ProgramPath(u"\\Gfx\\wyborcwiczenia_tlo.bmp"_s));
    m_background->setObjectName(u"IMG_Tlo"_s);
    m_background->setGeometry(0, 50, 1024, 718);

    m_belka = new TVelBelka(this);
    m_belka->setObjectName(u"Belka"_s);
    m_belka->setGeometry(0, 0, 1024, 50);

    auto label = [this](const QString &name, int x, int y, int pixelSize) {
        auto *l = new TAALabel(this);
        l->setObjectName(name);
        QFont f(u"Tahoma"_s);
        f.setPixelSize(pixelSize);
        l->SetFont(f);
        l->SetFontColor(QColor(170, 170, 170));
        l->SetAutoSize(true);
        l->move(x, y);
        return l;
    };
    m_heading = label(u"lblSpisTresci"_s, 219, 96, 21);
    m_lblWykonano = label(u"lblWykonano"_s, 609, 142, 13);
    m_lblOstatnio = label(u"lblOstatnio"_s, 734, 142, 13);
    m_lblCwiczenia = label(u"lblCwiczenia"_s, 890, 142, 13);

    auto list = [this](const QString &name) {
        auto *l = new TVelListBox(this);
        l->setObjectName(name);
        l->setGeometry(203, 166, 798, 552);
        l->SetItemHeight(RowHeight);
        l->setMouseTracking(true);
        l->viewport()->setMouseTracking(true);
        l->viewport()->installEventFilter(this);
        l->installEventFilter(this);
        l->OnDrawItem = [this, l](QPainter &painter, int index, const QRect &rect, bool, bool hot) {
            if (const TElement *node = NodeOfRow(l, index))
                drawRow(painter, *node, rect, hot);
        };
        return l;
    };
    m_exerciseList = list(u"DrzewoLista_Cwiczenia"_s);
    m_repetitionList = list(u"DrzewoLista_Powtorki"_s);
    m_repetitionList->hide();

    m_scrollBar = new TALScrollBar(this);
    m_scrollBar->setObjectName(u"SB"_s);
    m_scrollBar->setGeometry(1003, 166, 21, 552);
    m_scrollBar->SetSkinPictures();
    m_scrollBar->SetMin(0);
    m_scrollBar->SetLargeChange(VisibleRows);
    m_scrollBar->hide();
    connect(m_scrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        if (CurrentList()->TopIndex() != position)
            CurrentList()->SetTopIndex(position);
    });

    auto button = [this](const QString &name, int x) {
        auto *b = new TVelResButton(this);
        b->setObjectName(name);
        b->SetRozmiar(roz22);
        QFont f(u"Trebuchet MS"_s);
        f.setPixelSize(15);
        b->setFont(f);
        b->setGeometry(x, 724, 167, 22);
        return b;
    };
    m_btnExpand = button(u"btnExpand"_s, 203);
    m_btnCollapse = button(u"btnCollapse"_s, 376);
    connect(m_btnExpand, &QAbstractButton::clicked, this, [this] { ExpandAll(); });
    connect(m_btnCollapse, &QAbstractButton::clicked, this, [this] { CollapseAll(); });

    // Keeps SB in step with wheel and keyboard scrolling of the list. It runs only while the
    // screen is shown.
    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, [this] { SyncScrollBar(); });
}

void TfrmWyborCwiczenia::SetSelectionMode(int mode)
{
    m_mode = mode == RepetitionsMode ? RepetitionsMode : CatalogueMode;
    m_exerciseList->setVisible(m_mode == CatalogueMode);
    m_repetitionList->setVisible(m_mode == RepetitionsMode);
    ApplyInterfaceTexts();
    UpdateScrollBar();
}

TVelListBox *TfrmWyborCwiczenia::CurrentList() const
{
    return m_mode == RepetitionsMode ? m_repetitionList : m_exerciseList;
}

const QList<TElement *> &TfrmWyborCwiczenia::ListOfMode(const TVelListBox *list) const
{
    static const QList<TElement *> none;
    if (!m_host)
        return none;
    return list == m_repetitionList ? m_host->RepetitionList() : m_host->CatalogueList();
}

void TfrmWyborCwiczenia::FillList(TVelListBox *list, TElement *node)
{
    if (!list || !node)
        return;
    QStringList rows;
    visibleDescendants(*node, rows);
    list->addItems(rows);
}

void TfrmWyborCwiczenia::RefillList(int mode)
{
    TVelListBox *list = mode == RepetitionsMode ? m_repetitionList : m_exerciseList;
    list->setUpdatesEnabled(false);
    list->clear();
    list->SetHotIndex(-1);
    if (m_host)
        FillList(list, mode == RepetitionsMode ? m_host->Repetitions().Root() : m_host->Catalogue().Root());
    list->setUpdatesEnabled(true);
    // Lays the rows out now, so that the top row can be set before the next paint.
    list->doItemsLayout();
    if (mode == m_mode)
        UpdateScrollBar();
}

void TfrmWyborCwiczenia::UpdateScrollBar()
{
    TVelListBox *list = CurrentList();
    const int rows = list->Count();
    if (rows > VisibleRows) {
        m_scrollBar->SetMax(rows - VisibleRows);
        m_scrollBar->show();
        SyncScrollBar();
    } else {
        m_scrollBar->hide();
        list->SetTopIndex(0);
    }
}

void TfrmWyborCwiczenia::SyncScrollBar()
{
    if (!m_scrollBar->isVisibleTo(this))
        return;
    const int top = CurrentList()->TopIndex();
    if (m_scrollBar->Position() != top)
        m_scrollBar->SetPosition(top);
}

void TfrmWyborCwiczenia::ExpandAll()
{
    if (!m_host)
        return;
    Course::SetExpandedAll(m_mode == RepetitionsMode ? m_host->Repetitions() : m_host->Catalogue(), true);
    RefillList(m_mode);
    ScrollToTop();
}

void TfrmWyborCwiczenia::CollapseAll()
{
    if (!m_host)
        return;
    Course::SetExpandedAll(m_mode == RepetitionsMode ? m_host->Repetitions() : m_host->Catalogue(), false);
    RefillList(m_mode);
    ScrollToTop();
}

void TfrmWyborCwiczenia::ScrollToTop()
{
    // A list filled anew starts at its first row, and the bar with it, whatever either showed
    // before (a bar hidden while the list was short keeps its old position otherwise).
    m_scrollBar->SetPosition(0);
    CurrentList()->SetTopIndex(0);
    CurrentList()->setCurrentRow(-1);
}

void TfrmWyborCwiczenia::ApplyInterfaceTexts()
{
    m_heading->SetCaption(u" "_s + Utils::GetInterfaceText(m_mode == RepetitionsMode ? 87 : 117));
    m_lblWykonano->SetCaption(u" "_s + Utils::GetInterfaceText(114));
    m_lblOstatnio->SetCaption(u" "_s + Utils::GetInterfaceText(115));
    m_lblCwiczenia->SetCaption(u" "_s + Utils::GetInterfaceText(116));
    m_btnExpand->SetCaption(Utils::GetInterfaceText(86));
    m_btnCollapse->SetCaption(Utils::GetInterfaceText(85));
}

QString TfrmWyborCwiczenia::KindIconName(int kind, int pictureVariant)
{
    return kindIconName(kind, pictureVariant);
}

QString TfrmWyborCwiczenia::HelpPage() const
{
    return m_mode == RepetitionsMode ? u"h_rep.html"_s : u"h_index.html"_s;
}

TElement *TfrmWyborCwiczenia::NodeOfRow(const TVelListBox *list, int row) const
{
    if (!list || row < 0 || row >= list->Count())
        return nullptr;
    bool ok = false;
    const int index = Utils::GetField(1, list->ItemText(row), u'=').toInt(&ok);
    const QList<TElement *> &nodes = ListOfMode(list);
    if (!ok || index < 0 || index >= nodes.size())
        return nullptr;
    return nodes.at(index);
}

TfrmWyborCwiczenia::Hit TfrmWyborCwiczenia::HitZone(const TElement &node, int x)
{
    switch (node.NodeType) {
    case Course::NodeType::RootOrGroup:
        return {Zone::Toggle, 0};
    case Course::NodeType::Exercise:
        if (x >= 55 && x <= 365)
            return {Zone::Open, 0};
        if (x >= 604 && x <= 620)
            return {Zone::RepetitionHint, 0};
        return {};
    case Course::NodeType::Package: {
        if (x >= 55 && x <= 365)
            return {Zone::OpenFirstItem, 0};
        if (x >= 780 && x <= 789)
            return {Zone::Toggle, 0};
        if (x >= 604 && x <= 620)
            return {Zone::RepetitionHint, 0};
        const int k = node.ChildCount();
        for (int g = 1; g <= k; ++g) {
            const int left = 780 - 29 * k + 29 * (g - 1);
            if (x >= left && x <= left + 24)
                return {Zone::OpenItem, g};
        }
        return {};
    }
    case Course::NodeType::PackageItem:
        if (x >= 83 && x <= 365)
            return {Zone::Open, 0};
        return {};
    default:
        return {};
    }
}

QString TfrmWyborCwiczenia::RepetitionHint(const TElement &node)
{
    if (node.NodeType == Course::NodeType::Exercise) {
        if (!isScheduled(node.RepeatDate))
            return QString();
        return u"<B> "_s + displayTitle(node) + u" </B> - "_s + reversedDate(node.RepeatDate);
    }
    if (node.NodeType == Course::NodeType::Package && !isScheduled(node.RepeatDate)) {
        QString hint;
        for (const TElement *item : node.Children) {
            if (isScheduled(item->RepeatDate))
                hint +=
                    u" <BR> <B> "_s + displayTitle(*item) + u" </B> - "_s + reversedDate(item->RepeatDate);
        }
        return hint.mid(6);
    }
    return QString();
}

void TfrmWyborCwiczenia::ToggleRow(TVelListBox *list, int row)
{
    TElement *node = NodeOfRow(list, row);
    if (!node)
        return;
    list->setUpdatesEnabled(false);
    if (node->Expanded) {
        QStringList shown;
        visibleDescendants(*node, shown);
        for (qsizetype i = 0; i < shown.size() && row + 1 < list->count(); ++i)
            delete list->takeItem(row + 1);
    } else {
        QStringList rows;
        visibleDescendants(*node, rows);
        list->insertItems(row + 1, rows);
    }
    node->Expanded = !node->Expanded;
    list->setUpdatesEnabled(true);
    list->doItemsLayout();
    list->viewport()->update();
    UpdateScrollBar();
}

void TfrmWyborCwiczenia::OpenNode(TVelListBox *list, TElement *node, bool disableList)
{
    if (!node || !m_host)
        return;
    if (disableList)
        list->setEnabled(false);
    m_host->SetCurrent(node);
    OpenExercise(node->Kind, node->FileName, node->MediaMarks);
}

void TfrmWyborCwiczenia::ActivateRow(TVelListBox *list, int row, int x)
{
    TElement *node = NodeOfRow(list, row);
    if (!node)
        return;
    const Hit hit = HitZone(*node, x);
    switch (hit.zone) {
    case Zone::Toggle:
        ToggleRow(list, row);
        break;
    case Zone::Open:
        OpenNode(list, node, true);
        break;
    case Zone::OpenFirstItem:
        if (node->ChildCount() > 0)
            OpenNode(list, node->Children.first(), true);
        break;
    case Zone::OpenItem:
        OpenNode(list, node->Children.at(hit.item - 1), false);
        break;
    case Zone::RepetitionHint:
    case Zone::None:
        break;
    }
}

bool TfrmWyborCwiczenia::eventFilter(QObject *watched, QEvent *event)
{
    TVelListBox *list = nullptr;
    if (watched == m_exerciseList->viewport() || watched == m_exerciseList)
        list = m_exerciseList;
    else if (watched == m_repetitionList->viewport() || watched == m_repetitionList)
        list = m_repetitionList;
    if (!list)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseMove: {
        if (watched != list->viewport())
            break;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pos = mouse->position().toPoint();
        const int row = list->ItemAtPos(pos);
        if (row != list->HotIndex()) {
            list->SetHotIndex(row);
            list->setToolTip(QString());
        }
        const TElement *node = NodeOfRow(list, row);
        const Hit hit = node ? HitZone(*node, pos.x()) : Hit{};
        QString hint;
        bool hand = hit.zone != Zone::None;
        if (hit.zone == Zone::RepetitionHint && list == m_exerciseList) {
            hint = RepetitionHint(*node);
            hand = !hint.isEmpty();
        }
        list->viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
        if (list->toolTip() != hint) {
            list->setToolTip(hint);
            TMyHint::RefreshHint(list);
        }
        break;
    }
    case QEvent::Leave:
        if (watched == list->viewport()) {
            list->SetHotIndex(-1);
            list->setToolTip(QString());
        }
        break;
    case QEvent::ToolTip:
        // The hint of the list is the one of the row part under the mouse; the viewport asks it.
        break;
    case QEvent::MouseButtonRelease: {
        if (watched != list->viewport())
            break;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const QPoint pos = mouse->position().toPoint();
        const int row = list->ItemAtPos(pos);
        if (row >= 0)
            ActivateRow(list, row, pos.x());
        return true;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1) {
            OpenHelp(HelpPage(), true, this);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmWyborCwiczenia::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(HelpPage(), true, this);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (auto *back = findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s); back && back->isEnabled())
            back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmWyborCwiczenia::showEvent(QShowEvent *event)
{
    // The background is decoded when the screen first appears; the scroll bar's own
    // background is the piece of it under the bar.
    if (!m_scrollBarBackground) {
        m_scrollBarBackground = true;
        if (m_background->LoadPicture())
            m_scrollBar->SetIMG_BKG(
                m_background->pixmap().toImage().copy(m_scrollBar->geometry().translated(0, -50)));
    }
    Utils::CentreOnScreen(this);
    QWidget::showEvent(event);
    if (m_host)
        m_host->SetupExerciseTitleBar(m_belka);
    UpdateScrollBar();
    ApplyInterfaceTexts();
    m_timer->start();
}

void TfrmWyborCwiczenia::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    CurrentList()->SetHotIndex(-1);
    QWidget::hideEvent(event);
}
