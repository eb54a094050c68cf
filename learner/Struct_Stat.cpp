#include "learner/Struct_Stat.h"

#include "course/Catalogue.h"
#include "learner/LearnerFiles.h"
#include "learner/Struct_Config.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QDomDocument>
#include <QHash>

namespace Learner {

namespace {

const QString EmptyStatistics = QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>");

QString Tag(const char *name)
{
    return QString::fromLatin1(name);
}

bool ToInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

// The learner's statistics document, opened once for a whole result (node and ancestors)
// and written back in one atomic save.
class StatisticsDocument
{
public:
    StatisticsDocument(const QString &usersFolder, int id) : path(StatisticsPath(usersFolder, id)) {}

    // Missing or unreadable files give a fresh document; an unreadable one is first kept
    // beside and the learner told where.
    void Open(const QDate &today)
    {
        QString why;
        const Files::XmlState state = Files::ReadXml(path, Tag("cwiczenia"), doc, &why);
        if (state == Files::XmlState::Read)
            return;
        if (state == Files::XmlState::Damaged) {
            const QString copy = Files::KeepDamagedFile(path, today);
            Utils::ShowSystemError(DamagedMessage(path, why, copy));
            if (copy.isEmpty())
                keepOriginal = true;
        }
        doc.setContent(EmptyStatistics);
    }

    static QString DamagedMessage(const QString &path, const QString &why, const QString &copy)
    {
        if (copy.isEmpty())
            return QStringLiteral("Plik ze statystykami %1 jest uszkodzony (%2) i nie można go przenieść. "
                                  "Wyniki nie będą zapisywane, plik pozostaje bez zmian.")
                .arg(QDir::toNativeSeparators(path), why);
        return QStringLiteral("Plik ze statystykami %1 był uszkodzony (%2). Zachowano go jako %3. "
                              "Utworzono nowy, pusty plik ze statystykami.")
            .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(copy));
    }

    void Write(const TElement &node)
    {
        const QDomElement root = doc.documentElement();
        QDomElement plik;
        for (QDomElement e = root.firstChildElement(Tag("plik")); !e.isNull(); e = e.nextSiblingElement(Tag("plik")))
            if (e.attribute(Tag("nazwa")) == node.FileName) {
                plik = e;
                break;
            }
        if (plik.isNull()) {
            plik = doc.createElement(Tag("plik"));
            plik.setAttribute(Tag("nazwa"), node.FileName);
            doc.documentElement().appendChild(plik);
        }
        QDomElement dane;
        for (QDomElement e = plik.firstChildElement(Tag("dane")); !e.isNull(); e = e.nextSiblingElement(Tag("dane"))) {
            int kind = 0;
            if (ToInteger(e.attribute(Tag("id")), kind) && kind == node.Kind) {
                dane = e;
                break;
            }
        }
        if (dane.isNull()) {
            dane = doc.createElement(Tag("dane"));
            dane.setAttribute(Tag("id"), node.Kind);
            plik.appendChild(dane);
        }
        SetChild(dane, "data", node.LastDate);
        SetChild(dane, "postep", QString::number(node.Progress));
        SetChild(dane, "czas", node.Time);
        SetChild(dane, "datapowtorka", node.RepeatDate + QLatin1Char('=') + QString::number(node.RepeatFactor));
        SetChild(dane, "posteppowtorka", QString::number(node.RepeatProgress));
    }

    bool Save(QString *error)
    {
        if (keepOriginal) {
            if (error)
                *error = QStringLiteral("Plik ze statystykami %1 jest uszkodzony.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        return Files::WriteAtomically(path, Files::SerializeXml(doc), error);
    }

private:
    void SetChild(QDomElement &parent, const char *name, const QString &text)
    {
        QDomElement child = parent.firstChildElement(Tag(name));
        if (child.isNull()) {
            child = doc.createElement(Tag(name));
            parent.appendChild(child);
        }
        while (child.hasChildNodes())
            child.removeChild(child.firstChild());
        child.appendChild(doc.createTextNode(text));
    }

    QString path;
    QDomDocument doc;
    bool keepOriginal = false;
};

void StampNode(TElement &node, const QDate &today)
{
    node.LastDate = LastDateText(today);
    if (node.Kind == 11)
        node.Progress = -1;
    node.HasResult = true;
}

void SaveNode(StatisticsDocument &doc, TElement &node, const QDate &today)
{
    StampNode(node, today);
    doc.Write(node);
}

void SaveAncestors(StatisticsDocument &doc, TElement &node, const QDate &today)
{
    for (TElement *p = node.Parent; p; p = p->Parent) {
        int sum = 0;
        int count = 0;
        for (const TElement *child : p->Children)
            if (child->Progress >= 0) {
                sum += child->Progress;
                ++count;
            }
        // No child with a score: the ancestor has none either.
        p->Progress = count ? sum / count : -1;
        SaveNode(doc, *p, today);
    }
}

} // namespace

QString StatisticsPath(const QString &usersFolder, int id)
{
    return usersFolder + QLatin1Char('/') + QString::number(id) + QStringLiteral("_stat.xml");
}

bool CreateEmptyStatisticsFile(const QString &usersFolder, int id, QString *error)
{
    return Files::WriteAtomically(StatisticsPath(usersFolder, id), Files::Utf16Lines({EmptyStatistics}), error);
}

QString LastDateText(const QDate &date)
{
    return date.toString(u"dd-MM-yyyy");
}

QString RepeatDateText(const QDate &date)
{
    return date.toString(u"yyyy-MM-dd");
}

QDate ParseRepeatDate(const QString &text)
{
    // Year first; other copies of the course may write month and day with one digit.
    const QStringList parts = text.trimmed().split(QLatin1Char('-'));
    if (parts.size() != 3)
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ToInteger(parts[0], year) || !ToInteger(parts[1], month) || !ToInteger(parts[2], day) ||
        parts[0].size() != 4)
        return {};
    return QDate(year, month, day);
}

bool IsScorelessKind(int kind)
{
    return kind == 11 || kind == 41 || kind == 51 || kind == 61;
}

void SetStatisticsDefaults(TElement &node)
{
    node.LastDate.clear();
    node.Progress = IsScorelessKind(node.Kind) ? -1 : 0;
    node.Time.clear();
    node.HasResult = false;
    node.RepeatFactor = 1;
    node.RepeatProgress = -1;
    node.RepeatDate.clear();
}

void ScheduleRepetition(TElement &node, int score, int threshold, const QDate &today)
{
    if (node.RepeatDate.isEmpty()) {
        node.RepeatFactor = 1;
        node.RepeatDate = RepeatDateText(today.addDays(3));
    } else if (score <= 15) {
        node.RepeatFactor = 1;
        node.RepeatDate = RepeatDateText(today.addDays(3));
    } else if (score > threshold) {
        node.RepeatDate = QStringLiteral("0");
    } else {
        node.RepeatFactor *= 2;
        node.RepeatDate = RepeatDateText(today.addDays(3 * qint64(node.RepeatFactor)));
    }
    node.RepeatProgress = score;
}

StatisticsLoadResult LoadStatistics(const QList<TElement *> &nodes, const QString &usersFolder, int id,
                                    const QDate &today, Utils::IProgress *progress)
{
    StatisticsLoadResult result;
    const QString path = StatisticsPath(usersFolder, id);
    for (TElement *node : nodes)
        SetStatisticsDefaults(*node);

    QDomDocument doc;
    QString why;
    const Files::XmlState state = Files::ReadXml(path, Tag("cwiczenia"), doc, &why);
    if (state != Files::XmlState::Read) {
        if (state == Files::XmlState::Missing) {
            result.State = StatisticsFileState::Missing;
            result.Message = QStringLiteral("Brak pliku ze statystykami! Plik został stworzony ponownie! ");
        } else {
            result.State = StatisticsFileState::Damaged;
            result.DamagedCopy = Files::KeepDamagedFile(path, today);
            result.Message = StatisticsDocument::DamagedMessage(path, why, result.DamagedCopy);
        }
        QString writeError;
        if (state == Files::XmlState::Damaged && result.DamagedCopy.isEmpty())
            result.State = StatisticsFileState::Failed; // never overwrite what we could not keep
        else if (!CreateEmptyStatisticsFile(usersFolder, id, &writeError)) {
            result.State = StatisticsFileState::Failed;
            result.Message += QLatin1Char('\n') + writeError;
        }
        Utils::ShowSystemError(result.Message);
        return result;
    }

    if (progress)
        progress->ShowProgress(int(nodes.size()) - 1, Utils::GetInterfaceText(52));

    // The first record of each (file, kind) in document order, as a search from the top finds it.
    QHash<QString, QHash<int, QDomElement>> records;
    for (QDomElement plik = doc.documentElement().firstChildElement(Tag("plik")); !plik.isNull();
         plik = plik.nextSiblingElement(Tag("plik"))) {
        QHash<int, QDomElement> &kinds = records[plik.attribute(Tag("nazwa"))];
        for (QDomElement dane = plik.firstChildElement(Tag("dane")); !dane.isNull();
             dane = dane.nextSiblingElement(Tag("dane"))) {
            int kind = 0;
            if (ToInteger(dane.attribute(Tag("id")), kind) && !kinds.contains(kind))
                kinds.insert(kind, dane);
        }
    }

    for (int i = 0; i < nodes.size(); ++i) {
        TElement &node = *nodes[i];
        const auto file = records.constFind(node.FileName);
        if (file != records.constEnd()) {
            const auto found = file->constFind(node.Kind);
            if (found != file->constEnd()) {
                const QDomElement &dane = *found;
                const QString schedule = dane.firstChildElement(Tag("datapowtorka")).text();
                int postep = 0;
                int repeatProgress = 0;
                int factor = 0;
                if (ToInteger(dane.firstChildElement(Tag("postep")).text(), postep) &&
                    ToInteger(dane.firstChildElement(Tag("posteppowtorka")).text(), repeatProgress) &&
                    ToInteger(Utils::GetField(2, schedule, QLatin1Char('=')), factor)) {
                    node.LastDate = dane.firstChildElement(Tag("data")).text();
                    node.Progress = postep;
                    node.Time = dane.firstChildElement(Tag("czas")).text();
                    node.HasResult = true;
                    node.RepeatProgress = repeatProgress;
                    node.RepeatDate = Utils::GetField(1, schedule, QLatin1Char('='));
                    node.RepeatFactor = factor;
                } else {
                    ++result.SkippedRecords;
                }
            }
        }
        if (progress)
            progress->StepProgress(i);
    }
    if (progress)
        progress->Close();
    return result;
}

bool RecordExerciseResult(TElement &node, ResultPanelState &panel, const LearnerSettings &settings,
                          const QDate &today, const QString &usersFolder, int id, QString *error)
{
    StatisticsDocument doc(usersFolder, id);
    bool changed = false;
    const auto open = [&] {
        if (!changed)
            doc.Open(today);
        changed = true;
    };

    if (panel.Present && panel.Visible && panel.Tag == 0) {
        panel.Tag = 1; // the same result is never recorded twice
        node.Progress = panel.Value;
        node.Time = QStringLiteral("00:00:00");
        if (settings.ScheduleRepetitions)
            ScheduleRepetition(node, node.Progress, settings.RepetitionThreshold, today);
        open();
        SaveNode(doc, node, today);
        SaveAncestors(doc, node, today);
    }
    // Presentation-like kinds get a dated record without a score each time they are left.
    if (IsScorelessKind(node.Kind)) {
        node.Progress = -1;
        node.Time = QStringLiteral("00:00:00");
        open();
        SaveNode(doc, node, today);
        SaveAncestors(doc, node, today);
    }
    return !changed || doc.Save(error);
}

bool SaveNodeStatistics(TElement &node, const QDate &today, const QString &usersFolder, int id, QString *error)
{
    StatisticsDocument doc(usersFolder, id);
    doc.Open(today);
    SaveNode(doc, node, today);
    return doc.Save(error);
}

bool UpdateAncestors(TElement &node, const QDate &today, const QString &usersFolder, int id, QString *error)
{
    StatisticsDocument doc(usersFolder, id);
    doc.Open(today);
    SaveAncestors(doc, node, today);
    return doc.Save(error);
}

void FindDueRepetitions(const TDrzewo &catalogue, TDrzewo &repetitions, QList<TElement *> &repetitionList,
                        const QDate &today)
{
    repetitionList.clear();
    TElement *const catalogueRoot = catalogue.Root();

    // Finds or creates the copy of each ancestor of node below the catalogue root.
    const auto copyParentFor = [&](const TElement *node) {
        QList<const TElement *> chain;
        for (const TElement *p = node->Parent; p && p != catalogueRoot; p = p->Parent)
            chain.prepend(p);
        TElement *parent = repetitions.Root();
        for (const TElement *original : chain) {
            TElement *copy = nullptr;
            for (TElement *child : parent->Children)
                if (child->Id == original->Id && child->NodeType == original->NodeType) {
                    copy = child;
                    break;
                }
            if (!copy) {
                copy = Course::AddNode(repetitions, parent);
                Course::CopyNodeData(*original, *copy);
                copy->Expanded = false;
            }
            parent = copy;
        }
        return parent;
    };

    const std::function<void(const TElement *)> walk = [&](const TElement *node) {
        for (const TElement *child : node->Children) {
            const QDate due = child->RepeatDate == QLatin1String("0") ? QDate() : ParseRepeatDate(child->RepeatDate);
            if (due.isValid() && today >= due) {
                TElement *copy = Course::AddNode(repetitions, copyParentFor(child));
                Course::CopyNodeData(*child, *copy);
                copy->Expanded = false;
            }
            walk(child);
        }
    };
    walk(catalogueRoot);

    const std::function<void(TElement *, int)> flatten = [&](TElement *node, int depth) {
        for (TElement *child : node->Children) {
            const int index = int(repetitionList.size());
            repetitionList.append(child);
            child->Title = QStringLiteral("%1=%2=").arg(index).arg(depth) +
                           Utils::GetField(3, child->Title, QLatin1Char('='));
            flatten(child, depth + 1);
        }
    };
    flatten(repetitions.Root(), 0);
}

} // namespace Learner
