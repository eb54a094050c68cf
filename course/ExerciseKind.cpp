#include "course/ExerciseKind.h"

namespace Course {

namespace {

// Words and pictures (subsystem 5), then sentences and dialogues (subsystem 6). Where a kind's
// own help differs from the host's list (word ordering, dialogue arranging), the kind's holds.
constexpr TKindInfo kinds[] = {
    // kind, screen, help, learner mode, buttons, at once, scored, notice, media, background, missing
    {1, u"frmTabelka", u"h_film.html", false, 31, true, true, 9, u"Teksty", u"Background_roz", 1},
    {3, u"frmTest", u"h_film.html", false, 31, true, true, 9, u"Teksty", u"Background_roz", 3},
    {4, u"frmWpisywanie", u"h_film.html", false, 31, true, true, 9, u"Teksty", u"Background_roz", 4},
    {7, u"frmAntonimy", u"h_film.html", true, 31, true, true, 9, u"Teksty", u"Background_roz", 2},
    {8, u"frm3Obrazki", u"h_foto.html", true, 30, false, true, 0, u"3Obrazki", u"", 1},
    {11, u"frmDialogi_Prez", u"h_konwers.html", true, 31, true, false, 8, u"Dialogi", u"Background_dial", 3},
    {14, u"frmDialogi_Rozum", u"h_konwers.html", true, 31, true, true, 8, u"Dialogi", u"Background_dial", 3},
    {18, u"frmDialogi_Dop", u"h_konwers.html", true, 31, true, true, 8, u"Dialogi", u"Background_dial", 3},
    {21, u"frmZdania_Ukl", u"h_sent.html", true, 31, false, true, 7, u"Zdania", u"Background_zda", 3},
    {22, u"frmZdania_Dyk", u"h_sent.html", true, 31, false, true, 7, u"Zdania", u"Background_zda", 3},
    {24, u"frmZdania_Tlu", u"h_sent.html", true, 31, false, true, 7, u"Zdania", u"Background_zda", 3},
    {26, u"frmDialogi_Ukl", u"h_konwers.html", true, 31, true, false, 8, u"Dialogi", u"Background_dial", 3},
    {31, u"frmTFGr", u"h_film.html", false, 31, true, true, 9, u"Teksty", u"Background_roz", 6},
    {50, u"frmTabelkaCS", u"h_film.html", false, 31, true, true, 0, u"Teksty", u"Background_roz", 1},
    {52, u"frmOdkrywanka", u"h_nowe.html", true, 30, true, true, 0, u"Odkrywanki", u"", 1},
};

} // namespace

const TKindInfo *KindInfo(int kind)
{
    for (const TKindInfo &info : kinds) {
        if (info.Kind == kind)
            return &info;
    }
    return nullptr;
}

QList<TKindInfo> ScreenKinds()
{
    return QList<TKindInfo>(std::begin(kinds), std::end(kinds));
}

bool HasScreen(int kind)
{
    return KindInfo(kind) != nullptr;
}

bool HasNoScore(int kind)
{
    return kind == 11 || kind == 41 || kind == 51 || kind == 61;
}

bool IsPackageKind(int kind)
{
    return kind >= 100 && kind <= 104;
}

bool IsKnownKind(int kind)
{
    switch (kind) {
    case 12:
    case 41:
    case 42:
    case 44:
    case 48:
        return true;
    default:
        return HasScreen(kind) || IsPackageKind(kind);
    }
}

QList<TPackageItemKind> PackageItemKinds(int variant)
{
    switch (variant) {
    case 2:
        return {{1, 11, 9}, {2, 12, 10}, {4, 14, 11}, {8, 18, 12}, {16, 26, 20}};
    case 3:
        return {{1, 21, 13}, {2, 22, 14}, {4, 24, 15}};
    case 4:
        return {{1, 41, 16}, {2, 42, 17}, {4, 44, 18}, {8, 48, 19}};
    default:
        return {};
    }
}

int PackageKindForVariant(int variant)
{
    return variant >= 1 && variant <= 4 ? 100 + variant : 100;
}

} // namespace Course
