#include "course/ExerciseKind.h"

namespace Course {

bool HasScreen(int kind)
{
    switch (kind) {
    case 1: case 3: case 4: case 7: case 8: case 11: case 14: case 18:
    case 21: case 22: case 24: case 26: case 31: case 50: case 52:
        return true;
    default:
        return false;
    }
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
    case 12: case 41: case 42: case 44: case 48:
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
