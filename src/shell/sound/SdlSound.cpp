#include "shell/sound/SdlSound.h"

#include "platform/FileLookup.h"
#include "shell/sound/ClickSound.h"

#include <SDL.h>

#include <algorithm>

namespace orvane {

namespace {

// Every sound is converted once, when first loaded, to the one format the device plays.
constexpr int DeviceRate = 44100;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
constexpr Uint8 DeviceChannels = 1;
constexpr size_t DeviceFrameBytes = DeviceChannels * SDL_AUDIO_BITSIZE(DeviceFormat) / 8;
constexpr Uint16 DeviceBufferFrames = 512; // about 12 ms

// A tenth of a second of silence in the given sound format.
std::vector<Uint8> ShortSilence(const SDL_AudioSpec& wavFormat, Uint32 frameBytes)
{
    return std::vector<Uint8>(static_cast<size_t>(wavFormat.freq / 10) * frameBytes,
        wavFormat.format == AUDIO_U8 ? 0x80 : 0);
}

std::vector<uint8_t> ToDeviceFormat(const SDL_AudioSpec& wavFormat, const Uint8* data, Uint32 size)
{
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(wavFormat.format) / 8 * wavFormat.channels;
    if (frameBytes == 0 || wavFormat.freq <= 0 || size > static_cast<Uint32>(SDL_MAX_SINT32))
        return {};
    const Uint64 frames = size / frameBytes;
    const auto convertedBytes
        = static_cast<size_t>(frames * DeviceRate / static_cast<Uint64>(wavFormat.freq))
        * DeviceFrameBytes;
    // The resampler keeps the last few milliseconds of its input back until more input
    // follows, and a flush does not give them up: a tail of silence does.
    const std::vector<Uint8> tail = ShortSilence(wavFormat, frameBytes);

    std::vector<uint8_t> converted;
    SDL_AudioStream* stream = SDL_NewAudioStream(wavFormat.format, wavFormat.channels,
        wavFormat.freq, DeviceFormat, DeviceChannels, DeviceRate);
    if (stream == nullptr)
        return converted;
    if (SDL_AudioStreamPut(stream, data, static_cast<int>(frames * frameBytes)) == 0
        && SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0
        && SDL_AudioStreamFlush(stream) == 0) {
        converted.resize(
            std::min(convertedBytes, static_cast<size_t>(SDL_AudioStreamAvailable(stream))));
        const int got
            = SDL_AudioStreamGet(stream, converted.data(), static_cast<int>(converted.size()));
        converted.resize(static_cast<size_t>(std::max(got, 0)));
    }
    SDL_FreeAudioStream(stream);
    return converted;
}

// Reads a WAV from `source` (which is closed here) into the device format; empty on any failure.
std::vector<uint8_t> Decode(SDL_RWops* source)
{
    SDL_AudioSpec wavFormat;
    Uint8* data = nullptr;
    Uint32 size = 0;
    if (source == nullptr || SDL_LoadWAV_RW(source, 1, &wavFormat, &data, &size) == nullptr)
        return {};
    std::vector<uint8_t> converted = ToDeviceFormat(wavFormat, data, size);
    SDL_FreeWAV(data);
    return converted;
}

} // namespace

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundPlayer::Open()
{
    if (device_ == 0 && !OpenDevice()) {
        // No sound card or sound server: play into SDL's silent driver instead.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        OpenDevice();
    }
    if (device_ != 0 && click_.empty())
        click_ = Decode(SDL_RWFromConstMem(ClickWav, static_cast<int>(ClickWavSize)));
    return device_ != 0;
}

bool SdlSoundPlayer::OpenDevice()
{
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads; the program
    // handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted {};
    wanted.freq = DeviceRate;
    wanted.format = DeviceFormat;
    wanted.channels = DeviceChannels;
    wanted.samples = DeviceBufferFrames;
    // No changes allowed: SDL converts to whatever the hardware wants.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundPlayer::PlayFile(const std::string& appDir, const std::string& name)
{
    if (device_ != 0)
        Play(Load(appDir, name));
}

void SdlSoundPlayer::PlayClick()
{
    Play(click_);
}

uint32_t SdlSoundPlayer::QueuedBytes() const
{
    return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0;
}

const SdlSoundPlayer::Samples& SdlSoundPlayer::Load(
    const std::string& appDir, const std::string& name)
{
    const std::string key = appDir + '\n' + name;
    if (auto cached = cache_.find(key); cached != cache_.end())
        return cached->second;
    Samples sound;
    if (const auto path = FindAppFile(appDir, name))
        sound = Decode(SDL_RWFromFile(path->c_str(), "rb"));
    return cache_.emplace(key, std::move(sound)).first->second;
}

void SdlSoundPlayer::Play(const Samples& sound)
{
    if (device_ == 0 || sound.empty())
        return; // nothing to play: whatever is playing goes on
    lastStarted_ = static_cast<Uint32>(sound.size());
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, sound.data(), lastStarted_);
}

} // namespace orvane
