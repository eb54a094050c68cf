#pragma once
// What the sound module ("audivox-sound", beside the executable) exports to the program:
// plain C entry points, so the program can load it at run time. Objects it creates are the
// program's to delete (through their virtual destructors).

class QString;
class QWidget;

namespace Media {

class IWaveDevice;
class IMediaPlayer;
class IRecorder;
class ISoundService;
struct TWaveData;

// Raised whenever the entry points or the interfaces behind them change.
constexpr int SoundModuleVersion = 1;

using SoundModuleVersionFn = int (*)();
using HasDeviceFn = bool (*)();
using CreateWaveDeviceFn = IWaveDevice *(*)();
using CreateMediaPlayerFn = IMediaPlayer *(*)(QWidget *);
using CreateRecorderFn = IRecorder *(*)();
using CreateSoundServiceFn = ISoundService *(*)();
// Decodes a whole sound file (mp3 and whatever else the system's decoders read) to 16-bit
// PCM. Optional: a module without it simply draws no picture of such files.
using DecodeSoundFn = bool (*)(const QString &path, TWaveData *out);

} // namespace Media
