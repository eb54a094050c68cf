#pragma once
// Installs the real sound services of this machine: Qt Multimedia's GStreamer backend for
// sound files and films, QAudioSink for the Ogg ring and short sounds, QAudioSource for
// recording. Call once at start-up, after QApplication exists and before the media window
// is created. Where no sound device exists the null devices are kept, so playback still
// times and ends correctly and recording fails quietly.

#include "media/AudioWaveOut.h"
#include "media/MediaServices.h"

#include <memory>

class QWidget;

namespace Media {

void InstallSystemSound();

// The system services one by one (InstallSystemSound uses these).
bool HasSoundOutput();
bool HasMicrophone();
// QAudioSink in push mode; null when there is no output device.
std::unique_ptr<IWaveDevice> CreateSystemWaveDevice();
// QMediaPlayer with QAudioOutput (only when an output device exists) and a QVideoWidget.
std::unique_ptr<IMediaPlayer> CreateSystemMediaPlayer(QWidget *owner);
// QAudioSource into a QSaveFile.
std::unique_ptr<IRecorder> CreateSystemRecorder();

} // namespace Media
