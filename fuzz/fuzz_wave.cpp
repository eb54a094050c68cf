// The PCM WAVE reader of recordings and skin sounds.

#include "FuzzSupport.h"
#include "media/WaveFile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Media::TWaveData wave;
    if (Media::ParseWave(Fuzz::Bytes(data, size), wave)) {
        Fuzz::Require(wave.Format.BlockAlign() > 0, "a read format has whole frames");
        Fuzz::Require(wave.Samples.size() % wave.Format.BlockAlign() == 0, "samples are whole frames");
        Fuzz::Require(wave.Format.AvgBytesPerSec() > 0, "the byte rate is positive");
    }
    return 0;
}
