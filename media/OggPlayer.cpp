#include "media/OggPlayer.h"

#include <QFile>
#include <QFileInfo>

#include <vorbis/vorbisfile.h>

#include <cstdio>

namespace {
// Consecutive decoder errors after which the rest of the file is given up.
constexpr int MaxDecodeErrors = 16;

// The decoder reads the file stream only through these.
size_t ReadCallback(void *ptr, size_t size, size_t count, void *source)
{
    if (size == 0 || count == 0)
        return 0;
    auto *file = static_cast<QFile *>(source);
    const qint64 got = file->read(static_cast<char *>(ptr), qint64(size * count));
    if (got <= 0)
        return 0;
    return size_t(got) / size;
}

int SeekCallback(void *source, ogg_int64_t offset, int whence)
{
    auto *file = static_cast<QFile *>(source);
    if (file->isSequential())
        return -1;
    qint64 target = offset;
    if (whence == SEEK_CUR)
        target += file->pos();
    else if (whence == SEEK_END)
        target += file->size();
    else if (whence != SEEK_SET)
        return -1;
    return target >= 0 && file->seek(target) ? 0 : -1;
}

int CloseCallback(void *source)
{
    auto *file = static_cast<QFile *>(source);
    file->close();
    delete file;
    return 0;
}

long TellCallback(void *source)
{
    auto *file = static_cast<QFile *>(source);
    if (file->isSequential())
        return -1;
    return long(file->pos());
}
} // namespace

struct TOggPlayer::Decoder
{
    OggVorbis_File File{};
    int ErrorRun = 0;
};

TOggPlayer::TOggPlayer(QObject *owner) : QObject(owner)
{
}

TOggPlayer::~TOggPlayer()
{
    OnPlayingDone = nullptr;
    Release();
}

bool TOggPlayer::Play()
{
    Stop();
    if (FileName.isEmpty() || !QFileInfo::exists(FileName))
        return false;
    auto *file = new QFile(FileName);
    if (!file->open(QIODevice::ReadOnly)) {
        delete file;
        return false;
    }
    auto *decoder = new Decoder;
    const ov_callbacks callbacks{ReadCallback, SeekCallback, CloseCallback, TellCallback};
    if (ov_open_callbacks(file, &decoder->File, nullptr, 0, callbacks) != 0) {
        // On failure the decoder does not own the stream.
        delete decoder;
        delete file;
        return false;
    }
    m_decoder = decoder;
    const vorbis_info *info = ov_info(&m_decoder->File, -1);
    // The stream's numbers are checked where they are read: a rate the sound output cannot
    // hold is no playable file.
    if (!info || info->channels < 1 || info->rate < Media::MinSampleRate ||
        info->rate > Media::MaxSampleRate) {
        Release();
        return false;
    }
    try {
        m_waveOut = new TWaveOut(this);
        m_waveOut->SetFormat(info->channels == 2, int(info->rate), 16);
        m_waveOut->OnDone = [this](TWaveOut *) { PlaybackEnded(); };
        m_waveOut->OnData = [this](TWaveBuffer &buffer, qint64 capacity, double &timestamp) {
            return Fill(buffer, capacity, timestamp);
        };
        m_waveOut->Open();
        m_waveOut->Start();
    } catch (const EWaveOut &) {
        // Nothing of this playback may stay open: not the device, the decoder or the file.
        Release();
        throw;
    }
    m_playing = true;
    return true;
}

void TOggPlayer::Stop()
{
    if (!m_playing)
        return;
    Release();
}

void TOggPlayer::Release()
{
    m_playing = false;
    if (m_waveOut) {
        TWaveOut *waveOut = m_waveOut;
        m_waveOut = nullptr;
        waveOut->OnData = nullptr;
        waveOut->OnDone = nullptr;
        try {
            waveOut->Close();
        } catch (const EWaveOut &) {
            // The playback is over either way.
        }
        // The end of a playback is reported from inside the wave control's own event.
        waveOut->deleteLater();
    }
    if (m_decoder) {
        ov_clear(&m_decoder->File); // closes the file through the close callback
        delete m_decoder;
        m_decoder = nullptr;
    }
}

int TOggPlayer::Position()
{
    if (!m_playing || !m_waveOut)
        return 0;
    return int(m_waveOut->Position());
}

int TOggPlayer::Length()
{
    if (!m_decoder)
        return 0;
    const double total = ov_time_total(&m_decoder->File, -1);
    return total > 0 ? int(total) : 0;
}

qint64 TOggPlayer::Fill(TWaveBuffer &buffer, qint64 capacity, double &timestamp)
{
    if (!m_decoder)
        return 0;
    const double tell = ov_time_tell(&m_decoder->File);
    timestamp = tell > 0 ? tell : 0;
    qint64 offset = 0;
    while (m_decoder->ErrorRun < MaxDecodeErrors) {
        // Whole frames only: the decoder refuses room for less than one.
        const qint64 room = (capacity - offset) & ~qint64(3);
        if (room <= 0)
            break;
        const long got = ov_read(&m_decoder->File, buffer.Data + offset, int(room), 0, 2, 1, nullptr);
        if (got == 0)
            break;
        if (got < 0) {
            // A hole or a damaged page: skip it, but give up on a file that is all damage.
            ++m_decoder->ErrorRun;
            continue;
        }
        m_decoder->ErrorRun = 0;
        offset += got;
    }
    return offset;
}

void TOggPlayer::PlaybackEnded()
{
    Stop();
    if (OnPlayingDone) {
        const auto done = OnPlayingDone;
        done();
    }
}
