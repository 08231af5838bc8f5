// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/WavDecode.h"

#include <algorithm>

namespace orvane {

namespace {

// Far above any real recording; a higher rate in a header would make the tail of
// silence below take gigabytes.
constexpr int MaxFileRate = 384000;
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
    if (frameBytes == 0 || wavFormat.freq <= 0 || wavFormat.freq > MaxFileRate
        || size > static_cast<Uint32>(SDL_MAX_SINT32))
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

uint32_t GetUint32(const uint8_t* in)
{
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8
        | static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
}

void PutUint32(uint8_t* out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * i));
}

// SDL allocates what a chunk header claims before reading it, so a few bytes claiming
// four gigabytes would cost that much memory. Every length is cut to the bytes that
// really follow, which also keeps a file that was cut short playable up to its end.
// False for bytes that start neither with "RIFF" nor (as SDL also reads) with "WAVE".
bool ClampChunkLengths(std::vector<uint8_t>& file)
{
    constexpr size_t HeaderBytes = 8; // four letters and a length
    const auto startsWith = [&file](const char* letters) {
        return file.size() >= HeaderBytes && std::equal(letters, letters + 4, file.begin());
    };
    size_t first = 0;
    if (startsWith("RIFF")) {
        PutUint32(&file[4],
            static_cast<uint32_t>(
                std::min<size_t>(GetUint32(&file[4]), file.size() - HeaderBytes)));
        first = HeaderBytes + 4; // "WAVE" follows the RIFF header
    } else if (startsWith("WAVE")) {
        first = 4;
    } else {
        return false;
    }
    for (size_t at = first; at + HeaderBytes <= file.size();) {
        const size_t room = file.size() - at - HeaderBytes;
        const size_t length = std::min<size_t>(GetUint32(&file[at + 4]), room);
        PutUint32(&file[at + 4], static_cast<uint32_t>(length));
        at += HeaderBytes + length + length % 2; // chunks start on even offsets
    }
    return true;
}

} // namespace

std::vector<uint8_t> DecodeWav(std::vector<uint8_t> file)
{
    if (file.size() > MaxWavFileBytes || !ClampChunkLengths(file))
        return {};
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
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
