#include "exercises/shared/PictureSize.h"

#include <QFile>

namespace Exercises {

QSize PictureFileSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.readAll();
    auto byteAt = [&head](qsizetype i) { return i < head.size() ? int(uchar(head[i])) : -1; };
    auto word16 = [&](qsizetype i) { return byteAt(i) * 256 + byteAt(i + 1); };
    auto word32 = [&](qsizetype i) { return (word16(i) << 16) | word16(i + 2); };

    if (head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR" && head.size() >= 24)
        return QSize(word32(16), word32(20));

    if (byteAt(0) != 0xFF || byteAt(1) != 0xD8)
        return {};
    // Walk the JPEG segments to the first frame header (SOF0 to SOF15 but DHT, JPG, DAC).
    qsizetype i = 2;
    while (i + 3 < head.size()) {
        if (byteAt(i) != 0xFF)
            return {};
        const int marker = byteAt(i + 1);
        if (marker == 0xFF) {
            ++i; // fill byte
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            i += 2;
            continue;
        }
        const int length = word16(i + 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (i + 8 >= head.size())
                return {};
            return QSize(word16(i + 7), word16(i + 5));
        }
        if (length < 2)
            return {};
        i += 2 + length;
    }
    return {};
}

} // namespace Exercises
