#pragma once
// A whole Ogg Vorbis file decoded to 16-bit PCM at once, for pictures of a recording (the
// voice analyser's chart); playback streams through TOggPlayer instead.

#include "media/WaveFile.h"

#include <QString>

namespace Media {

// Decodes path; false with the reason for a missing, unreadable or non-Vorbis file. At most
// maxSeconds of sound are decoded.
bool DecodeOggFile(const QString &path, TWaveData &out, QString *error = nullptr, int maxSeconds = 600);

} // namespace Media
