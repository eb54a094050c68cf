#pragma once
// The course catalogue: the tree of groups, exercises, packages and package items built
// from every exercise file in Dane, and its flat list in display order.

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

namespace Utils {
class IProgress;
}

namespace Course {

namespace NodeType {
enum : int { RootOrGroup = -1, Exercise = 1, Package = 2, PackageItem = 3 };
}

struct TElement
{
    // Group node: group number + 10; exercise and package: 0-based position among the
    // accepted files of the scan; package item: 0.
    int Id = 0;
    int Group = 0;
    // Display title; after numbering "index=depth=title" (read field 3 with GetField).
    QString Title;
    int Kind = 0; // ExerciseKind; 0 for the root and groups
    // Relative to Dane, as stored in statistics ("Paczki\" + plik for variant-1 items).
    QString FileName;
    bool InPackageFolder = false;
    int Level = 0;
    TElement *Parent = nullptr;
    bool Expanded = false;
    int NodeType = NodeType::RootOrGroup;
    int Position = 0; // 1-based among the parent's children
    int PictureVariant = 0;
    QString MediaMarks;

    // Statistics fields, filled by the statistics load.
    QString LastDate; // "dd-mm-yyyy"
    int Progress = 0; // per cent; -1 for kinds without score
    QString Time;
    bool HasResult = false;
    int RepeatFactor = 1;
    int RepeatProgress = -1;
    QString RepeatDate; // "yyyy-mm-dd", "0" = no further repetition, empty = never scheduled

    // In the repetitions tree: the catalogue node this one copies (results recorded on the
    // copy go to it). Null in the catalogue.
    TElement *Original = nullptr;

    // Children in insertion order (Children[Position - 1] is the child at Position). The
    // course format expects at most MaxChildren; more are kept, and the inspector warns.
    QList<TElement *> Children;
    int ChildCount() const { return int(Children.size()); }
};

inline constexpr int MaxChildren = 100;

// Owns its root and every node added to it.
class TDrzewo
{
public:
    TDrzewo();
    ~TDrzewo();
    TDrzewo(const TDrzewo &) = delete;
    TDrzewo &operator=(const TDrzewo &) = delete;

    TElement *Root() const { return root; }
    // A new node under parent (under the root when parent is null), appended last.
    TElement *AddNode(TElement *parent);
    int NodeCount() const { return int(nodes.size()); }

private:
    std::vector<std::unique_ptr<TElement>> nodes;
    TElement *root = nullptr;
};

TElement *AddNode(TDrzewo &tree, TElement *parent);
TElement *FindChildByGroup(const TElement *node, int group);
TElement *FindChildById(const TElement *node, int id);
// Expanding opens groups and exercises but leaves packages closed; collapsing closes all.
void SetExpandedAll(TDrzewo &tree, bool flag);
// Every field except Parent, Expanded, Position, MediaMarks and the children.
void CopyNodeData(const TElement &source, TElement &target);
// Appends the pre-order of node's subtree (without node) to list and prefixes each title
// with "index=depth=", index being the position in list.
void NumberTree(TElement *node, int depth, QList<TElement *> &list);

// What the exercise host keeps: the tree and its flat list. Node pointers held elsewhere
// become invalid when the catalogue is loaded again.
struct TCatalogue
{
    std::unique_ptr<TDrzewo> Drzewo;
    QList<TElement *> CatalogueList;
};

struct TCatalogueLoadResult
{
    int AcceptedFiles = 0;
    // The definitions file could not be read: the message was shown and the program must
    // end (its event loop ends at once).
    bool TerminateRequested = false;
    // A faulty exercise file stopped the scan; the nodes read before it are kept.
    bool ScanStopped = false;
    QString FaultyFile; // name of that file, or the definitions path
};

struct TCatalogueOptions
{
    int InterfaceLanguage = 0;
    Utils::IProgress *Progress = nullptr; // optional
};

// The exercise files of ProgramFolder/Dane matching "*.xml" (any case), sorted by name
// ignoring case, so the catalogue has the same order on every machine.
QStringList ListExerciseFiles(const QString &daneFolder);

// Builds the tree, InterfaceTexts and the flat list afresh from ProgramFolder's
// definitions file and Dane. Errors are shown through Utils::ShowSystemError with the
// program's messages and reported in the result.
TCatalogueLoadResult LoadCatalogue(TCatalogue &catalogue, const TCatalogueOptions &options);

// The catalogue read on a worker thread from the program's first moment, so that it is ready
// when the exercise host needs it. The worker shows nothing and sets no shared state; what it
// read is handed over in the program's thread.
class TCatalogueReader
{
public:
    TCatalogueReader() = default;
    TCatalogueReader(const TCatalogueReader &) = delete;
    TCatalogueReader &operator=(const TCatalogueReader &) = delete;
    ~TCatalogueReader();

    // Starts reading ProgramFolder's course; the program folder must be set.
    void Start(int interfaceLanguage);
    // Moves a read started for interfaceLanguage into catalogue and InterfaceTexts, as
    // LoadCatalogue would have left them, waiting for it meanwhile (on progress, when given,
    // once the wait is noticeable). False, with nothing changed, when no read was started,
    // it was for another language, or it met an unreadable file: the caller then calls
    // LoadCatalogue, which shows the message. Every read is taken once.
    bool Take(TCatalogue &catalogue, int interfaceLanguage, Utils::IProgress *progress,
              TCatalogueLoadResult &result);

private:
    struct Read
    {
        TCatalogue Catalogue;
        QStringList Texts;
        TCatalogueLoadResult Result;
    };
    std::future<Read> m_job;
    int m_language = 0;
    std::mutex m_mutex;
    QStringList m_earlyTexts; // the definitions' texts, under m_mutex, once read
    std::atomic<int> m_files{-1};
    std::atomic<int> m_position{0};
};

// The program's one reader.
TCatalogueReader &CatalogueReader();

} // namespace Course
