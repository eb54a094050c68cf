#pragma once
// TfrmZdania_Tlu: sentence translation (exercise kind 24). The learner hears a sentence and
// translates it in his head; the check button reveals it with its translation and the
// learner judges himself: "I know" (key 1) or "I don't know" (key 2). Nothing is compared.

#include "exercises/dialogues/uFrmZdania.h"

class TfrmZdania_Tlu : public TfrmZdania
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmZdania_Tlu)
public:
    static constexpr int KindCode = 24;

    explicit TfrmZdania_Tlu(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmZdania_Tlu() override;

    // The judgement buttons' shared action: tag 1 "I know", tag 0 "I don't know".
    void JudgeClick(TVelResButton *button);

protected:
    void Reset() override;
    void PrepareSentence() override;
    void CheckAction() override;
    void HideAnswerButtons() override;
    void ObszarPaint(QPainter &painter) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TVelResButton *JudgeButton(const QString &name, const QRect &rect, int tag, int text,
                               const QString &glyph);

    TVelResButton *btn_Umiem = nullptr;
    TVelResButton *btn_NieUmiem = nullptr;
};
