#pragma once
// The English–Polish dictionary window, created once at start-up and shown on demand by the
// navigation bar and by a right-button press on a word of an exercise.

#include "reference/Slownik.h"

#include <QList>
#include <QWidget>
#include <memory>

class QPainter;

class TfrmSlownik : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSlownik)

public:
    // Loads "Dane\Slownik.txt" of the program folder (or its ".txtde" variant).
    explicit TfrmSlownik(QWidget *parent = nullptr);
    ~TfrmSlownik() override;

    // WczytajDane: replaces the entries with those of the file at path.
    void LoadDictionary(const QString &path);
    // Shows the window with all entries.
    void ShowDictionary();
    // Shows the window, puts word into the search field and searches as the search button.
    void LookUpWord(const QString &word);
    // Fills the results; the search follows the window's headword/translation/whole-word choice.
    int SearchDictionary(const QString &text, bool letterMode);
    // The headword form of a clicked word; leaves the last search's results in the window.
    QString NormaliseLookupWord(const QString &word);

    const QList<TDane> &Entries() const { return AllEntries; }
    const QList<TDane> &Results() const { return Found; }
    int SkippedLines() const { return Skipped; }
    bool ShowsAll() const { return ShowAll; }
    int ScrollPosition() const;
    int ScrollMaximum() const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class ResultArea;
    void btnSzukajClick();
    void LiteraClick(int n);
    void CreateLetterButtons();
    void DestroyLetterButtons();
    void ApplyTexts();
    void UpdateScrollRange();
    const QList<TDane> &ShownList() const;

    QList<TDane> AllEntries;
    QList<TDane> Found;
    bool ShowAll = true;
    int Skipped = 0;

    struct Controls;
    std::unique_ptr<Controls> ui;
};

extern TfrmSlownik *frmSlownik;

// The right-button look-up of the exercise screens: the word under the press is normalised,
// and a non-empty result is looked up in frmSlownik (nothing happens while it is null).
void LookUpWordAt(const QString &word);
void LookUpWordAt(const TPozycjeSlowek &words, const QPoint &point);

// Draws a translation's words from x on the line at top, wrapping at right; "[d] " label
// markers come out as their label text in grey italics. Returns the bottom of the last line.
int DrawTranslation(QPainter &painter, const QString &translation, int x, int top, int right,
                    int lineHeight);
