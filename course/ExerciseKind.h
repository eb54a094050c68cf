#pragma once
// The kind codes of exercises (typ_cw) and what the program knows about each.

#include <QList>

namespace Course {

namespace ExerciseKind {
enum : int {
    TableSorting = 1,            // TfrmTabelka
    MultipleChoice = 3,          // TfrmTest
    GapTyping = 4,               // TfrmWpisywanie
    MatchingPairs = 7,           // TfrmAntonimy
    ThreePictures = 8,           // Tfrm3Obrazki
    DialoguePresentation = 11,   // TfrmDialogi_Prez (no score)
    DialogueItem12 = 12,         // package item without a screen
    DialogueComprehension = 14,  // TfrmDialogi_Rozum
    DialogueCompletion = 18,     // TfrmDialogi_Dop
    SentenceArranging = 21,      // TfrmZdania_Ukl
    SentenceDictation = 22,      // TfrmZdania_Dyk
    SentenceTranslation = 24,    // TfrmZdania_Tlu
    DialogueArranging = 26,      // TfrmDialogi_Ukl
    TrueFalseGroups = 31,        // TfrmTFGr
    Item41 = 41,                 // package items without a screen (41 carries no score)
    Item42 = 42,
    Item44 = 44,
    Item48 = 48,
    WordOrdering = 50,           // TfrmTabelkaCS
    NoScore51 = 51,              // never produced by the catalogue
    Uncovering = 52,             // TfrmOdkrywanka
    NoScore61 = 61,              // never produced by the catalogue
    PackageFile = 100,           // only in files; the catalogue turns it into 101 to 104
    PackageOfFiles = 101,
    DialoguePackage = 102,
    SentencePackage = 103,
    Package104 = 104,
};
}

// Kinds that have an exercise screen.
bool HasScreen(int kind);
// Kinds whose progress is -1 (11, 41, 51, 61).
bool HasNoScore(int kind);
// 101 to 104 (and an unexpanded 100): listed as folders, never opened.
bool IsPackageKind(int kind);
// Every code the catalogue may produce or meet in a file, for the inspector's checks.
bool IsKnownKind(int kind);

// One item a package of variants 2 to 4 offers for each bit of its mask.
struct TPackageItemKind
{
    int Bit;
    int Kind;
    int TitleText; // number of the interface text that titles the item
};
// The items of variant 2, 3 or 4, in the order they are listed; empty for other variants.
QList<TPackageItemKind> PackageItemKinds(int variant);
// The kind a package of variant 1 to 4 becomes (101 to 104); 100 for any other variant.
int PackageKindForVariant(int variant);

} // namespace Course
