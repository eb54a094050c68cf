#include "media/OggDecode.h"

#include <QFile>

#include <vorbis/vorbisfile.h>

using namespace Qt::StringLiterals;

namespace Media {

bool DecodeOggFile(const QString &path, TWaveData &out, QString *error, int maxSeconds)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    OggVorbis_File file{};
    if (ov_fopen(QFile::encodeName(path).constData(), &file) != 0)
        return fail(u"not an Ogg Vorbis file"_s);
    const vorbis_info *info = ov_info(&file, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
        ov_clear(&file);
        return fail(u"an Ogg Vorbis stream of an unsupported shape"_s);
    }
    out.Format = TPcmFormat{info->channels, int(info->rate), 16};
    out.Samples.clear();
    const qint64 limit = qint64(maxSeconds) * out.Format.AvgBytesPerSec();
    char block[16384];
    int section = 0;
    int errors = 0;
    while (out.Samples.size() < limit) {
        const long got = ov_read(&file, block, int(sizeof block), 0, 2, 1, &section);
        if (got == 0)
            break;
        if (got < 0) {
            // A damaged page: skip it, but not for ever.
            if (++errors > 16)
                break;
            continue;
        }
        errors = 0;
        out.Samples.append(block, got);
    }
    ov_clear(&file);
    const qsizetype whole = out.Samples.size() / out.Format.BlockAlign() * out.Format.BlockAlign();
    out.Samples.truncate(whole);
    return true;
}

} // namespace Media
