// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace orvane::testing {

// A PCM WAV image taken apart: its format fields and its 16-bit samples.
struct WavSound {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
    std::vector<int16_t> samples;

    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Reads a RIFF/WAVE image with a "fmt " and a "data" chunk. Nothing when the header
// is damaged, a chunk runs past the end or the RIFF size disagrees with the image.
inline std::optional<WavSound> ParseWav(const uint8_t* bytes, size_t size)
{
    auto u16 = [&](size_t at) { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | static_cast<uint32_t>(u16(at + 2)) << 16; };
    auto tagIs = [&](size_t at, const char* tag) { return std::memcmp(bytes + at, tag, 4) == 0; };
    if (size < 12 || !tagIs(0, "RIFF") || !tagIs(8, "WAVE") || u32(4) != size - 8)
        return std::nullopt;

    WavSound sound;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= size;) {
        const uint32_t length = u32(at + 4);
        const size_t body = at + 8;
        if (length > size - body)
            return std::nullopt;
        if (tagIs(at, "fmt ") && length >= 16) {
            sound.format = u16(body);
            sound.channels = u16(body + 2);
            sound.rate = u32(body + 4);
            sound.bytesPerSecond = u32(body + 8);
            sound.blockAlign = u16(body + 12);
            sound.bits = u16(body + 14);
            haveFormat = true;
        } else if (tagIs(at, "data") && haveFormat && sound.bits == 16) {
            for (size_t i = 0; i + 1 < length; i += 2)
                sound.samples.push_back(static_cast<int16_t>(u16(body + i)));
            return sound;
        }
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

inline std::optional<WavSound> ParseWav(const std::vector<uint8_t>& bytes)
{
    return ParseWav(bytes.data(), bytes.size());
}

// What every sound of the game must be: 16-bit mono PCM that never clips, is
// clearly audible, has no offset, and rises from and falls back to silence, so it
// neither pops when it starts nor when it stops.
inline void ExpectCleanMonoPcm(const WavSound& sound)
{
    constexpr int FullScale = 32767;
    EXPECT_EQ(sound.format, 1);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.bits, 16);
    EXPECT_TRUE(sound.rate == 22050 || sound.rate == 44100) << sound.rate;
    EXPECT_EQ(sound.blockAlign, 2);
    EXPECT_EQ(sound.bytesPerSecond, 2 * sound.rate);
    ASSERT_GT(sound.samples.size(), 100u);

    int peak = 0;
    long long sum = 0;
    for (int16_t s : sound.samples) {
        peak = std::max(peak, std::abs(int {s}));
        sum += s;
    }
    EXPECT_LT(peak, FullScale * 95 / 100);
    EXPECT_GT(peak, FullScale / 5);
    EXPECT_LT(std::abs(sum / static_cast<long long>(sound.samples.size())), FullScale / 100);

    EXPECT_LE(std::abs(sound.samples.front()), FullScale / 100);
    EXPECT_LE(std::abs(sound.samples.back()), FullScale / 100);
    const size_t lastMillisecond = sound.rate / 1000;
    for (size_t i = sound.samples.size() - lastMillisecond; i < sound.samples.size(); ++i)
        ASSERT_LE(std::abs(sound.samples[i]), FullScale / 20) << "sample " << i;
}

} // namespace orvane::testing
