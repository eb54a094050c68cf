#pragma once
// What the sound module ("audivox-sound", beside the executable) exports to the program:
// plain C entry points, so the program can load it at run time. Objects it creates are the
// program's to delete (through their virtual destructors).

class QWidget;

namespace Media {

class IWaveDevice;
class IMediaPlayer;
class IRecorder;
class ISoundService;

// Raised whenever the entry points or the interfaces behind them change.
constexpr int SoundModuleVersion = 1;

using SoundModuleVersionFn = int (*)();
using HasDeviceFn = bool (*)();
using CreateWaveDeviceFn = IWaveDevice *(*)();
using CreateMediaPlayerFn = IMediaPlayer *(*)(QWidget *);
using CreateRecorderFn = IRecorder *(*)();
using CreateSoundServiceFn = ISoundService *(*)();

} // namespace Media
