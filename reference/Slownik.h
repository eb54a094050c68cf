#pragma once
// The dictionary's data and rules, free of widgets: the entry file, the search and the
// headword form of a word clicked in an exercise.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QIODevice;

namespace Reference {

// One dictionary entry, in the order the file gives its parts. Entries read from a file
// are views into the file's one decoded text, which each entry holds (Text) so that the
// views live as long as any copy of the entry; nothing is copied per entry.
struct TDane
{
    qint32 Number = 0;
    QString Extra; // sixth field; kept but not shown
    QString Headword;
    QString KindLabel;   // label text of the line's marker digit; kept but not shown
    QString Translation; // may hold "[d]" label markers
    QString Text;        // the decoded file the fields above may view
};

// Label text of a "[d]" marker digit ('0' … '9'); empty for digits without a label.
QString LabelText(QChar digit);

// The ".txtde" variant shifts every 16-bit unit of a line up by this constant.
inline constexpr char16_t ScrambleShift = 7;
QString ScrambleLine(const QString &line);
QString UnscrambleLine(const QString &line);

// Parses one line (already unscrambled) into entry; false when the line does not parse.
bool ParseDictionaryLine(const QString &line, TDane &entry);
// Formats an entry as a line of the file (without the line end).
QString FormatDictionaryLine(const TDane &entry, QChar labelDigit);

struct LoadResult
{
    QList<TDane> Entries;
    int SkippedLines = 0; // lines that did not parse
    bool FileFound = false;
};

// Progress of a load: position and maximum (the real number of lines).
using LoadProgress = std::function<void(int position, int maximum)>;

// Reads the UTF-16LE lines of data; scrambled lines are shifted back first.
LoadResult ReadDictionary(const QByteArray &data, bool scrambled, const LoadProgress &progress = {});
// Reads the file at path, or its ".txtde" variant when that exists beside it; a variant
// that cannot be read, or holds no entry, gives way to the plain file.
LoadResult LoadDictionaryFile(const QString &path, const LoadProgress &progress = {});

// Writes entries' lines as the file stores them (UTF-16LE, BOM, CR LF).
QByteArray WriteDictionary(const QList<QString> &lines, bool scrambled);

struct SearchOptions
{
    bool InWords = true;         // "Szukaj w słówkach"
    bool InTranslations = false; // "Szukaj w tłumaczeniach"
    bool WholeWords = false;     // "Tylko całe wyrazy"
};

// Indexes (into entries) of the entries the search matches, in file order. In letter mode the
// 27th button's "{" lists the headwords that do not start with a letter a–z.
QList<int> SearchDictionary(const QList<TDane> &entries, const QString &text, bool letterMode,
                            const SearchOptions &options);

// The entries' headwords and translations, trimmed and lower-cased once into two UTF-8
// texts, one field a line ("\nhead\nhead..."), so that a search folds nothing and finds
// its matches with a few fast scans of those texts instead of a comparison per entry.
class TSearchIndex
{
public:
    TSearchIndex() = default;
    explicit TSearchIndex(const QList<TDane> &entries);
    QList<int> Search(const QString &text, bool letterMode, const SearchOptions &options) const;

private:
    QByteArray Heads;            // "\n" before every headword, and at the end
    QByteArray Translations;     // the same for translations
    QList<qsizetype> HeadStarts; // entry i's headword begins at HeadStarts[i] (after its "\n")
    QList<qsizetype> TranslationStarts;
    std::array<qsizetype, 256> HeadFrequency{}; // of each byte, to scan for the rarest
    std::array<qsizetype, 256> TranslationFrequency{};
};

// Lower case, one UTF-16 unit at a time, as the dictionary compares text.
QString FoldCase(QStringView text);

// The lower-case letter of letter button n (0 … 26): "a" … "z", and "{" for the 27th.
QString LetterOfButton(int n);

// The headword form of a clicked word: surrounding blanks and the 39 punctuation characters
// removed; when found(s) is false, at most one English ending taken off.
QString NormaliseLookupWord(const QString &word, const std::function<bool(const QString &)> &found);

// A word drawn on an exercise's text area and the rectangle it occupies.
struct TSlowko
{
    QString Word;
    QRect Rect; // area coordinates; contains x when left <= x < right (and likewise y)
};

// The word-position list an exercise screen rebuilds at every repaint of its text area.
class TPozycjeSlowek
{
public:
    int AddWord(const QString &word, const QRect &rect);
    QString WordAt(const QPoint &point) const;
    void Clear();
    int Count() const { return static_cast<int>(Words.size()); }
    const QList<TSlowko> &Items() const { return Words; }

private:
    QList<TSlowko> Words;
};

} // namespace Reference

using Reference::TDane;
using Reference::TPozycjeSlowek;
using Reference::TSlowko;
