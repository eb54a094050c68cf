// The bodies of the word exercises, each read as its screen reads it and inspected as the
// course checker inspects it: gap typing and its gap text, matching pairs, the table, the
// ordered column, three pictures, true/false groups and uncovering. The models the screens
// build from a body are made and laid out with rough text widths.

#include "FuzzSupport.h"
#include "exercises/shared/TaggedText.h"
#include "exercises/words/LaczenieModel.h"
#include "exercises/words/Struct_3Obrazki.h"
#include "exercises/words/Struct_Laczenie.h"
#include "exercises/words/Struct_Odkrywanka.h"
#include "exercises/words/Struct_TF2.h"
#include "exercises/words/Struct_Tabelka.h"
#include "exercises/words/Struct_TabelkaCS.h"
#include "exercises/words/Struct_Wpisywanie.h"
#include "exercises/words/TabelkaCSModel.h"
#include "exercises/words/TabelkaModel.h"
#include "exercises/words/TrueFalseModel.h"
#include "exercises/words/UncoveringModel.h"
#include "utils/Random.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

namespace {

int Width(const QString &text)
{
    return int(text.size()) * 7;
}

void GapTyping(const QByteArray &bytes)
{
    const WpisywanieReadResult read = ReadWpisywanie(bytes, 1, 0);
    InspectWpisywanie(bytes, Fuzz::Folder());
    const QList<TWyrazTekstu> words = TaggedText::ReadGapText(read.Exercise.Text);
    const QList<TWyrazTekstu> phrases = TaggedText::ReadPhraseList(read.Exercise.PhraseList);
    Fuzz::Require(read.Ok() || (words.isEmpty() && phrases.isEmpty()), "a refused gap file keeps text");
}

void Tiles(const QByteArray &bytes)
{
    const Utils::RandomPick pick = Utils::MakeSeededPick(quint32(bytes.size()));

    const LaczenieReadResult pairs = ReadLaczenie(bytes, 1, 0);
    InspectLaczenie(bytes);
    const Laczenie::TModel pairModel(pairs.Exercise.Pairs, pick);
    Fuzz::Require(pairModel.Count() == pairs.Exercise.Pairs.size(), "one row per pair");
    Laczenie::TRowsMetrics rows;
    rows.TileWidth = Laczenie::TileWidth(pairModel.Tiles(), Width);
    rows.Measure = Width;
    rows.TextHeight = 16;
    const Laczenie::TRowsLayout rowsLayout = Laczenie::LayOutRows(pairModel, rows);
    Fuzz::Require(rowsLayout.Slots.size() == pairModel.Count(), "one slot per row");
    Laczenie::AreaTop(pairModel.Count(), rows.TileWidth);

    const TabelkaReadResult table = ReadTabelka(bytes, 1, 0);
    InspectTabelka(bytes);
    const Tabelka::TModel tableModel(table.Exercise, pick);
    const int cellWidth = Tabelka::CellWidth(table.Exercise, Width);
    Tabelka::LayOutTable(tableModel.Columns(), tableModel.RowCount(), cellWidth,
                         int(tableModel.Tiles().size()));
    Tabelka::GridRows(int(tableModel.Tiles().size()), cellWidth);

    const TabelkaCSReadResult column = ReadTabelkaCS(bytes, 1, 0);
    InspectTabelkaCS(bytes);
    const TabelkaCS::TModel columnModel(column.Exercise.Words, pick);
    for (int position = 1; position <= columnModel.Count(); ++position)
        Fuzz::Require(columnModel.TileAt(position) >= 0, "every place of the column holds a tile");
    TabelkaCS::LayOutColumn(columnModel.Count(), TabelkaCS::TileWidth(columnModel.Tiles(), Width));
}

void Listening(const QByteArray &bytes)
{
    const ThreePicturesReadResult pictures = Read3Obrazki(bytes, 1, 0);
    Inspect3Obrazki(bytes, Fuzz::Folder());
    Fuzz::Require(pictures.Ok() == !pictures.Exercise.Groups.isEmpty(), "a three-pictures file has turns");

    TF2ReadResult truth = ReadTF2(bytes, 1, 0);
    InspectTF2(bytes);
    TrueFalseModel::InspectTableFit(truth.Exercise, QSize(), QSize());
    TrueFalseModel::ShuffleStatements(truth.Exercise.Items, Utils::MakeSeededPick(7));
    TrueFalseModel::ScoreTrueFalse(truth.Exercise.Items);

    const OdkrywankaReadResult uncovering = ReadOdkrywanka(bytes, 1, 0);
    InspectOdkrywanka(bytes, Fuzz::Folder(), Fuzz::Folder() + QStringLiteral("/none.jpg"));
    Fuzz::Require(uncovering.Exercise.Definitions.size() <= MaxUncoveringWords,
                  "the column holds every word");
    const UncoveringModel::TUncoveringLayout layout =
        UncoveringModel::LayoutFor(int(uncovering.Exercise.Definitions.size()), 0);
    for (int place = 0; place < uncovering.Exercise.Definitions.size(); ++place)
        UncoveringModel::ButtonTop(layout, place);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    GapTyping(bytes);
    Tiles(bytes);
    Listening(bytes);
    return 0;
}
