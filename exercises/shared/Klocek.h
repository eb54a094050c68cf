#pragma once
// TKlocek: the word tile the learner drags. One control serves every screen that moves words
// about: matching pairs (into slots), table sorting (into cells), word ordering (onto another
// tile, to swap) and dialogue completion (into slots inside flowing text, where the slot then
// shows the word and the tile hides).
//
// The tile is a child of its form. A left press raises it and keeps the grab point; it then
// follows the pointer, clamped to the form. At release it asks its drop handler what the
// release means and carries the answer out: it goes into a place, flies home or back to where
// the drag started, swaps places with another tile, or hides. After a check the screen
// freezes it. It draws its skin face from a cached picture, so a move costs no more than
// uncovering what lay under it.

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

class QVariantAnimation;

class TKlocek : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKlocek)
public:
    // How a tile looks: the left end, the middle stretched between the ends and the right end
    // of its skin face, an optional one-pixel border, and its caption's font and colour.
    struct TFace
    {
        QPixmap Left;
        QPixmap Middle;
        QPixmap Right;
        QColor Border; // none when invalid
        QFont Font;
        QColor Colour = Qt::black;
        int CaptionTop = -1; // top of the caption's line; -1 centres it
    };

    // What a release means, as the drop handler answers it.
    struct TDrop
    {
        enum class Kind {
            Home,  // fly back to the home position
            Back,  // fly back to where this drag started
            Place, // lie at At (form coordinates), which stays its position until moved
            Swap,  // trade places with Other: each flies to the other's home, which becomes its own
            Hide,  // the place took the word: the tile hides where it is
            Stay   // stay where it was released
        };
        Kind What = Kind::Home;
        QPoint At;
        QPointer<TKlocek> Other;

        static TDrop ToHome() { return {}; }
        static TDrop ToDragStart() { return {Kind::Back, {}, {}}; }
        static TDrop Into(QPoint at) { return {Kind::Place, at, {}}; }
        static TDrop SwapWith(TKlocek *other) { return {Kind::Swap, {}, other}; }
        static TDrop Hidden() { return {Kind::Hide, {}, {}}; }
        static TDrop Kept() { return {Kind::Stay, {}, {}}; }
    };
    // Called at release with the pointer in form coordinates.
    using DropHandler = std::function<TDrop(TKlocek &tile, QPoint formPoint)>;

    explicit TKlocek(QWidget *form);
    ~TKlocek() override;

    void SetFace(const TFace &face);
    const TFace &Face() const { return m_face; }
    void SetCaption(const QString &caption);
    QString Caption() const { return m_caption; }
    // The width of the caption in the face's font, for sizing tiles.
    int CaptionWidth() const;

    void SetDropHandler(DropHandler handler) { m_onDrop = std::move(handler); }

    // The position it flies back to; SetHome does not move it.
    void SetHome(QPoint home) { m_home = home; }
    QPoint Home() const { return m_home; }
    // Moves at once (no flight) and stops a flight under way.
    void MoveTo(QPoint topLeft);
    // Flies home; at once when flights are off.
    void GoHome();
    void FlyTo(QPoint topLeft);
    bool IsFlying() const;
    // Ends a flight under way at its destination.
    void FinishFlight();
    // Length of every tile's flight in milliseconds; 0 moves tiles at once.
    static void SetFlightDuration(int ms);
    static int FlightDuration();

    // A frozen tile cannot be dragged (after a check).
    void SetFrozen(bool frozen);
    bool IsFrozen() const { return m_frozen; }
    bool IsDragging() const { return m_dragging; }
    QPoint DragStart() const { return m_dragStart; }
    // The pointer while dragging (the hand by default).
    void SetDragCursor(const QCursor &cursor) { m_dragCursor = cursor; }

    // Starts a drag as a left press at grab (tile coordinates) would, also when the press
    // went to another control (dialogue completion lifts a tile out of a slot this way).
    void BeginDrag(QPoint grab);

    // A mark drawn over the face with its top-left corner at `at`; a null picture clears it.
    void SetMark(const QPixmap &mark, QPoint at = QPoint(0, 0));
    bool HasMark() const { return !m_mark.isNull(); }

    // The hover hint (the program's hint window shows it); empty for none.
    void SetHint(const QString &hint);
    QString Hint() const { return toolTip(); }

    // The word of the caption under point (tile coordinates), for the dictionary look-up;
    // empty between and beside the words.
    QString WordAt(QPoint point) const;

signals:
    void DragStarted(TKlocek *tile);
    void Dropped(TKlocek *tile, const TKlocek::TDrop &drop);
    // A right press on a word of the caption.
    void WordRequested(const QString &word);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void StartDrag(QPoint grab, bool grabMouseNow);
    void Release(QPoint formPoint);
    void Follow(QPoint formPoint);
    void UpdateCursor();
    void Invalidate();
    const QPixmap &Picture();
    int CaptionLeft() const;

    TFace m_face;
    QString m_caption;
    QPixmap m_picture; // face and caption at the current size
    QPixmap m_mark;
    QPoint m_markAt;
    QPoint m_home;
    QPoint m_dragStart;
    QPoint m_grab;
    QCursor m_dragCursor{Qt::PointingHandCursor};
    bool m_dragging = false;
    bool m_grabbedMouse = false;
    bool m_frozen = false;
    DropHandler m_onDrop;
    QVariantAnimation *m_flight = nullptr;
};
