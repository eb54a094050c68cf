// A learner's records and the dictionary, each against its floor measured in the same run:
//   RecordVsSave      RecordExerciseResult on a file of 5,000 records, against one atomic,
//                     synced save of the same bytes through the program's routine, and
//                     against the bare floor: open, write, fsync, close and rename by hand
//                     (what any result must cost at least)
//   LoadStatistics    LoadStatistics of a 2,000-node catalogue from that file
//   DictionaryVsFloor loading the whole dictionary and its search index, against reading,
//                     decoding and splitting its lines
//   DictionarySearch  one search, the worst of a set of words (words and translations)
// Run: bench/bench_learner_files [--benchmark_repetitions=5]. The figures are counters in ms
// (ratio: the program against the floor). The statistics file lives in a temporary folder
// of $TMPDIR (set it to a tmpfs to leave the disk's sync out).

#include "course/Catalogue.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "reference/Slownik.h"
#include "utils/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The learner's file of 5,000 records and a catalogue of 2,000 nodes, half of them recorded.
struct LearnerFixture
{
    QTemporaryDir dir;
    Course::TDrzewo tree;
    QList<Course::TElement *> list;

    LearnerFixture()
    {
        QByteArray xml("<?xml version=\"1.0\"?><cwiczenia>");
        for (int i = 0; i < 5000; ++i)
            xml += "<plik nazwa=\"f" + QByteArray::number(i) +
                   ".xml\"><dane id=\"1\"><data>01-12-2026</data><postep>" + QByteArray::number(i % 101) +
                   "</postep><czas>00:00:00</czas><datapowtorka>2026-12-04=2</datapowtorka>"
                   "<posteppowtorka>50</posteppowtorka></dane></plik>";
        QFile f(Learner::StatisticsPath(dir.path(), 1));
        if (f.open(QIODevice::WriteOnly))
            f.write(xml + "</cwiczenia>");
        for (int g = 0; g < 20; ++g) {
            Course::TElement *group = tree.AddNode(nullptr);
            group->Id = g + 10;
            for (int e = 0; e < 99; ++e) {
                Course::TElement *n = tree.AddNode(group);
                n->Kind = 1;
                n->FileName = QStringLiteral("f%1.xml").arg((g * 99 + e) * 2);
            }
        }
        Course::NumberTree(tree.Root(), 0, list);
    }
};

// The least an atomic, synced save of bytes can cost: no checks, no messages.
void BareSyncedSave(const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray temporary = name + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    benchmark::DoNotOptimize(written);
    ::fsync(fd);
    ::close(fd);
    ::rename(temporary.constData(), name.constData());
}

LearnerFixture &TheLearner()
{
    static LearnerFixture learner;
    return learner;
}

void RecordVsSave(benchmark::State &state)
{
    LearnerFixture &l = TheLearner();
    const LearnerSettings settings = LearnerSettings::Defaults();
    const QDate today(2026, 12, 10);
    Learner::LoadStatistics(l.list, l.dir.path(), 1, today); // the login's load
    const QString path = Learner::StatisticsPath(l.dir.path(), 1);
    const QString floorPath = l.dir.filePath(u"floor.xml"_s);
    const QByteArray barePath = QFile::encodeName(l.dir.filePath(u"bare.xml"_s));
    double record = 0;
    double save = 0;
    double bare = 0;
    int value = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        Learner::ResultPanelState panel;
        panel.Present = panel.Visible = true;
        panel.Value = ++value % 101;
        if (!Learner::RecordExerciseResult(*l.list.last(), panel, settings, today, l.dir.path(), 1))
            state.SkipWithError("not saved");
        const auto t1 = Clock::now();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        const auto t2 = Clock::now();
        Utils::SaveFileAtomically(floorPath, bytes);
        const auto t3 = Clock::now();
        BareSyncedSave(barePath, bytes);
        const auto t4 = Clock::now();
        record += Ms(t1 - t0);
        save += Ms(t3 - t2);
        bare += Ms(t4 - t3);
    }
    const double n = double(state.iterations());
    state.counters["record_ms"] = record / n;
    state.counters["synced_save_ms"] = save / n;
    state.counters["bare_floor_ms"] = bare / n;
    state.counters["ratio"] = record / save;
    state.counters["beyond_floor_ms"] = (record - bare) / n;
}

void LoadStatistics(benchmark::State &state)
{
    LearnerFixture &l = TheLearner();
    const QDate today(2026, 12, 10);
    for (auto _ : state) {
        const auto r = Learner::LoadStatistics(l.list, l.dir.path(), 1, today);
        benchmark::DoNotOptimize(r.SkippedRecords);
    }
}

QString DictionaryPath()
{
    const QByteArray dir = qgetenv("AUDIVOX_PROGRAM_DIR");
    return QString::fromLocal8Bit(dir.isEmpty() ? QByteArray(AUDIVOX_PROGRAM_DIR) : dir) +
           u"/Dane/Slownik.txt"_s;
}

void DictionaryVsFloor(benchmark::State &state)
{
    if (!QFile::exists(DictionaryPath())) {
        state.SkipWithError("no converted dictionary in the program folder (build dictionary_data)");
        return;
    }
    double floor = 0;
    double load = 0;
    qsizetype entries = 0;
    for (auto _ : state) {
        // The floor: reading the file, decoding it and splitting it into lines.
        const auto t0 = Clock::now();
        {
            QFile file(DictionaryPath());
            file.open(QIODevice::ReadOnly);
            QStringDecoder decoder(QStringConverter::Utf16LE);
            const QString text = decoder.decode(file.readAll());
            const QStringList lines = text.split(u"\r\n"_s);
            benchmark::DoNotOptimize(lines.size());
        }
        const auto t1 = Clock::now();
        {
            const Reference::LoadResult loaded = Reference::LoadDictionaryFile(DictionaryPath());
            const Reference::TSearchIndex index(loaded.Entries);
            entries = loaded.Entries.size();
            benchmark::DoNotOptimize(index);
        }
        const auto t2 = Clock::now();
        floor += Ms(t1 - t0);
        load += Ms(t2 - t1);
    }
    const double n = double(state.iterations());
    state.counters["floor_ms"] = floor / n;
    state.counters["load_ms"] = load / n;
    state.counters["ratio"] = load / floor;
    state.counters["entries"] = double(entries);
}

void DictionarySearch(benchmark::State &state)
{
    const Reference::LoadResult loaded = Reference::LoadDictionaryFile(DictionaryPath());
    if (loaded.Entries.isEmpty()) {
        state.SkipWithError("no converted dictionary in the program folder (build dictionary_data)");
        return;
    }
    const Reference::TSearchIndex index(loaded.Entries);
    Reference::SearchOptions both;
    both.InTranslations = true;
    const QStringList words{u"dom"_s, u"a"_s, u"ap"_s, u"walk"_s, u"iść"_s, u"ę"_s, u"zzzz"_s};
    QList<double> total(words.size());
    for (auto _ : state) {
        for (int w = 0; w < words.size(); ++w) {
            const auto t0 = Clock::now();
            benchmark::DoNotOptimize(index.Search(words[w], false, both).size());
            total[w] += Ms(Clock::now() - t0);
        }
    }
    for (int w = 0; w < words.size(); ++w)
        state.counters[QString(u"ms_"_s + words[w]).toStdString()] = total[w] / double(state.iterations());
    const auto worst = std::max_element(total.begin(), total.end());
    state.counters["worst_search_ms"] = *worst / double(state.iterations());
    state.SetLabel(u"worst: %1"_s.arg(words[int(worst - total.begin())]).toStdString());
}

} // namespace

BENCHMARK(RecordVsSave)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(LoadStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(DictionaryVsFloor)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(DictionarySearch)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_MAIN();
