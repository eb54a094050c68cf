#pragma once
// TfrmMiniSlownik: the small modal window of useful phrases that a gap-typing exercise
// carries (its minislownik text): phrases in bold with their explanations, running text
// with line breaks and tabs, scrolled line by line.

#include "exercises/shared/FlowText.h"
#include "exercises/shared/TaggedText.h"

#include <QDialog>
#include <QFont>

class TALScrollBar;
class TVelDialogWindow;
class TVelGroupFrame;
class TVelResButton;

class TfrmMiniSlownik : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMiniSlownik)
public:
    explicit TfrmMiniSlownik(const QString &phrases, QWidget *parent = nullptr);
    ~TfrmMiniSlownik() override;

    const QList<TWyrazTekstu> &Phrases() const { return Tokens; }
    // The layout of the whole list (content coordinates) and the scroll offset in pixels.
    FlowText::Layout LayOut() const;
    int ScrollOffset() const { return Przesuniecie; }
    int LineHeight() const { return WysokoscLinii; }
    // Moves the list to scroll position (whole lines), as the scroll bar does.
    void ScrollTo(int position);

protected:
    void showEvent(QShowEvent *event) override;

private:
    class TObszar;
    void ObszarPaint(QPainter &painter);
    void ObszarWheel(QWheelEvent *event);
    void UpdateScrollBar();

    TVelDialogWindow *DialogWindow = nullptr;
    TVelResButton *VelResButton1 = nullptr;
    TVelGroupFrame *VelGroupFrame1 = nullptr;
    TObszar *Obszar = nullptr;
    TALScrollBar *ScrollBar = nullptr;

    QList<TWyrazTekstu> Tokens;
    QFont Czcionka; // Tahoma 15 pixels
    FlowText::Measure Miara;
    int WysokoscLinii = 0;
    int Odstep = 0;
    int Przesuniecie = 0;
};

// Shows the phrase list modally over owner and frees the window when it is closed.
void OpenMiniDictionary(const QString &phrases, QWidget *owner);
