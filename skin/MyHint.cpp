#include "skin/MyHint.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QPointer<TMyHint> &HintInstance()
{
    static QPointer<TMyHint> instance;
    return instance;
}

QFont HintFont()
{
    QFont font(u"Verdana"_s);
    font.setPixelSize(11);
    return font;
}

// Shows the hint of whatever widget asks for a tooltip, and hides it on the events that end
// a tooltip.
class THintFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        TMyHint *hint = HintInstance();
        if (!hint)
            return false;
        switch (event->type()) {
        case QEvent::ToolTip: {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (!widget)
                return false;
            const auto *help = static_cast<QHelpEvent *>(event);
            QString text;
            for (QWidget *w = widget; w && text.isEmpty(); w = w->isWindow() ? nullptr : w->parentWidget())
                text = w->toolTip();
            m_owner = widget;
            hint->ShowHint(help->globalPos(), text);
            return true;
        }
        case QEvent::Leave:
            if (watched == m_owner)
                hint->hide();
            break;
        case QEvent::ToolTipChange:
            // A hint cleared while shown (hover hints of painted areas) takes the window away.
            if (watched == m_owner && static_cast<QWidget *>(watched)->toolTip().isEmpty())
                hint->hide();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::WindowDeactivate:
            if (hint->isVisible())
                hint->hide();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QObject> m_owner;
};

} // namespace

TMyHint::Layout TMyHint::LayoutHint(const QString &hint, const QFont &font)
{
    Layout layout;
    if (hint.trimmed().isEmpty())
        return layout;
    QFont bold(font);
    bold.setBold(true);
    const QFontMetrics normalMetrics(font);
    const QFontMetrics boldMetrics(bold);
    int line = 1;
    int x = 10;
    int widest = 0;
    bool inBold = false;
    const QStringList words = hint.split(u' ', Qt::SkipEmptyParts);
    for (QString word : words) {
        if (word == u"<BR>"_s) {
            widest = qMax(widest, x);
            ++line;
            x = 10;
            continue;
        }
        if (word.contains(u"<B>"_s)) {
            inBold = true;
            word.remove(u"<B>"_s);
        }
        const bool ends = word.contains(u"</B>"_s);
        word.remove(u"</B>"_s);
        if (!word.isEmpty()) {
            layout.Words.append({word, inBold, QPoint(x, 20 * line - 18), line});
            x += (inBold ? boldMetrics : normalMetrics).horizontalAdvance(word) + 4;
        }
        if (ends)
            inBold = false;
    }
    widest = qMax(widest, x);
    layout.Lines = line;
    // The window grows by the widest line and by 20 pixels for every line after the first.
    layout.Size = QSize(widest + 6, 20 + 20 * (line - 1) + 2);
    return layout;
}

TMyHint::TMyHint(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_font(HintFont())
{
    setObjectName(u"MyHint"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

TMyHint::~TMyHint() = default;

void TMyHint::ShowHint(const QPoint &globalPos, const QString &text)
{
    m_text = text;
    m_layout = LayoutHint(text, m_font);
    if (m_layout.Words.isEmpty()) {
        hide();
        return;
    }
    QPoint pos = globalPos + QPoint(0, 20);
    if (const QScreen *screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->geometry();
        pos.setX(qMin(pos.x(), area.right() - m_layout.Size.width()));
        if (pos.y() + m_layout.Size.height() > area.bottom())
            pos.setY(globalPos.y() - m_layout.Size.height() - 4);
    }
    setGeometry(QRect(pos, m_layout.Size));
    show();
    raise();
    update();
}

void TMyHint::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 236));
    painter.setPen(QColor(6, 54, 99));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont bold(m_font);
    bold.setBold(true);
    const QFontMetrics metrics(m_font);
    for (const Word &word : m_layout.Words) {
        painter.setFont(word.Bold ? bold : m_font);
        painter.setPen(word.Bold ? QColor(255, 0, 0) : QColor(Qt::black));
        painter.drawText(QPoint(word.Pos.x(), word.Pos.y() + 2 + metrics.ascent()), word.Text);
    }
}

void TMyHint::Install()
{
    if (HintInstance() || !qApp)
        return;
    auto *hint = new TMyHint();
    HintInstance() = hint;
    qApp->installEventFilter(new THintFilter(hint));
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, hint, [hint] { delete hint; });
}

TMyHint *TMyHint::Instance()
{
    return HintInstance();
}

void TMyHint::RefreshHint(QWidget *control)
{
    TMyHint *hint = Instance();
    if (!control || !hint)
        return;
    const QPoint global = QCursor::pos();
    const QPoint local = control->mapFromGlobal(global);
    if (!control->rect().contains(local))
        return;
    QHelpEvent event(QEvent::ToolTip, local, global);
    QApplication::sendEvent(control, &event);
}
