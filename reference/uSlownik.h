#pragma once
// The English–Polish dictionary window, created once at start-up and shown on demand by the
// navigation bar and by a right-button press on a word of an exercise.

#include "reference/Slownik.h"
#include "utils/Progress.h"

#include <QList>
#include <QWidget>
#include <future>
#include <memory>
#include <utility>

class QFontMetrics;

class TfrmSlownik : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSlownik)

public:
    // The window's entries are those of "Dane\Slownik.txt" of the program folder (or its
    // ".txtde" variant). The file is read when the entries are first needed, or earlier on a
    // worker thread through PrefetchDictionary; a read in the window's own thread shows on
    // progress when one is given.
    explicit TfrmSlownik(QWidget *parent = nullptr, Utils::IProgress *progress = nullptr);
    ~TfrmSlownik() override;

    // WczytajDane: replaces the entries with those of the file at path.
    void LoadDictionary(const QString &path);
    // Starts reading the window's file on a worker thread, unless it is read already.
    void PrefetchDictionary();
    // Shows the window with all entries.
    void ShowDictionary();
    // Shows the window, puts word into the search field and searches as the search button.
    void LookUpWord(const QString &word);
    // Fills the results; the search follows the window's headword/translation/whole-word choice.
    int SearchDictionary(const QString &text, bool letterMode);
    // The headword form of a clicked word; leaves the last search's results in the window.
    QString NormaliseLookupWord(const QString &word);
    // The right-button look-up of an exercise: always among the English headwords, whatever
    // the learner last chose in the window; nothing happens for a word that normalises to
    // nothing.
    void LookUpExerciseWord(const QString &word);

    const QList<TDane> &Entries();
    const QList<TDane> &Results() const { return Found; }
    int SkippedLines();
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
    void EnsureLoaded();
    void TakeLoaded(Reference::LoadResult loaded, Reference::TSearchIndex index);

    QList<TDane> AllEntries;
    QList<TDane> Found;
    bool ShowAll = true;
    int Skipped = 0;
    QString DictionaryPath;
    bool Loaded = false;
    std::future<std::pair<Reference::LoadResult, Reference::TSearchIndex>> Pending;

    struct Controls;
    std::unique_ptr<Controls> ui;
    QWidget *pbSlownikArea = nullptr;
};

extern TfrmSlownik *frmSlownik;

// The right-button look-up of the exercise screens: the word under the press is normalised,
// and a non-empty result is looked up in frmSlownik (nothing happens while it is null).
void LookUpWordAt(const QString &word);
void LookUpWordAt(const TPozycjeSlowek &words, const QPoint &point);

// One piece of text of the drawn result list: a word at its top-left point, or a label
// marker's text (drawn in grey italics).
struct TSlownikRun
{
    QString Text;
    QPoint Pos;
    bool Label = false;
};

// Lays out at most 8 entries from first in an area of width × height: headwords from x 10
// (wrapping past 200), translations from x 200 (wrapping past width), 4 pixels between words;
// plain must be the list font and italic its italic form. An entry that would not fit whole is
// left for the next scroll position (the first one is always laid out).
QList<TSlownikRun> LayoutResultList(const QList<TDane> &list, int first, const QFontMetrics &plain,
                                    const QFontMetrics &italic, int width, int height);
// The last scroll position: the one that shows the last entry whole (at most 8 entries shown).
int ResultListScrollMax(const QList<TDane> &list, const QFontMetrics &plain, const QFontMetrics &italic,
                        int width, int height);
