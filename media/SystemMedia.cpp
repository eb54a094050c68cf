#include "media/SystemMedia.h"

#include "media/SoundModuleApi.h"
#include "media/SoundService.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>
#include <QtDebug>

namespace Media {
namespace {

// The sound module, loaded at the first call that needs it. Without it (a damaged
// installation) the program stays silent, as on a machine with no sound device.
struct SoundModule
{
    bool Loaded = false;
    HasDeviceFn HasOutput = nullptr;
    HasDeviceFn HasInput = nullptr;
    CreateWaveDeviceFn WaveDevice = nullptr;
    CreateMediaPlayerFn MediaPlayer = nullptr;
    CreateRecorderFn Recorder = nullptr;
    CreateSoundServiceFn SoundService = nullptr;
    DecodeSoundFn Decode = nullptr; // optional
};

QStringList ModuleFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    // Test programs live outside the program folder they test.
    const QString tested = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
    if (!tested.isEmpty())
        folders << tested;
    return folders;
}

const SoundModule &Module()
{
    static SoundModule module;
    static bool tried = false;
    if (tried)
        return module;
    tried = true;
    QStringList problems;
    for (const QString &folder : ModuleFolders()) {
        QLibrary library(folder + QStringLiteral("/audivox-sound"));
        if (!library.load()) {
            problems << library.errorString();
            continue;
        }
        const auto version =
            reinterpret_cast<SoundModuleVersionFn>(library.resolve("AudivoxSoundModuleVersion"));
        if (!version || version() != SoundModuleVersion) {
            problems << QStringLiteral("%1: another version").arg(library.fileName());
            library.unload();
            continue;
        }
        module.HasOutput = reinterpret_cast<HasDeviceFn>(library.resolve("AudivoxHasSoundOutput"));
        module.HasInput = reinterpret_cast<HasDeviceFn>(library.resolve("AudivoxHasMicrophone"));
        module.WaveDevice = reinterpret_cast<CreateWaveDeviceFn>(library.resolve("AudivoxCreateWaveDevice"));
        module.MediaPlayer =
            reinterpret_cast<CreateMediaPlayerFn>(library.resolve("AudivoxCreateMediaPlayer"));
        module.Recorder = reinterpret_cast<CreateRecorderFn>(library.resolve("AudivoxCreateRecorder"));
        module.SoundService =
            reinterpret_cast<CreateSoundServiceFn>(library.resolve("AudivoxCreateSoundService"));
        module.Decode = reinterpret_cast<DecodeSoundFn>(library.resolve("AudivoxDecodeSound"));
        module.Loaded = module.HasOutput && module.HasInput && module.WaveDevice && module.MediaPlayer &&
                        module.Recorder && module.SoundService;
        if (module.Loaded)
            return module; // stays loaded for the program's life
        problems << QStringLiteral("%1: entry points missing").arg(library.fileName());
        module = {};
        library.unload();
    }
    qWarning().noquote() << "Sound module not loaded, the program stays silent:"
                         << problems.join(QStringLiteral("; "));
    return module;
}

// The short sounds' service, whose real one is made at the first sound.
class DeferredSoundService final : public ISoundService
{
public:
    ~DeferredSoundService() override { delete m_real; }

    void PlayWave(const QByteArray &wavData) override
    {
        if (ISoundService *real = Real())
            real->PlayWave(wavData);
    }
    void PlayWaveFile(const QString &path) override
    {
        if (ISoundService *real = Real())
            real->PlayWaveFile(path);
    }
    void Stop() override
    {
        if (m_real)
            m_real->Stop();
    }

private:
    ISoundService *Real()
    {
        if (!m_real && !m_tried) {
            m_tried = true;
            if (Module().Loaded)
                m_real = Module().SoundService();
        }
        return m_real;
    }

    ISoundService *m_real = nullptr;
    bool m_tried = false;
};

// The media window's player and recorder, whose real ones (and with them the sound module)
// are made when the learner first plays a file or records.
class DeferredMediaPlayer final : public IMediaPlayer
{
public:
    explicit DeferredMediaPlayer(QWidget *owner) : m_owner(owner) {}

    void Open(const QString &path, QWidget *videoArea) override { Real()->Open(path, videoArea); }
    void Play() override { Real()->Play(); }
    void Pause() override { Real()->Pause(); }
    bool IsPaused() const override { return m_real && m_real->IsPaused(); }
    void Stop() override
    {
        if (m_real)
            m_real->Stop();
    }
    void Seek(qint64 ms) override { Real()->Seek(ms); }
    qint64 Position() const override { return m_real ? m_real->Position() : 0; }
    qint64 Length() const override { return m_real ? m_real->Length() : 0; }
    bool IsOpen() const override { return m_real && m_real->IsOpen(); }
    void Close() override
    {
        if (m_real)
            m_real->Close();
    }

private:
    IMediaPlayer *Real()
    {
        if (!m_real) {
            m_real = CreateSystemMediaPlayer(m_owner);
            if (!m_real)
                m_real = CreateSilentMediaPlayer();
            m_real->OnEnded = [this] {
                if (OnEnded)
                    OnEnded();
            };
        }
        return m_real.get();
    }

    QPointer<QWidget> m_owner;
    std::unique_ptr<IMediaPlayer> m_real;
};

class DeferredRecorder final : public IRecorder
{
public:
    bool Start(const QString &path, const TPcmFormat &format) override
    {
        if (!m_real) {
            m_real = CreateSystemRecorder();
            if (!m_real)
                m_real = CreateNoRecorder();
        }
        return m_real->Start(path, format);
    }
    bool Stop(bool save) override { return m_real && m_real->Stop(save); }
    bool IsRecording() const override { return m_real && m_real->IsRecording(); }

private:
    std::unique_ptr<IRecorder> m_real;
};

} // namespace

bool HasSoundOutput()
{
    return Module().Loaded && Module().HasOutput();
}

bool HasMicrophone()
{
    return Module().Loaded && Module().HasInput();
}

std::unique_ptr<IWaveDevice> CreateSystemWaveDevice()
{
    return std::unique_ptr<IWaveDevice>(Module().Loaded ? Module().WaveDevice() : nullptr);
}

std::unique_ptr<IMediaPlayer> CreateSystemMediaPlayer(QWidget *owner)
{
    return std::unique_ptr<IMediaPlayer>(Module().Loaded ? Module().MediaPlayer(owner) : nullptr);
}

std::unique_ptr<IRecorder> CreateSystemRecorder()
{
    return std::unique_ptr<IRecorder>(Module().Loaded ? Module().Recorder() : nullptr);
}

void InstallSystemSound()
{
    // The service's sinks must go before the application object does.
    static DeferredSoundService *service = nullptr;
    if (!service && QCoreApplication::instance()) {
        service = new DeferredSoundService;
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, QCoreApplication::instance(), [] {
            SetSoundService(nullptr);
            delete service;
            service = nullptr;
        });
    }
    SetWaveDeviceFactory([] { return CreateSystemWaveDevice(); });
    SetMediaPlayerFactory([](QWidget *owner) { return std::make_unique<DeferredMediaPlayer>(owner); });
    SetRecorderFactory([] { return std::make_unique<DeferredRecorder>(); });
    SetSoundDecoder([](const QString &path, TWaveData &out) {
        return Module().Loaded && Module().Decode && Module().Decode(path, &out);
    });
    if (service)
        SetSoundService(service);
}

} // namespace Media
