#pragma once
// Installs the real sound services of this machine: Qt Multimedia's GStreamer backend for
// sound files and films, QAudioSink for the Ogg ring and short sounds, QAudioSource for
// recording. Call once at start-up, after QApplication exists and before the media window
// is created. Where no sound device exists the null devices are kept, so playback still
// times and ends correctly and recording fails quietly.

namespace Media {

void InstallSystemSound();

} // namespace Media
