#include "course/Catalogue.h"

#include "course/ExerciseKind.h"
#include "course/Struct_Definitions.h"
#include "course/Struct_Paczka.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>

#include <algorithm>
#include <chrono>

namespace Course {

TDrzewo::TDrzewo()
{
    nodes.push_back(std::make_unique<TElement>());
    root = nodes.back().get();
    root->Title = QStringLiteral("Root");
    root->NodeType = NodeType::RootOrGroup;
    root->Expanded = true;
}

TDrzewo::~TDrzewo()
{
    // Children before parents: nodes were created after their parents.
    while (!nodes.empty())
        nodes.pop_back();
}

TElement *TDrzewo::AddNode(TElement *parent)
{
    if (!parent)
        parent = root;
    nodes.push_back(std::make_unique<TElement>());
    TElement *node = nodes.back().get();
    node->Parent = parent;
    node->Expanded = false;
    parent->Children.append(node);
    node->Position = parent->ChildCount();
    return node;
}

TElement *AddNode(TDrzewo &tree, TElement *parent)
{
    return tree.AddNode(parent);
}

TElement *FindChildByGroup(const TElement *node, int group)
{
    if (!node)
        return nullptr;
    for (TElement *child : node->Children) {
        if (child->Group == group)
            return child;
    }
    return nullptr;
}

TElement *FindChildById(const TElement *node, int id)
{
    if (!node)
        return nullptr;
    for (TElement *child : node->Children) {
        if (child->Id == id)
            return child;
    }
    return nullptr;
}

namespace {

void setExpanded(TElement *node, bool flag)
{
    for (TElement *child : node->Children) {
        if (!flag || child->NodeType < NodeType::Package)
            child->Expanded = flag;
        setExpanded(child, flag);
    }
}

} // namespace

void SetExpandedAll(TDrzewo &tree, bool flag)
{
    setExpanded(tree.Root(), flag);
}

void CopyNodeData(const TElement &source, TElement &target)
{
    target.Id = source.Id;
    target.Group = source.Group;
    target.Title = source.Title;
    target.Kind = source.Kind;
    target.FileName = source.FileName;
    target.InPackageFolder = source.InPackageFolder;
    target.Level = source.Level;
    target.NodeType = source.NodeType;
    target.PictureVariant = source.PictureVariant;
    target.LastDate = source.LastDate;
    target.Progress = source.Progress;
    target.Time = source.Time;
    target.HasResult = source.HasResult;
    target.RepeatFactor = source.RepeatFactor;
    target.RepeatProgress = source.RepeatProgress;
    target.RepeatDate = source.RepeatDate;
}

void NumberTree(TElement *node, int depth, QList<TElement *> &list)
{
    if (!node)
        return;
    for (TElement *child : node->Children) {
        list.append(child);
        const qsizetype index = list.size() - 1;
        child->Title = QString::number(index) + u'=' + QString::number(depth) + u'=' + child->Title;
        if (!child->Children.isEmpty())
            NumberTree(child, depth + 1, list);
    }
}

QStringList ListExerciseFiles(const QString &daneFolder)
{
    QDir dir(daneFolder);
    // Name filters of QDir ignore case, as the listing of the original platform did.
    QStringList files = dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::NoSort);
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return files;
}

namespace {

// What one accepted exercise file contributes, read in full before anything is added, so a
// faulty file leaves no half-filled node behind.
struct ItemData
{
    int Kind = 0;
    int Level = 0;
    QString FileName;
    QString Title;
    bool InPackageFolder = false;
};

struct FileData
{
    int Group = 0;
    int Kind = 0;
    int Level = 0;
    int NodeType = NodeType::Exercise;
    QString Title;
    int PictureVariant = 0;
    QString MediaMarks;
    QList<ItemData> Items;
};

// texts: the interface texts just read from the definitions (the read may run on a worker,
// where the shared InterfaceTexts must not be touched).
FileData readExercise(const TXMLCwiczenieType &cwiczenie, const QString &fileName, int language,
                      const QStringList &texts)
{
    const TXMLConfigType config = cwiczenie.Config();
    FileData data;
    data.Group = config.Grupa();
    data.Kind = config.Typ_cw();
    data.Level = config.Poziom();
    data.Title = ExerciseTitle(cwiczenie, language);
    if (data.Kind != ExerciseKind::PackageFile)
        return data;

    data.NodeType = NodeType::Package;
    const int variant = config.Param1AsInteger();
    data.Kind = PackageKindForVariant(variant);
    if (variant == 1) {
        const TXMLBodyType body(cwiczenie.Body());
        data.MediaMarks = body.Znaczniki_nagrania();
        data.PictureVariant = config.Param2();
        for (const TXMLElement_paczkiType &element : body.Element_paczki()) {
            ItemData item;
            item.Kind = element.Typ_cw();
            item.Level = element.Poziom();
            item.FileName = QStringLiteral("Paczki\\") + element.Plik();
            item.Title = element.Nazwa(language);
            item.InPackageFolder = true;
            data.Items.append(item);
        }
    } else if (variant >= 2 && variant <= 4) {
        const int mask = config.Param2();
        for (const TPackageItemKind &kind : PackageItemKinds(variant)) {
            if (mask & kind.Bit) {
                ItemData item;
                item.Kind = kind.Kind;
                item.Level = 0;
                item.FileName = fileName;
                item.Title = Utils::GetInterfaceText(texts, kind.TitleText);
                data.Items.append(item);
            }
        }
    }
    return data;
}

bool readDefinitions(TDrzewo &tree, int language, QStringList &texts)
{
    TXMLDefinitionsType definitions;
    if (!definitions.Load(DefinitionsPath()))
        return false;
    try {
        const QList<int> groups = definitions.GroupIds();
        for (int group : groups) {
            TElement *node = tree.AddNode(tree.Root());
            node->Id = group + 10;
            node->Group = group;
            node->NodeType = NodeType::RootOrGroup;
            node->Title = definitions.GroupName(group, language);
        }
        texts.append(definitions.InterfaceTextEntries(language));
    } catch (const TXMLReadError &) {
        return false;
    }
    return true;
}

} // namespace

namespace {

// The catalogue's reading, shared by the program's own load (with its messages and progress)
// and the quiet read on a worker thread.
struct ReadHooks
{
    bool ReportErrors = false;
    std::function<void(const QStringList &texts, int files)> DefinitionsRead; // before the scan
    std::function<void(int position)> Step;                                   // before each file
};

TCatalogueLoadResult readCatalogue(TCatalogue &catalogue, int interfaceLanguage, QStringList &texts,
                                   const ReadHooks &hooks)
{
    TCatalogueLoadResult result;
    // The old list points into the old tree: it must not outlive it, even on failure.
    catalogue.CatalogueList.clear();
    catalogue.Drzewo = std::make_unique<TDrzewo>();
    TDrzewo &tree = *catalogue.Drzewo;

    if (!readDefinitions(tree, interfaceLanguage, texts)) {
        catalogue.Drzewo = std::make_unique<TDrzewo>();
        if (hooks.ReportErrors)
            Utils::ShowSystemError(QStringLiteral(
                "Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"));
        result.TerminateRequested = true;
        result.FaultyFile = QStringLiteral("Config\\definitions.xml");
        return result;
    }

    const QString dane = Utils::ProgramPath(QStringLiteral("\\Dane"));
    const QStringList files = ListExerciseFiles(dane);
    if (hooks.DefinitionsRead)
        hooks.DefinitionsRead(texts, int(files.size()));

    int counter = 0;
    for (const QString &fileName : files) {
        if (hooks.Step)
            hooks.Step(counter);
        TExerciseFile file;
        FileData data;
        bool sound = LoadExerciseFile(dane + u'/' + fileName, file);
        if (sound) {
            if (!file.Cwiczenie.IsExercise())
                continue;
            try {
                data = readExercise(file.Cwiczenie, fileName, interfaceLanguage, texts);
            } catch (const TXMLReadError &) {
                sound = false;
            }
        }
        if (!sound) {
            if (hooks.ReportErrors)
                Utils::ShowSystemError(
                    QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie "
                                   "ćwiczeń zostało przerwane! ") +
                    QStringLiteral("(%1)").arg(fileName));
            result.ScanStopped = true;
            result.FaultyFile = fileName;
            break;
        }

        TElement *node = tree.AddNode(FindChildByGroup(tree.Root(), data.Group));
        node->Id = counter;
        node->Kind = data.Kind;
        node->NodeType = data.NodeType;
        node->Level = data.Level;
        node->FileName = fileName;
        node->Title = data.Title;
        node->Group = data.Group;
        node->PictureVariant = data.PictureVariant;
        node->MediaMarks = data.MediaMarks;
        node->Progress = HasNoScore(node->Kind) ? -1 : 0;
        for (const ItemData &itemData : std::as_const(data.Items)) {
            TElement *item = tree.AddNode(node);
            item->NodeType = NodeType::PackageItem;
            item->Kind = itemData.Kind;
            item->Level = itemData.Level;
            item->FileName = itemData.FileName;
            item->Title = itemData.Title;
            item->InPackageFolder = itemData.InPackageFolder;
            item->MediaMarks = node->MediaMarks;
            item->Group = node->Group;
            item->Progress = HasNoScore(item->Kind) ? -1 : 0;
        }
        ++counter;
    }
    result.AcceptedFiles = counter;
    NumberTree(tree.Root(), 0, catalogue.CatalogueList);
    return result;
}

} // namespace

TCatalogueLoadResult LoadCatalogue(TCatalogue &catalogue, const TCatalogueOptions &options)
{
    ReadHooks hooks;
    hooks.ReportErrors = true;
    hooks.DefinitionsRead = [&](const QStringList &texts, int files) {
        Utils::InterfaceTexts() = texts;
        if (options.Progress)
            options.Progress->ShowProgress(files, Utils::GetInterfaceText(38));
    };
    if (options.Progress)
        hooks.Step = [&](int position) { options.Progress->StepProgress(position); };
    QStringList texts;
    const TCatalogueLoadResult result = readCatalogue(catalogue, options.InterfaceLanguage, texts, hooks);
    if (options.Progress && !result.TerminateRequested)
        options.Progress->Close();
    return result;
}

TCatalogueReader &CatalogueReader()
{
    static TCatalogueReader reader;
    return reader;
}

TCatalogueReader::~TCatalogueReader()
{
    if (m_job.valid())
        m_job.wait();
}

void TCatalogueReader::Start(int interfaceLanguage)
{
    if (m_job.valid())
        m_job.wait();
    m_language = interfaceLanguage;
    m_files = -1;
    m_position = 0;
    m_job = std::async(std::launch::async, [this, interfaceLanguage] {
        Read read;
        ReadHooks hooks;
        hooks.DefinitionsRead = [this](const QStringList &texts, int files) {
            const std::lock_guard lock(m_mutex);
            m_earlyTexts = texts;
            m_files = files;
        };
        hooks.Step = [this](int position) { m_position = position; };
        read.Result = readCatalogue(read.Catalogue, interfaceLanguage, read.Texts, hooks);
        return read;
    });
}

bool TCatalogueReader::Take(TCatalogue &catalogue, int interfaceLanguage, Utils::IProgress *progress,
                            TCatalogueLoadResult &result)
{
    if (!m_job.valid())
        return false;
    // A read still under way is shown on progress as the program's own scan would be.
    bool shown = false;
    while (m_job.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        const int files = m_files;
        if (!progress || files < 0)
            continue;
        if (!shown) {
            {
                const std::lock_guard lock(m_mutex);
                Utils::InterfaceTexts() = m_earlyTexts; // for the caption; the same are set below
            }
            progress->ShowProgress(files, Utils::GetInterfaceText(38));
            shown = true;
        }
        progress->StepProgress(m_position);
    }
    Read read = m_job.get();
    if (shown)
        progress->Close();
    if (read.Result.TerminateRequested || read.Result.ScanStopped || interfaceLanguage != m_language)
        return false; // read again by the caller, which shows what went wrong
    catalogue.CatalogueList.clear();
    catalogue.Drzewo = std::move(read.Catalogue.Drzewo);
    catalogue.CatalogueList = std::move(read.Catalogue.CatalogueList);
    Utils::InterfaceTexts() = read.Texts;
    result = read.Result;
    return true;
}

} // namespace Course
