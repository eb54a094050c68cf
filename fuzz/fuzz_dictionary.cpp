// The dictionary in both forms (plain and scrambled) and its search.

#include "FuzzSupport.h"
#include "reference/Slownik.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    for (const bool scrambled : {false, true}) {
        const Reference::LoadResult loaded = Reference::ReadDictionary(bytes, scrambled);
        const Reference::TSearchIndex index(loaded.Entries);
        Reference::SearchOptions both;
        both.InTranslations = true;
        const QString needle =
            loaded.Entries.isEmpty() ? QStringLiteral("a") : loaded.Entries.last().Headword.left(3);
        const QList<int> found = index.Search(needle, false, both);
        for (int i : found)
            Fuzz::Require(i >= 0 && i < loaded.Entries.size(), "results are entries");
        index.Search(Reference::LetterOfButton(int(size % 27)), true, {});
        Reference::NormaliseLookupWord(
            needle, [&](const QString &s) { return !index.Search(s, false, {}).isEmpty(); });
    }
    return 0;
}
