#include "learner/Struct_Stat.h"

#include "course/Catalogue.h"
#include "learner/LearnerFiles.h"
#include "learner/StatisticsFile.h"
#include "learner/Struct_Config.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace Learner {

namespace {

const QString EmptyStatistics = QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>");

bool ToInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

// The statistics file last read or written, kept so that recording a result needs no new
// read of the whole file. It is used only while the file on disk holds exactly the bytes
// it was made from; anything else on disk is read afresh.
struct KeptFile
{
    QString Path;
    QByteArray Bytes;
    bool Valid = false;
    StatisticsFile File;
};

KeptFile &keptFile()
{
    static KeptFile kept;
    return kept;
}

QString damagedMessage(const QString &path, const QString &why, const QString &copy, int recovered)
{
    if (copy.isEmpty())
        return QStringLiteral("Plik ze statystykami %1 jest uszkodzony (%2) i nie można go przenieść. "
                              "Wyniki nie będą zapisywane, plik pozostaje bez zmian.")
            .arg(QDir::toNativeSeparators(path), why);
    QString text = QStringLiteral("Plik ze statystykami %1 był uszkodzony (%2). Zachowano go jako %3. ")
                       .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(copy));
    if (recovered > 0)
        text += QStringLiteral(
                    "Odzyskano z niego %1 sprzed uszkodzenia i zapisano je w nowym pliku ze statystykami.")
                    .arg(Files::PolishCount(recovered, QStringLiteral("wynik"), QStringLiteral("wyniki"),
                                            QStringLiteral("wyników")));
    else
        text +=
            QStringLiteral("Nie udało się odzyskać z niego żadnych wyników; utworzono nowy, pusty plik ze "
                           "statystykami.");
    return text;
}

// What opening the learner's file found.
struct Opening
{
    StatisticsFileState State = StatisticsFileState::Read;
    QString Message;
    QString DamagedCopy;
    int Recovered = 0;
    StatisticsFile *File = nullptr; // null: the file must not be written (it could not be kept aside)
};

// Reads the learner's file (or takes the kept one). A missing file gives an empty
// document; a damaged one is first kept aside under a dated name, and the records that
// ended before the damage are carried into the new document.
Opening OpenStatistics(const QString &path, const QDate &today)
{
    Opening result;
    KeptFile &kept = keptFile();
    QFile file(path);
    if (!file.exists()) {
        result.State = StatisticsFileState::Missing;
        kept = KeptFile{path, {}, false, StatisticsFile()};
        result.File = &kept.File;
        return result;
    }
    QByteArray bytes;
    QString why;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            why = QStringLiteral("błąd odczytu");
    } else {
        why = QStringLiteral("nie można go otworzyć");
    }
    if (why.isEmpty() && kept.Valid && kept.Path == path && kept.Bytes == bytes) {
        result.File = &kept.File;
        return result;
    }
    StatisticsFile parsed;
    if (why.isEmpty() && parsed.Parse(bytes, &why)) {
        kept = KeptFile{path, bytes, true, std::move(parsed)};
        result.File = &kept.File;
        return result;
    }
    kept.Valid = false;
    result.State = StatisticsFileState::Damaged;
    result.DamagedCopy = Files::KeepDamagedFile(path, today);
    if (result.DamagedCopy.isEmpty()) {
        result.State = StatisticsFileState::Failed;
        result.Message = damagedMessage(path, why, {}, 0);
        return result;
    }
    kept = KeptFile{path, {}, false, StatisticsFile::Fresh(parsed.Records())};
    result.Recovered = int(kept.File.Records().size());
    result.Message = damagedMessage(path, why, result.DamagedCopy, result.Recovered);
    result.File = &kept.File;
    return result;
}

// Saves the kept document; it stays valid only when the file now holds its bytes.
bool SaveStatistics(const QString &path, QString *error)
{
    KeptFile &kept = keptFile();
    const QByteArray bytes = kept.File.Bytes();
    kept.Valid = Files::WriteAtomically(path, bytes, error);
    kept.Path = path;
    kept.Bytes = kept.Valid ? bytes : QByteArray();
    return kept.Valid;
}

void WriteNode(StatisticsFile &file, const TElement &node)
{
    const QString values[StatisticsRecord::ChildCount] = {
        node.LastDate, QString::number(node.Progress), node.Time,
        node.RepeatDate + QLatin1Char('=') + QString::number(node.RepeatFactor),
        QString::number(node.RepeatProgress)};
    file.Write(node.FileName, node.Kind, values);
}

void StampNode(TElement &node, const QDate &today)
{
    node.LastDate = LastDateText(today);
    if (node.Kind == 11)
        node.Progress = -1;
    node.HasResult = true;
}

// The node's record and its ancestors' (means recomputed), in the order they are written.
QList<TElement *> StampWithAncestors(TElement &node, const QDate &today)
{
    StampNode(node, today);
    QList<TElement *> changed{&node};
    for (TElement *p = node.Parent; p; p = p->Parent) {
        qint64 sum = 0;
        int count = 0;
        for (const TElement *child : p->Children)
            if (child->Progress >= 0) {
                sum += child->Progress;
                ++count;
            }
        // No child with a score: the ancestor has none either.
        p->Progress = count ? int(sum / count) : -1;
        StampNode(*p, today);
        changed << p;
    }
    return changed;
}

void CopyStatistics(const TElement &from, TElement &to)
{
    to.LastDate = from.LastDate;
    to.Progress = from.Progress;
    to.Time = from.Time;
    to.HasResult = from.HasResult;
    to.RepeatFactor = from.RepeatFactor;
    to.RepeatProgress = from.RepeatProgress;
    to.RepeatDate = from.RepeatDate;
}

// Writes nodes into the learner's file in one atomic save.
bool WriteNodes(const QList<TElement *> &nodes, const QDate &today, const QString &usersFolder, int id,
                QString *error)
{
    const QString path = StatisticsPath(usersFolder, id);
    const Opening opening = OpenStatistics(path, today);
    if (!opening.Message.isEmpty())
        Utils::ShowSystemError(opening.Message);
    if (!opening.File) {
        if (error)
            *error = QStringLiteral("Wynik nie został zapisany: plik ze statystykami %1 jest uszkodzony.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    for (const TElement *node : nodes)
        WriteNode(*opening.File, *node);
    QString why;
    if (SaveStatistics(path, &why))
        return true;
    if (error)
        *error = QStringLiteral("Wynik nie został zapisany. ") + why;
    return false;
}

} // namespace

QString StatisticsPath(const QString &usersFolder, int id)
{
    return usersFolder + QLatin1Char('/') + QString::number(id) + QStringLiteral("_stat.xml");
}

bool CreateEmptyStatisticsFile(const QString &usersFolder, int id, QString *error)
{
    return Files::WriteAtomically(StatisticsPath(usersFolder, id), Files::Utf16Lines({EmptyStatistics}),
                                  error);
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
        node.RepeatFactor = int(qMin<qint64>(qint64(node.RepeatFactor) * 2, MaxRepeatFactor));
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

    const Opening opening = OpenStatistics(path, today);
    result.State = opening.State;
    result.DamagedCopy = opening.DamagedCopy;
    result.RecoveredRecords = opening.Recovered;
    if (opening.State != StatisticsFileState::Read) {
        result.Message = opening.State == StatisticsFileState::Missing
                             ? QStringLiteral("Brak pliku ze statystykami! ")
                             : opening.Message;
        QString writeError;
        if (opening.File && !SaveStatistics(path, &writeError)) {
            result.State = StatisticsFileState::Failed;
            result.Message += QStringLiteral(" Nie udało się jednak utworzyć nowego pliku. ") + writeError +
                              QStringLiteral(" Wyniki zostaną zapisane, gdy zapis znów będzie możliwy.");
        } else if (opening.State == StatisticsFileState::Missing) {
            result.Message += QStringLiteral("Plik został stworzony ponownie! ");
        }
        Utils::ShowSystemError(result.Message.trimmed() + QLatin1Char(' '));
        if (!opening.File || opening.Recovered == 0)
            return result;
    }

    if (progress)
        progress->ShowProgress(int(nodes.size()) - 1, Utils::GetInterfaceText(52));

    // The first record of each (file, kind) in document order, as a search from the top finds it.
    const QList<StatisticsRecord> &records = opening.File->Records();
    QHash<QString, QHash<int, int>> index;
    for (int r = 0; r < records.size(); ++r) {
        const StatisticsRecord &record = records[r];
        if (!record.KindIsNumber)
            continue;
        QHash<int, int> &kinds = index[record.FileName];
        if (!kinds.contains(record.Kind))
            kinds.insert(record.Kind, r);
    }

    for (int i = 0; i < nodes.size(); ++i) {
        TElement &node = *nodes[i];
        const auto file = index.constFind(node.FileName);
        if (file != index.constEnd()) {
            const auto found = file->constFind(node.Kind);
            if (found != file->constEnd()) {
                const StatisticsRecord &record = records[*found];
                const QString &schedule = record.Values[StatisticsRecord::Datapowtorka];
                int postep = 0;
                int repeatProgress = 0;
                int factor = 0;
                if (ToInteger(record.Values[StatisticsRecord::Postep], postep) &&
                    ToInteger(record.Values[StatisticsRecord::Posteppowtorka], repeatProgress) &&
                    ToInteger(Utils::GetField(2, schedule, QLatin1Char('=')), factor)) {
                    // Numbers from the file are kept within what the program itself writes.
                    node.LastDate = record.Values[StatisticsRecord::Data];
                    node.Progress = qBound(-1, postep, 100);
                    node.Time = record.Values[StatisticsRecord::Czas];
                    node.HasResult = true;
                    node.RepeatProgress = qBound(-1, repeatProgress, 100);
                    node.RepeatDate = Utils::GetField(1, schedule, QLatin1Char('='));
                    node.RepeatFactor = qBound(1, factor, MaxRepeatFactor);
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
    // A copy in the repetitions tree records on its catalogue node, whose schedule and
    // ancestors are the ones that count; the copy then shows the same.
    TElement &target = node.Original ? *node.Original : node;
    QList<TElement *> changed;
    if (panel.Present && panel.Visible && panel.Tag == 0) {
        panel.Tag = 1; // the same result is never recorded twice
        target.Progress = qBound(0, panel.Value, 100);
        target.Time = QStringLiteral("00:00:00");
        if (settings.ScheduleRepetitions)
            ScheduleRepetition(target, target.Progress, settings.RepetitionThreshold, today);
        changed = StampWithAncestors(target, today);
    }
    // Presentation-like kinds get a dated record without a score each time they are left.
    if (IsScorelessKind(target.Kind)) {
        target.Progress = -1;
        target.Time = QStringLiteral("00:00:00");
        changed = StampWithAncestors(target, today);
    }
    if (changed.isEmpty())
        return true;
    const bool saved = WriteNodes(changed, today, usersFolder, id, error);
    if (node.Original)
        for (TElement *copy = &node; copy; copy = copy->Parent)
            if (copy->Original)
                CopyStatistics(*copy->Original, *copy);
    return saved;
}

bool SaveNodeStatistics(TElement &node, const QDate &today, const QString &usersFolder, int id,
                        QString *error)
{
    StampNode(node, today);
    return WriteNodes({&node}, today, usersFolder, id, error);
}

bool UpdateAncestors(TElement &node, const QDate &today, const QString &usersFolder, int id, QString *error)
{
    QList<TElement *> changed = StampWithAncestors(node, today);
    changed.removeFirst();
    return WriteNodes(changed, today, usersFolder, id, error);
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
                copy->Original = const_cast<TElement *>(original);
            }
            parent = copy;
        }
        return parent;
    };

    const std::function<void(const TElement *)> walk = [&](const TElement *node) {
        for (const TElement *child : node->Children) {
            const QDate due =
                child->RepeatDate == QLatin1String("0") ? QDate() : ParseRepeatDate(child->RepeatDate);
            if (due.isValid() && today >= due) {
                TElement *copy = Course::AddNode(repetitions, copyParentFor(child));
                Course::CopyNodeData(*child, *copy);
                copy->Expanded = false;
                copy->Original = const_cast<TElement *>(child);
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
