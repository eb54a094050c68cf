#pragma once
// The kind codes of exercises (typ_cw) and what the program knows about each.

#include <QList>

namespace Course {

namespace ExerciseKind {
enum : int {
    TableSorting = 1,           // TfrmTabelka
    MultipleChoice = 3,         // TfrmTest
    GapTyping = 4,              // TfrmWpisywanie
    MatchingPairs = 7,          // TfrmAntonimy
    ThreePictures = 8,          // Tfrm3Obrazki
    DialoguePresentation = 11,  // TfrmDialogi_Prez (no score)
    DialogueItem12 = 12,        // package item without a screen
    DialogueComprehension = 14, // TfrmDialogi_Rozum
    DialogueCompletion = 18,    // TfrmDialogi_Dop
    SentenceArranging = 21,     // TfrmZdania_Ukl
    SentenceDictation = 22,     // TfrmZdania_Dyk
    SentenceTranslation = 24,   // TfrmZdania_Tlu
    DialogueArranging = 26,     // TfrmDialogi_Ukl
    TrueFalseGroups = 31,       // TfrmTFGr
    Item41 = 41,                // package items without a screen (41 carries no score)
    Item42 = 42,
    Item44 = 44,
    Item48 = 48,
    WordOrdering = 50, // TfrmTabelkaCS
    NoScore51 = 51,    // never produced by the catalogue
    Uncovering = 52,   // TfrmOdkrywanka
    NoScore61 = 61,    // never produced by the catalogue
    PackageFile = 100, // only in files; the catalogue turns it into 101 to 104
    PackageOfFiles = 101,
    DialoguePackage = 102,
    SentencePackage = 103,
    Package104 = 104,
};
}

// What the program knows of one kind that has a screen: one row of one table, read by the
// dispatch, the host and the shared exercise frame.
struct TKindInfo
{
    int Kind = 0;
    const char16_t *ScreenName = u"";  // the form's object name, "frmTest"
    const char16_t *HelpPage = u"";    // F1 and the help button; empty: the screen has none
    bool HelpInLearnerMode = true;     // whether F1 opens the page with the learner's title bar
    int ButtonSet = 31;                // bits of the navigation bar (numbered, help, back, close, dictionary)
    bool RecordsAtOnce = true;         // false: the host records the shown score on leaving
    bool Scored = true;                // false for kinds that carry no score
    int FirstUseNotice = 0;            // 7 sentences, 8 dialogues, 9 words, 0 none
    const char16_t *MediaFolder = u""; // under Media: "Teksty", "Zdania", "Dialogi" ...
    const char16_t *BackgroundFolder = u""; // under Gfx, for screens with a random background
    int MissingFileNumber = 1;              // the number in "Brak pliku ćwiczenia! (%d)"
};

// The row of kind, or null when the kind has no screen.
const TKindInfo *KindInfo(int kind);
// Every row, in kind order.
QList<TKindInfo> ScreenKinds();

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
