#pragma once
// The arithmetic and text rules of the media window, free of widgets so they can be
// tested on their own: media kinds, speaker marks, the progress bar and the set-up of a
// screen's play button.

#include <QList>
#include <QString>

namespace Media {

// Kind of the file playing in the media window.
enum class TMediaKind { Sound = 0, Video = 1, Ogg = 2 };

// By extension: ".mpg"/".wmv" video, ".ogg" Ogg Vorbis, everything else (".mp3", ".wav")
// a sound file for the media player.
TMediaKind MediaKindOf(const QString &path);

// "12#47#95" -> {12, 47, 95}: fields up to the first empty one, at most five.
// A field that is not a number counts as 0 s, as the decimal conversion gives.
QList<int> ParseSpeakerMarks(const QString &marks);

// Geometry of the progress bar (client coordinates of the window).
inline constexpr int BarWidth = 227;
inline constexpr int KnobWidth = 6;
inline constexpr int MaxSpeakerMarks = 5;

// Left of speaker mark m (1-based) of n.
int SpeakerMarkLeft(int m, int n);
// Knob left for a position of a length (any unit); barLeft when the length is not positive.
int KnobLeftFor(qint64 position, qint64 length, int barLeft);
// Milliseconds to seek to when the knob stands at knobLeft (or the bar is clicked at x).
qint64 SeekTargetFor(qint64 lengthMs, int offsetOnBar);

// What SetupMediaButton does to a screen's play button for a media file name.
struct TMediaButtonSetup
{
    bool Visible = false;
    bool ChangeLook = false; // tag, glyph and caption below apply
    int Tag = -1;            // -1 leaves the tag
    QString Glyph;           // "IMG_Glosnik" or "IMG_Video"
    int CaptionText = 0;     // interface text number
};

// The file that must exist, relative to the media root: the name under "\Media\Teksty",
// a ".wmv" asked for as ".mpg" (films are shipped as mpg).
QString MediaButtonCheckPath(const QString &name);
TMediaButtonSetup DecideMediaButton(const QString &name, bool exists);

} // namespace Media
