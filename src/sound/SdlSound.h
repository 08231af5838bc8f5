// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Plays the game's sounds on one SDL audio device, one at a time: a new sound cuts
// the one still playing. Playback runs on SDL's audio thread, so every call returns
// at once. Without a usable sound device the player opens SDL's silent "dummy"
// driver, and the game runs on without sound. An open SDL device keeps its thread
// feeding the card even when paused, so the device is closed while nothing plays and
// opened again for the next sound.
class SdlSoundPlayer {
public:
    using Samples = std::vector<uint8_t>;
    // What starting the sound system gives: whether a driver is ready, and the click.
    struct Opened {
        bool DriverReady = false;
        Samples Click;
    };
    using Opener = std::function<Opened()>;

    // The player's end waits at most waitAtEnd for a start still running in the background.
    explicit SdlSoundPlayer(std::chrono::milliseconds waitAtEnd = std::chrono::seconds(2));
    ~SdlSoundPlayer();
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Starts SDL's audio on the system's driver, or on the silent one when that fails.
    static Opened OpenSoundSystem();
    // False only when not even the silent driver can be opened; playing is then a no-op.
    bool Open();
    // Opens on a thread of its own, so that a slow sound system does not hold up the
    // window: sounds wait meanwhile, and the calls that need the driver wait for it. A
    // sound system that never answers is left behind when the player ends.
    void OpenInBackground(Opener open = OpenSoundSystem);
    // Closes the device once everything queued has been played; false while it plays.
    bool CloseWhenSilent();
    // Whether a device is open now.
    bool DeviceOpen() const { return device_ != 0; }

    // `name` as the game spells it ("\Open.wav"), found in the first of dirs that
    // holds it, regardless of letter case. A missing or unreadable file is skipped
    // without a word.
    void PlayFile(const std::vector<std::string>& dirs, const std::string& name);
    void PlayClick();
    // While the sound system is still starting, the newest sound asked for waits and is
    // played by PlayWaitingSound once the system is up: the game never waits for it.
    bool SoundWaiting() const { return waiting_.has_value(); }
    void PlayWaitingSound();

    // Bytes of sound still waiting for the device; 0 when nothing is playing.
    uint32_t QueuedBytes() const;
    // Size in device format of the sound last started; 0 before the first.
    uint32_t LastStartedBytes() const { return lastStarted_; }

private:
    void Adopt(Opened opened);
    bool OpenDevice();
    void WaitUntilOpen();
    bool StillOpening() const;
    bool CloseIfSilent();
    const Samples& Load(const std::vector<std::string>& dirs, const std::string& name);
    void Play(const Samples& sound);

    std::chrono::milliseconds waitAtEnd_;
    std::future<Opened> opening_;
    // The folders and name of the sound that waits; no name for the click.
    std::optional<std::pair<std::vector<std::string>, std::string>> waiting_;
    bool driverReady_ = false;
    uint32_t device_ = 0;
    uint32_t lastStarted_ = 0;
    Samples click_;
    // Decoded sounds by the name they were asked for; files that failed stay empty,
    // so neither kind goes back to the disk.
    std::map<std::string, Samples> cache_;
};

} // namespace orvane
