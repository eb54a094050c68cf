#pragma once
// Shared by the skin tests: the assembled bundle, loaded once.

#include "skin/uSkin.h"

#include <QtTest>

inline const SkinRecord &TestSkin()
{
    static const SkinRecord skin = [] {
        InstallSkinFonts();
        const QString dir = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        return LoadSkinLibrary(dir + QStringLiteral("/") + SkinBundleFileName());
    }();
    return skin;
}
