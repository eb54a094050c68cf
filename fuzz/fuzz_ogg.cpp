// Ogg Vorbis through the player: the file is opened with the player's callbacks and its
// first blocks decoded into a sound output that consumes them at once.

#include "FuzzSupport.h"
#include "media/OggPlayer.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    Media::SetWaveDeviceFactory([] { return Media::CreateNullWaveDevice(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TOggPlayer player(nullptr);
    player.FileName = Fuzz::WriteInput(QStringLiteral("input.ogg"), data, size);
    try {
        if (player.Play()) {
            player.Length();
            player.Position();
        }
    } catch (const EWaveOut &) {
        // a format the output refuses is reported to the caller
    }
    player.Stop();
    QCoreApplication::processEvents();
    return 0;
}
