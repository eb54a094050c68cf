#pragma once
// TMyHint: the program's tooltip window. Hint texts are laid out word by word; "<B>" and
// "</B>" inside words switch bold red on and off, the word "<BR>" breaks the line.

#include <QFont>
#include <QString>
#include <QVector>
#include <QWidget>

class TMyHint : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMyHint)
public:
    struct Word
    {
        QString Text; // without the markers
        bool Bold = false;
        QPoint Pos; // left and baseline-free top: x from 10, y = 20 * line - 18
        int Line = 1;
    };
    struct Layout
    {
        QVector<Word> Words;
        int Lines = 0;
        QSize Size; // the window's size
    };
    // Lays out hint for the given base font (the program uses "Verdana").
    static Layout LayoutHint(const QString &hint, const QFont &font);

    explicit TMyHint(QWidget *parent = nullptr);
    ~TMyHint() override;

    // Shows text near globalPos; an empty text hides the window.
    void ShowHint(const QPoint &globalPos, const QString &text);
    QString Text() const { return m_text; }

    // Makes TMyHint the program's tooltip window (an application-wide event filter).
    static void Install();
    static TMyHint *Instance(); // null until Install
    // Re-evaluates the hint of the control under the mouse now, without a real mouse move.
    static void RefreshHint(QWidget *control);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Layout m_layout;
    QFont m_font;
};
