#pragma once
// The platform services behind the media window: the player of sound files and films and
// the recorder of the learner's voice. The program installs the Qt Multimedia ones
// (InstallSystemMedia in media/SystemMedia.h); without them, and in tests, fakes or the
// silent defaults are used, so nothing ever waits for a sound device.

#include "media/WaveFile.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace Media {

// Sound files (mp3, wav) and films (mpg, wmv). Positions and lengths are milliseconds
// counted from the file's first frame.
class IMediaPlayer
{
public:
    virtual ~IMediaPlayer() = default;

    // Called once when the file has played to its end, or could not be played at all
    // (undecodable file, no device): the media window treats both as the end.
    std::function<void()> OnEnded;

    // Films are drawn into videoArea (null for sound files).
    virtual void Open(const QString &path, QWidget *videoArea) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual bool IsPaused() const = 0;
    virtual void Stop() = 0; // also back to position 0
    virtual void Seek(qint64 ms) = 0;
    virtual qint64 Position() const = 0;
    virtual qint64 Length() const = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
};

// Records from the default microphone in the given format.
class IRecorder
{
public:
    virtual ~IRecorder() = default;
    // Starts capturing into path (nothing is written there before Stop(true)).
    // False when no microphone can deliver the format.
    virtual bool Start(const QString &path, const TPcmFormat &format) = 0;
    // Ends capturing; with save the recording becomes the file at path as one whole
    // PCM WAVE file, otherwise it is dropped. False when nothing could be saved.
    virtual bool Stop(bool save) = 0;
    virtual bool IsRecording() const = 0;
};

// Decodes a whole sound file to PCM; false when it cannot.
using SoundDecoder = std::function<bool(const QString &path, TWaveData &out)>;

using MediaPlayerFactory = std::function<std::unique_ptr<IMediaPlayer>(QWidget *owner)>;
using RecorderFactory = std::function<std::unique_ptr<IRecorder>()>;

// The defaults used without a factory: a player whose files end at once, a recorder that
// never starts.
std::unique_ptr<IMediaPlayer> CreateSilentMediaPlayer();
std::unique_ptr<IRecorder> CreateNoRecorder();

// Factories used when the media window is created.
std::unique_ptr<IMediaPlayer> CreateMediaPlayer(QWidget *owner);
std::unique_ptr<IRecorder> CreateRecorder();
void SetMediaPlayerFactory(MediaPlayerFactory factory);
void SetRecorderFactory(RecorderFactory factory);

// The whole of a recording as PCM, for pictures of it: a WAV file as written, Ogg Vorbis by
// its own decoder, an mp3 from its Ogg Vorbis twin beside it when there is one (the course
// ships both), else through the installed decoder (the system's, or a test's).
bool DecodeSoundFile(const QString &path, TWaveData &out, QString *error = nullptr);
void SetSoundDecoder(SoundDecoder decoder);

} // namespace Media
