#pragma once
// Recordings and films made for the media tests the way the course pipeline makes them:
// espeak-ng speech (mono, 22,050 Hz) as wav, ogg and mp3, and two-second films.

#include <QString>

namespace MediaFixtures {

// Runs a tool; false (with its error output in the test log) when it fails.
bool Run(const QString &program, const QStringList &arguments);

// Speech of the text as "<base>.wav", "<base>.ogg" and "<base>.mp3" in folder.
bool MakeSpeech(const QString &folder, const QString &base, const QString &text);
// A tone of seconds at 44,100 Hz stereo (loud enough to be told from silence).
bool MakeTone(const QString &path, double seconds, int frequency = 440);
// A two-second test-picture film: ".mpg" (MPEG-2 programme stream) or ".wmv" (ASF).
bool MakeFilm(const QString &path);

} // namespace MediaFixtures
