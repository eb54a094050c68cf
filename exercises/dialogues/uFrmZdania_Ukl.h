#pragma once
// TfrmZdania_Ukl: sentence arranging (exercise kind 21). The sentence plays and its words lie
// shuffled on one line; the learner drags them into order and checks. The answered view
// shows the model and, when the order was wrong, the learner's own; the card shows the
// translation. The word rules live in WordArranging.

#include "exercises/dialogues/WordArranging.h"
#include "exercises/dialogues/uFrmZdania.h"

class TfrmZdania_Ukl : public TfrmZdania
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmZdania_Ukl)
public:
    static constexpr int KindCode = 21;

    explicit TfrmZdania_Ukl(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmZdania_Ukl() override;

    // State, for tests and the gallery.
    const QList<TSlowo> &Slots() const { return Slowa; }
    bool LastAnswerRight() const { return m_lastRight; }
    // Where slot i's word stands, in the screen's coordinates (as last laid out).
    QRect WordRect(int i) const;

protected:
    void Reset() override;
    void PrepareSentence() override;
    void CheckAction() override;
    void ObszarPaint(QPainter &painter) override;
    void ObszarMouseDown(QMouseEvent *event) override;
    void ObszarMouseMove(QMouseEvent *event) override;
    void ObszarMouseUp(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LayOutWords();
    int TextHeight() const;

    QLabel *c1 = nullptr;
    QImage Poziom;

    QList<TSlowo> Slowa;
    bool m_lastRight = false;
    bool m_dragging = false;
    int m_source = -1;
    int m_target = -1;
};
