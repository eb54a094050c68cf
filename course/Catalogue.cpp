#include "course/Catalogue.h"

#include "course/ExerciseKind.h"
#include "course/Struct_Definitions.h"
#include "course/Struct_Paczka.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>

#include <algorithm>

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

FileData readExercise(const TXMLCwiczenieType &cwiczenie, const QString &fileName, int language)
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
                item.Title = Utils::GetInterfaceText(kind.TitleText);
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

TCatalogueLoadResult LoadCatalogue(TCatalogue &catalogue, const TCatalogueOptions &options)
{
    TCatalogueLoadResult result;
    // The old list points into the old tree: it must not outlive it, even on failure.
    catalogue.CatalogueList.clear();
    catalogue.Drzewo = std::make_unique<TDrzewo>();
    TDrzewo &tree = *catalogue.Drzewo;

    QStringList texts;
    if (!readDefinitions(tree, options.InterfaceLanguage, texts)) {
        catalogue.Drzewo = std::make_unique<TDrzewo>();
        Utils::ShowSystemError(
            QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"));
        result.TerminateRequested = true;
        result.FaultyFile = QStringLiteral("Config\\definitions.xml");
        return result;
    }
    Utils::InterfaceTexts() = texts;

    const QString dane = Utils::ProgramPath(QStringLiteral("\\Dane"));
    const QStringList files = ListExerciseFiles(dane);
    if (options.Progress)
        options.Progress->ShowProgress(int(files.size()), Utils::GetInterfaceText(38));

    int counter = 0;
    for (const QString &fileName : files) {
        if (options.Progress)
            options.Progress->StepProgress(counter);
        TExerciseFile file;
        FileData data;
        bool sound = LoadExerciseFile(dane + u'/' + fileName, file);
        if (sound) {
            if (!file.Cwiczenie.IsExercise())
                continue;
            try {
                data = readExercise(file.Cwiczenie, fileName, options.InterfaceLanguage);
            } catch (const TXMLReadError &) {
                sound = false;
            }
        }
        if (!sound) {
            Utils::ShowSystemError(QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie "
                                                  "ćwiczeń zostało przerwane! ")
                                   + QStringLiteral("(%1)").arg(fileName));
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

    if (options.Progress)
        options.Progress->Close();
    NumberTree(tree.Root(), 0, catalogue.CatalogueList);
    return result;
}

} // namespace Course
