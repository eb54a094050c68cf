#pragma once
// TOdkrywankaImage: one word of the uncovering game. Covered, it is a button with the word
// on its face (at rest or under the pointer); uncovered, it shows its strip of the hidden
// picture with the word and the definition written on it, and reports presses on the
// word and on the definition to the screen.

#include <QAbstractButton>
#include <QImage>

class TOdkrywankaImage : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOdkrywankaImage)
public:
    // Where the uncovered strip reacts, in its own coordinates.
    static constexpr QRect DefinitionArea{QPoint(115, 6), QPoint(299, 63)}; // left press replays it
    static constexpr QRect WordArea{QPoint(3, 6), QPoint(104, 63)};         // right press translates
    static constexpr QRect WordHoverArea{QPoint(3, 6), QPoint(94, 63)};     // leaving it hides the bubble
    static constexpr QRect DefinitionCursorArea{QPoint(105, 6), QPoint(299, 63)}; // hand cursor

    // index is the word's record (the tag), place its place in the column.
    TOdkrywankaImage(int index, int place, const QString &word, QWidget *parent = nullptr);
    ~TOdkrywankaImage() override;

    int Tag() const { return m_index; }
    int Place() const { return m_place; }
    QString Word() const { return m_word; }
    bool IsUncovered() const { return m_uncovered; }
    bool IsHot() const { return m_hot; }
    // What the control shows now.
    QImage Picture() const;

    // Turns the button into its strip (the composed picture of UncoveredStrip).
    void Uncover(const QImage &strip);

    // The faces: the word centred on the button picture at rest or under the pointer.
    static QImage Face(const QString &word, bool hot);
    // The strip of an uncovered word: the hidden picture's strip right-aligned, the frame
    // over it, the word and its definition written on the left.
    static QImage UncoveredStrip(const QImage &hiddenPicture, int place, const QString &word,
                                 const QString &definition);
    // The screen's own pictures: the button at rest and under the pointer (962 x 31) and the
    // frame of an uncovered strip (900 x 70).
    static QImage PanelUp();
    static QImage PanelHover();
    static QImage PanelFull();

signals:
    // Presses on an uncovered strip, in its coordinates.
    void LeftPressed(QPoint at);
    void RightPressed(QPoint at);
    void PointerMoved(QPoint at);
    void PointerLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    int m_index;
    int m_place;
    QString m_word;
    bool m_uncovered = false;
    bool m_hot = false;
    QImage m_rest;
    QImage m_hover;
    QImage m_strip;
};
