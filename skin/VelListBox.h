#pragma once
// TVelListBox: an owner-drawn list without scroll bars of its own and without a focus frame;
// screens pair it with a picture scroll bar and draw each row through OnDrawItem.

#include <QListWidget>

#include <functional>

class TVelListBox : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelListBox)
public:
    explicit TVelListBox(QWidget *parent = nullptr);
    ~TVelListBox() override;

    // Every row is this high (default 24).
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);

    // Rows as texts (the stored form of the screens' rows).
    void AddItem(const QString &text);
    QString ItemText(int index) const;
    int Count() const { return count(); }

    // The first visible row, as the scroll bars set it.
    int TopIndex() const;
    void SetTopIndex(int index);
    // Row under a point of the list, -1 for none.
    int ItemAtPos(const QPoint &pos) const;
    // Rows that do not fit: count - whole rows that fit in the height (0 when all fit).
    int GetScrollBarMax() const;

    // The row the mouse is over (-1 for none); screens draw it "hot".
    int HotIndex() const { return m_hot; }
    void SetHotIndex(int index);

    // Draws one row into rect; selected is the current row, hot the one under the mouse.
    std::function<void(QPainter &painter, int index, const QRect &rect, bool selected, bool hot)> OnDrawItem;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_itemHeight = 24;
    int m_hot = -1;
};
