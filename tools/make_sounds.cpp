// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the game's sounds at build time.
//
//   make_sounds <wav-folder> <click-source.cpp>
//
// writes Open.wav, Win.wav, Loose.wav, Flag.wav and FlagErr.wav (44 100 Hz) into the
// folder, and the built-in click (22 050 Hz, 695 samples) as a C++ byte array holding
// the complete WAV image. Every sound is computed, noise included, so each build
// writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2 * Pi;
constexpr int FileRate = 44100;
constexpr int ClickRate = 22050;
constexpr int ClickSamples = 695;

struct Sound {
    int rate;
    std::vector<double> samples; // full scale is 1.0
};

// Renders `count` samples of voice(t), t in seconds.
template<class Voice> Sound Render(int rate, int count, Voice voice)
{
    Sound sound {rate, std::vector<double>(static_cast<size_t>(count))};
    for (int i = 0; i < count; ++i)
        sound.samples[static_cast<size_t>(i)] = voice(static_cast<double>(i) / rate);
    return sound;
}

int Samples(int rate, double seconds)
{
    return static_cast<int>(std::lround(seconds * rate));
}

double Decay(double t, double tau)
{
    return std::exp(-t / tau);
}

// A value that glides exponentially from `from` towards `to`.
double Glide(double t, double from, double to, double tau)
{
    return to + (from - to) * Decay(t, tau);
}

// Smooth 0..1 rise over `length` seconds.
double Rise(double t, double length)
{
    if (t >= length)
        return 1.0;
    const double s = std::sin(0.5 * Pi * t / length);
    return s * s;
}

// White noise in [-1, 1) from a fixed-seed xorshift generator.
class Noise {
public:
    double Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 0x2545F491u;
};

// Sine oscillator whose frequency may change from sample to sample without jumps.
class Oscillator {
public:
    explicit Oscillator(int rate) : rate_(rate) { }
    double Next(double hz)
    {
        const double value = std::sin(phase_);
        phase_ = std::fmod(phase_ + TwoPi * hz / rate_, TwoPi);
        return value;
    }

private:
    int rate_;
    double phase_ = 0;
};

// Two-pole state-variable filter (trapezoidal form, stable for a moving cutoff).
class Filter {
public:
    explicit Filter(int rate) : rate_(rate) { }
    struct Output {
        double low, band;
    };
    Output Next(double x, double cutoffHz, double q)
    {
        const double g = std::tan(Pi * cutoffHz / rate_);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = x - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2 * v1 - ic1_;
        ic2_ = 2 * v2 - ic2_;
        return {v2, v1};
    }

private:
    int rate_;
    double ic1_ = 0, ic2_ = 0;
};

// Removes any offset, scales to the wanted peak and fades both ends to exact
// silence, so nothing pops.
Sound Finish(Sound sound, double peak, double fadeIn, double fadeOut)
{
    auto& s = sound.samples;
    double mean = 0;
    for (double x : s)
        mean += x;
    mean /= static_cast<double>(s.size());
    double highest = 0;
    for (double& x : s) {
        x -= mean;
        highest = std::max(highest, std::abs(x));
    }
    const int in = Samples(sound.rate, fadeIn);
    const int out = Samples(sound.rate, fadeOut);
    const int count = static_cast<int>(s.size());
    for (int i = 0; i < count; ++i) {
        const double gain = Rise(i, in) * Rise(count - 1 - i, out);
        s[static_cast<size_t>(i)] *= gain * peak / highest;
    }
    return sound;
}

// A short crisp tick: a bright ping over a small wooden body.
Sound Click()
{
    Noise noise;
    Filter tone(ClickRate);
    return Finish(Render(ClickRate, ClickSamples,
                      [&](double t) {
                          const double tick
                              = tone.Next(noise.Next(), 3000, 1.5).band * Decay(t, 0.0012);
                          return 0.9 * std::sin(TwoPi * 2100 * t) * Decay(t, 0.0035)
                              + 0.45 * std::sin(TwoPi * 3500 * t) * Decay(t, 0.002)
                              + 0.4 * std::sin(TwoPi * 850 * t) * Decay(t, 0.008) + 0.8 * tick;
                      }),
        0.55, 0.0003, 0.004);
}

// An airy rising whoosh with a faint rising fifth under it: a region opens.
Sound Open()
{
    constexpr double Length = 0.4;
    constexpr double Swell = 0.13;
    Noise noise;
    Filter air(FileRate);
    Oscillator root(FileRate), fifth(FileRate);
    return Finish(Render(FileRate, Samples(FileRate, Length),
                      [&](double t) {
                          const double sweep = t / Length;
                          const double cutoff = 500 * std::pow(10.0, sweep);
                          const double hz = 420 * std::pow(2.5, sweep);
                          const double envelope
                              = Rise(t, Swell) * Decay(std::max(0.0, t - Swell), 0.1);
                          const double whoosh = air.Next(noise.Next(), cutoff, 4.0).band;
                          const double tone = root.Next(hz) + 0.5 * fifth.Next(1.5 * hz);
                          return envelope * (whoosh + 0.12 * tone);
                      }),
        0.55, 0.002, 0.05);
}

// A soft, low thud with a little tap on top: a flag is planted.
Sound Flag()
{
    Noise noise;
    Filter felt(FileRate);
    Oscillator body(FileRate), overtone(FileRate);
    return Finish(Render(FileRate, Samples(FileRate, 0.16),
                      [&](double t) {
                          const double hz = Glide(t, 320, 150, 0.03);
                          const double tap
                              = felt.Next(noise.Next(), 1800, 0.8).low * Decay(t, 0.005);
                          return body.Next(hz) * Decay(t, 0.045)
                              + 0.3 * overtone.Next(2 * hz) * Decay(t, 0.018) + 0.5 * tap;
                      }),
        0.7, 0.0015, 0.03);
}

// Band-limited sawtooth: harmonics up to 3 kHz keep the buzz mellow.
double Buzz(double phase, double hz)
{
    double sum = 0;
    for (int k = 1; k * hz < 3000; ++k)
        sum += std::sin(k * phase) / k;
    return sum;
}

// Two short falling buzzes, "uh-uh": the move is refused.
Sound FlagErr()
{
    constexpr double PulseLength = 0.085;
    constexpr double PulseStarts[] = {0.0, 0.115};
    constexpr double PulsePitches[] = {185, 150};
    return Finish(Render(FileRate, Samples(FileRate, 0.205),
                      [&](double t) {
                          double sum = 0;
                          for (int i = 0; i < 2; ++i) {
                              const double local = t - PulseStarts[i];
                              if (local < 0 || local > PulseLength)
                                  continue;
                              const double gate
                                  = Rise(local, 0.005) * Rise(PulseLength - local, 0.02);
                              const double hz = PulsePitches[i];
                              sum += gate
                                  * (Buzz(TwoPi * hz * local, hz)
                                      + 0.6 * Buzz(TwoPi * hz * 1.02 * local, hz));
                          }
                          return sum;
                      }),
        0.42, 0.002, 0.02);
}

// A bell-like note: partials that die away faster the higher they are.
double Bell(double t, double hz, double ring)
{
    if (t < 0)
        return 0;
    constexpr double Levels[] = {1.0, 0.4, 0.18, 0.08};
    double sum = 0;
    for (int k = 0; k < 4; ++k)
        sum += Levels[k] * std::sin(TwoPi * hz * (k + 1) * t) * Decay(t, ring / (k + 1));
    return Rise(t, 0.004) * sum;
}

// A bright rising arpeggio ending on a ringing chord with a sparkle: the game is won.
Sound Win()
{
    struct Note {
        double start, hz, level, ring;
    };
    constexpr Note Notes[] = {
        {0.00, 523.25, 0.8, 0.20},
        {0.09, 659.26, 0.8, 0.20},
        {0.18, 783.99, 0.8, 0.22},
        {0.27, 1046.50, 1.0, 0.45},
        {0.27, 659.26, 0.35, 0.45},
        {0.27, 783.99, 0.35, 0.45},
        {0.42, 2093.00, 0.18, 0.10},
        {0.50, 2637.02, 0.14, 0.10},
        {0.58, 3135.96, 0.12, 0.10},
    };
    return Finish(Render(FileRate, Samples(FileRate, 1.05),
                      [&](double t) {
                          double sum = 0;
                          for (const Note& note : Notes)
                              sum += note.level * Bell(t - note.start, note.hz, note.ring);
                          return sum;
                      }),
        0.7, 0.002, 0.12);
}

// A deep falling boom under a rumble that darkens as it fades: a mine goes off.
Sound Loose()
{
    Noise noise;
    Filter rumble(FileRate), smooth(FileRate);
    Oscillator boom(FileRate);
    return Finish(Render(FileRate, Samples(FileRate, 1.1),
                      [&](double t) {
                          const double cutoff = Glide(t, 3200, 140, 0.12);
                          const double dark = rumble.Next(noise.Next(), cutoff, 0.7).low;
                          const double rumbling = smooth.Next(dark, cutoff, 0.7).low;
                          const double low = boom.Next(Glide(t, 125, 38, 0.25));
                          return Rise(t, 0.003)
                              * (low * Decay(t, 0.35)
                                  + 1.4 * rumbling * (Decay(t, 0.28) + 2 * Decay(t, 0.02)));
                      }),
        0.75, 0.002, 0.2);
}

// A complete WAV image: RIFF header, PCM format chunk, 16-bit mono samples.
std::vector<unsigned char> WavImage(const Sound& sound)
{
    std::vector<unsigned char> bytes;
    auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    auto tag = [&](const char* text) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(text[i]));
    };
    const auto dataSize = static_cast<uint32_t>(2 * sound.samples.size());
    tag("RIFF");
    put(36 + dataSize, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // one channel
    put(static_cast<uint32_t>(sound.rate), 4);
    put(static_cast<uint32_t>(2 * sound.rate), 4); // bytes per second
    put(2, 2);                                     // bytes per sample frame
    put(16, 2);                                    // bits per sample
    tag("data");
    put(dataSize, 4);
    for (double x : sound.samples) {
        const long level = std::clamp(std::lround(x * 32767), -32767L, 32767L);
        put(static_cast<uint32_t>(static_cast<int16_t>(level)), 2);
    }
    return bytes;
}

bool WriteFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    file.close();
    if (!file)
        std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
    return static_cast<bool>(file);
}

std::string AsText(const std::vector<unsigned char>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::string ClickSource(const std::vector<unsigned char>& image)
{
    std::string text
        = "// Made by tools/make_sounds.cpp at build time: the built-in click as a WAV image.\n"
          "#include \"sound/ClickSound.h\"\n\n"
          "namespace orvane {\n\n"
          "const unsigned char ClickWav[] = {";
    for (size_t i = 0; i < image.size(); ++i) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02x,", image[i]);
        text += i % 16 == 0 ? "\n    " : " ";
        text += byte;
    }
    text += "\n};\n\nconst std::size_t ClickWavSize = sizeof(ClickWav);\n\n} // namespace orvane\n";
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sounds <wav-folder> <click-source.cpp>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path clickSource = argv[2];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::filesystem::create_directories(clickSource.parent_path(), error);

    const std::pair<const char*, Sound> files[] = {
        {"Open.wav", Open()},
        {"Win.wav", Win()},
        {"Loose.wav", Loose()},
        {"Flag.wav", Flag()},
        {"FlagErr.wav", FlagErr()},
    };
    bool ok = true;
    for (const auto& [name, sound] : files)
        ok = WriteFile(folder / name, AsText(WavImage(sound))) && ok;
    ok = WriteFile(clickSource, ClickSource(WavImage(Click()))) && ok;
    return ok ? 0 : 1;
}
