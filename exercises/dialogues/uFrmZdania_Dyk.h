#pragma once
// TfrmZdania_Dyk: sentence dictation (exercise kind 22). The learner types the sentence heard
// and checks with Enter or the button; the typed text is compared under the learner's
// punctuation and letter-case settings and the table of contractions (SentenceText). The
// answered view shows the model and, when wrong, the typed text with its wrong words marked.

#include "exercises/dialogues/uFrmZdania.h"

class QLineEdit;

class TfrmZdania_Dyk : public TfrmZdania
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmZdania_Dyk)
public:
    static constexpr int KindCode = 22;

    explicit TfrmZdania_Dyk(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmZdania_Dyk() override;

    // State, for tests and the gallery.
    bool LastAnswerRight() const { return m_lastRight; }
    QString LastAnswer() const { return m_answer; }
    bool EnterLatched() const { return m_enterLatch; }
    QLineEdit *EditField() const { return Edit; }

protected:
    void Reset() override;
    void PrepareSentence() override;
    void CheckAction() override;
    void ObszarPaint(QPainter &painter) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool EditKeyPress(QKeyEvent *event);
    void EnterPressed();

    QLineEdit *Edit = nullptr;

    bool m_lastRight = false;
    QString m_answer; // the typed text as checked, trimmed
    // Set when Enter starts a check, cleared when it is released: one press, one check.
    bool m_enterLatch = false;
    // Set by Ctrl+W in the edit field so that the key types nothing.
    bool m_swallow = false;
};
