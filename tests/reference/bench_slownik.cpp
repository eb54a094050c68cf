// Loading the full converted dictionary and searching it as the learner does.
// Run: bench_slownik [--benchmark_...]; the dictionary comes from the assembled program folder.

#include "reference/Slownik.h"

#include <QFile>
#include <QString>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QString DictionaryPath()
{
    const QByteArray dir = qgetenv("AUDIVOX_PROGRAM_DIR");
    return QString::fromLocal8Bit(dir.isEmpty() ? QByteArray(AUDIVOX_PROGRAM_DIR) : dir) +
           u"/Dane/Slownik.txt"_s;
}

const QList<TDane> &Entries()
{
    static const QList<TDane> entries = Reference::LoadDictionaryFile(DictionaryPath()).Entries;
    return entries;
}

void LoadFullDictionary(benchmark::State &state)
{
    QFile file(DictionaryPath());
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no converted dictionary in the program folder");
        return;
    }
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        const Reference::LoadResult r = Reference::ReadDictionary(data, false);
        const Reference::TSearchIndex index(r.Entries);
        benchmark::DoNotOptimize(r.Entries.size());
    }
    state.counters["entries"] = double(Entries().size());
}

// 1,000 searches: a third typed words, a third in translations, a third letter buttons.
void ThousandSearches(benchmark::State &state)
{
    const QList<TDane> &entries = Entries();
    if (entries.isEmpty()) {
        state.SkipWithError("no converted dictionary in the program folder");
        return;
    }
    const QStringList words{u"ap"_s, u"walk"_s, u"house"_s, u"ru"_s, u"str"_s, u"be"_s, u"quick"_s, u"tra"_s};
    const QStringList polish{u"dom"_s, u"iść"_s, u"szybk"_s, u"woda"_s, u"praca"_s, u"ręk"_s, u"chleb"_s};
    Reference::SearchOptions inWords;
    Reference::SearchOptions inTranslations;
    inTranslations.InWords = false;
    inTranslations.InTranslations = true;
    const Reference::TSearchIndex index(entries);
    qsizetype found = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            switch (i % 3) {
            case 0:
                found += index.Search(words.at(i % words.size()), false, inWords).size();
                break;
            case 1:
                found += index.Search(polish.at(i % polish.size()), false, inTranslations).size();
                break;
            default:
                found += index.Search(Reference::LetterOfButton(i % 27), true, inWords).size();
            }
        }
    }
    benchmark::DoNotOptimize(found);
    state.counters["searches"] =
        benchmark::Counter(1000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

// A right-button look-up: normalising a clicked word (one search, maybe an ending) and the search.
void RightClickLookUp(benchmark::State &state)
{
    const QList<TDane> &entries = Entries();
    const QStringList clicked{u"walked,"_s, u"going"_s, u"(houses)"_s, u"likes"_s, u"1999"_s, u"quickly."_s};
    Reference::SearchOptions options;
    const Reference::TSearchIndex index(entries);
    int i = 0;
    for (auto _ : state) {
        const QString s =
            Reference::NormaliseLookupWord(clicked.at(i++ % clicked.size()), [&](const QString &w) {
                return !index.Search(w, false, options).isEmpty();
            });
        if (!s.isEmpty())
            benchmark::DoNotOptimize(index.Search(s, false, options).size());
    }
}

} // namespace

BENCHMARK(LoadFullDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(ThousandSearches)->Unit(benchmark::kMillisecond);
BENCHMARK(RightClickLookUp)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
