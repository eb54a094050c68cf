#pragma once
// Shared text, path and file routines of the whole program (no widgets here).

#include <QByteArray>
#include <QString>
#include <QStringList>

class QDomDocument;
class QIODevice;

namespace Utils {

// Folder roots, fixed at start-up (tests point them at a temporary program folder).
// Both are kept without a trailing separator.
QString ProgramFolder();
QString MediaRoot();
void SetProgramFolder(const QString &folder);
void SetMediaRoot(const QString &folder);

// Turns a stored relative path ("\Dane\Paczki\a.xml", "Paczki\a.xml") into a file on disk
// under root: "\" becomes "/", and each piece is matched exactly first, then
// case-insensitively in its folder. Returns the best path even when nothing exists.
QString ResolvePath(const QString &root, const QString &relative);
// ProgramFolder()/MediaRoot() + relative, resolved as above.
QString ProgramPath(const QString &relative);
QString MediaPath(const QString &relative);

// Numbered interface texts, "number=text", filled by the catalogue load.
QStringList &InterfaceTexts();
QString GetInterfaceText(int number);
// The same lookup in a list of "number=text" entries other than InterfaceTexts.
QString GetInterfaceText(const QStringList &texts, int number);

QString ProductCaption();   // "Lernivo 6.0 Audivox"
QString ApplicationTitle(); // "Audivox", the task-bar title

QString GetField(int n, const QString &text, QChar delimiter);

// Windows-1250, through Qt's converters constructed by name.
QByteArray ToCp1250(const QString &text);
QString FromCp1250(const QByteArray &bytes);

QByteArray ToHtmlText(const QString &text);
QString StripPunctuation(const QString &text);

// Creators of a learner's files and folders; they throw std::runtime_error on failure.
void CreateLearnerFolders(const QString &folder, int id);
void CreateEmptyStatistics(const QString &folder, int id);
void CreateDefaultSettings(const QString &folder, int id);

// UTF-16 little-endian lines of the program's own text files.
bool RewriteUnicodeFile(QIODevice &file);
bool WriteUnicodeLine(QIODevice &file, const QString &text);
QString ReadUnicodeLine(QIODevice &file);

// XML files of the course and of the learner, in whatever encoding their declaration (or
// byte order mark) names: UTF-8, UTF-16 or Windows-1250. False with a message in error when
// the bytes cannot be read or are not well-formed.
bool ParseXml(const QByteArray &bytes, QDomDocument &document, QString *error = nullptr);
bool ReadXmlFile(const QString &path, QDomDocument &document, QString *error = nullptr);
// The XML parser's message in the learner's language, with its place: "nieoczekiwany koniec
// dokumentu (wiersz 3, kolumna 7)". A message this table does not know gives the place alone.
QString XmlErrorText(const QString &parserMessage, int line, int column);

// An integer as the XML readers take it: surrounding blanks allowed, nothing else.
bool ParseInteger(const QString &text, int *value);

// Writes data to path atomically (a new file renamed over the old); false on failure.
bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

// Banker's rounding of a per-cent value, as all scores use.
int RoundHalfEven(double value);
int Percent(int right, int total);

} // namespace Utils
