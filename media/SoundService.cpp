#include "media/SoundService.h"

namespace Media {
namespace {
class SilentSoundService final : public ISoundService
{
public:
    void PlayWave(const QByteArray &) override {}
    void PlayWaveFile(const QString &) override {}
    void Stop() override {}
};

SilentSoundService g_silent;
ISoundService *g_service = &g_silent;
} // namespace

ISoundService &SoundService()
{
    return *g_service;
}

void SetSoundService(ISoundService *service)
{
    g_service = service ? service : &g_silent;
}

} // namespace Media
