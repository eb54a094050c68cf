#pragma once
// TfrmDialogi_Ukl: the dialogue for reading (exercise kind 26). Every line under the same
// generic speaker picture, wrapped under its own text; "Listen" plays the dialogue. Nothing is
// checked and nothing is stored.

#include "exercises/dialogues/DialogueScreen.h"

class TfrmDialogi_Ukl : public TDialogueScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmDialogi_Ukl)
public:
    static constexpr int KindCode = 26;

    explicit TfrmDialogi_Ukl(IExerciseHost &host, QWidget *parent = nullptr);
    ~TfrmDialogi_Ukl() override;

    bool LoadFile(const QString &path) override;
    void LayOutOnce() override;

    // The layout of the last paint, for tests and the gallery.
    const DialogueLayout::TReadingLayout &Layout() const { return m_layout; }

protected:
    void PaintArea(QPainter &painter) override;
    // Only F1 (the help page) answers; Escape leaves nothing: the back button is for the mouse.
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    DialogueLayout::TReadingLayout LayOut() const;

    QLabel *IMG_Osoba_X = nullptr;
    DialogueLayout::TReadingLayout m_layout;
};
