// The statistics file's reader and its splicing writer: whatever is read is written back
// and read again, and what was written is what is read.

#include "FuzzSupport.h"
#include "learner/StatisticsFile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using Learner::StatisticsFile;
    using Learner::StatisticsRecord;
    StatisticsFile file;
    QString why;
    const bool read = file.Parse(Fuzz::Bytes(data, size), &why);
    Fuzz::Require(read || !why.isEmpty(), "a refused file says why");
    if (!read) {
        // The records before the damage make a fresh file that reads back whole.
        const StatisticsFile fresh = StatisticsFile::Fresh(file.Records());
        StatisticsFile again;
        Fuzz::Require(again.Parse(fresh.Bytes(), nullptr), "a recovered file reads");
        return 0;
    }
    const QString values[StatisticsRecord::ChildCount] = {
        QStringLiteral("10-12-2026"), QStringLiteral("55"), QStringLiteral("00:00:00"),
        QStringLiteral("2026-12-13=1"), QStringLiteral("55")};
    const QString name =
        file.Records().isEmpty() ? QStringLiteral("a&<\"ś.xml") : file.Records().first().FileName;
    file.Write(name, 7, values);
    file.Write(QStringLiteral("Paczki\\nowy.xml"), 1, values);
    StatisticsFile again;
    QString whyAgain;
    Fuzz::Require(again.Parse(file.Bytes(), &whyAgain), "a written file reads");
    bool found = false;
    for (const StatisticsRecord &record : again.Records())
        if (record.FileName == name && record.KindIsNumber && record.Kind == 7 &&
            record.Values[StatisticsRecord::Postep] == QStringLiteral("55")) {
            found = true;
            break;
        }
    Fuzz::Require(found, "the written record reads back");
    return 0;
}
