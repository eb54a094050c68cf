#include "skin/VelListBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

class TVelListBoxDelegate : public QStyledItemDelegate
{
public:
    explicit TVelListBoxDelegate(TVelListBox *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool hot = index.row() == m_list->HotIndex();
        if (m_list->OnDrawItem) {
            painter->save();
            painter->setClipRect(option.rect);
            m_list->OnDrawItem(*painter, index.row(), option.rect, selected, hot);
            painter->restore();
            return;
        }
        painter->fillRect(option.rect, selected || hot ? QColor(226, 242, 250) : QColor(Qt::white));
        painter->setPen(QColor(52, 52, 52));
        painter->drawText(option.rect.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), m_list->ItemHeight()};
    }

private:
    TVelListBox *m_list;
};

} // namespace

TVelListBox::TVelListBox(QWidget *parent) : QListWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setMouseTracking(true);
    setItemDelegate(new TVelListBoxDelegate(this));
}

TVelListBox::~TVelListBox() = default;

void TVelListBox::SetItemHeight(int height)
{
    m_itemHeight = height;
    doItemsLayout();
    viewport()->update();
}

void TVelListBox::AddItem(const QString &text)
{
    addItem(text);
}

QString TVelListBox::ItemText(int index) const
{
    const QListWidgetItem *row = item(index);
    return row ? row->text() : QString();
}

int TVelListBox::TopIndex() const
{
    return verticalScrollBar()->value();
}

void TVelListBox::SetTopIndex(int index)
{
    verticalScrollBar()->setValue(index);
}

int TVelListBox::ItemAtPos(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

int TVelListBox::GetScrollBarMax() const
{
    // The list has no frame, so its own height is the rows' room even before it is shown.
    const int fit = m_itemHeight > 0 ? height() / m_itemHeight : 0;
    return qMax(0, count() - fit);
}

void TVelListBox::SetHotIndex(int index)
{
    if (index == m_hot)
        return;
    m_hot = index;
    viewport()->update();
}

void TVelListBox::mouseMoveEvent(QMouseEvent *event)
{
    SetHotIndex(ItemAtPos(event->position().toPoint()));
    QListWidget::mouseMoveEvent(event);
}

void TVelListBox::leaveEvent(QEvent *event)
{
    SetHotIndex(-1);
    QListWidget::leaveEvent(event);
}
