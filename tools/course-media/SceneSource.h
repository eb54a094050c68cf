#pragma once
// A picture source of the course: one illustration drawn from a motif of the painter's
// library, with its size, colours and an optional caption. Format in content/README.md.

#include <QString>
#include <QStringList>

namespace CourseMedia {

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

struct SceneSource
{
    QString motif; // one to four names, separated by blanks: drawn side by side
    int width = 240;
    int height = 180;
    bool transparent = false; // no background at all (PNG only)
    Rgb background{234, 246, 252};
    Rgb colour{6, 54, 99};   // the motif's main colour
    Rgb accent{2, 174, 228}; // its second colour
    QString caption;         // drawn under the motif when not empty
    int stripes = 0;         // uncovering pictures: number of 70-pixel strips to frame
};

// Parses a source; false with a message naming the line. knownMotifs, when not empty,
// is checked so that a misspelt motif fails at once.
bool ParseSceneSource(const QString &text, SceneSource &scene, QString &error,
                      const QStringList &knownMotifs = {});

} // namespace CourseMedia
