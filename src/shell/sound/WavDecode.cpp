#include "shell/sound/WavDecode.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr size_t DeviceFrameBytes = DeviceChannels * SDL_AUDIO_BITSIZE(DeviceFormat) / 8;

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
    if (convertedBytes > MaxSoundBytes)
        return {};
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

} // namespace

std::vector<uint8_t> DecodeWav(SDL_RWops* source)
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

} // namespace orvane
