// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SdlSound.h"

#include "platform/FileLookup.h"
#include "platform/RecordFile.h"
#include "sound/ClickSound.h"
#include "sound/WavDecode.h"

#include <SDL.h>

#include <chrono>
#include <thread>
#include <utility>

namespace orvane {

namespace {

// The whole file, or nothing when it cannot be read or is too large to be a sound.
std::vector<uint8_t> ReadSoundFile(const std::string& path)
{
    FileContents contents = ReadFileStart(path, MaxWavFileBytes);
    if (!contents.Failure.empty() || contents.Size > MaxWavFileBytes)
        return {};
    return std::move(contents.Bytes);
}

// A device of the wanted format; 0 when none opens.
SDL_AudioDeviceID OpenWantedDevice()
{
    SDL_AudioSpec wanted {};
    wanted.freq = DeviceRate;
    wanted.format = DeviceFormat;
    wanted.channels = DeviceChannels;
    wanted.samples = 512; // about 12 ms
    // No changes allowed: SDL converts to whatever the hardware wants.
    return SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
}

// The driver is ready once a device of the wanted format opens on it; that device is
// closed again until there is something to play.
bool StartDriver()
{
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads; the program
    // handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    const SDL_AudioDeviceID device = OpenWantedDevice();
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_CloseAudioDevice(device);
    return true;
}

} // namespace

SdlSoundPlayer::SdlSoundPlayer(std::chrono::milliseconds waitAtEnd) : waitAtEnd_(waitAtEnd) { }

SdlSoundPlayer::~SdlSoundPlayer()
{
    // SDL is left alone while its start may still be running on the other thread, which
    // the process's end takes with it.
    if (opening_.valid() && opening_.wait_for(waitAtEnd_) != std::future_status::ready)
        return;
    WaitUntilOpen();
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    if (driverReady_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SdlSoundPlayer::Opened SdlSoundPlayer::OpenSoundSystem()
{
    Opened opened;
    opened.DriverReady = StartDriver();
    if (!opened.DriverReady) {
        // No sound card or sound server: play into SDL's silent driver instead.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        opened.DriverReady = StartDriver();
    }
    if (opened.DriverReady)
        opened.Click = DecodeWav({ClickWav, ClickWav + ClickWavSize});
    return opened;
}

bool SdlSoundPlayer::Open()
{
    if (!driverReady_)
        Adopt(OpenSoundSystem());
    return driverReady_;
}

void SdlSoundPlayer::Adopt(Opened opened)
{
    driverReady_ = opened.DriverReady;
    click_ = std::move(opened.Click);
}

// The thread shares nothing with the player but the task's result, so a player that
// ends first leaves it nothing to write to.
void SdlSoundPlayer::OpenInBackground(Opener open)
{
    std::packaged_task<Opened()> task([open = std::move(open)] {
        Opened opened = open();
        // SDL keeps an error text per thread; this thread's goes with it.
        SDL_TLSCleanup();
        return opened;
    });
    opening_ = task.get_future();
    std::thread(std::move(task)).detach();
}

void SdlSoundPlayer::WaitUntilOpen()
{
    if (opening_.valid())
        Adopt(opening_.get());
}

bool SdlSoundPlayer::OpenDevice()
{
    if (device_ == 0)
        device_ = OpenWantedDevice();
    return device_ != 0;
}

bool SdlSoundPlayer::CloseWhenSilent()
{
    WaitUntilOpen();
    return CloseIfSilent();
}

bool SdlSoundPlayer::CloseIfSilent()
{
    if (device_ == 0)
        return true;
    if (SDL_GetQueuedAudioSize(device_) != 0)
        return false;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    return true;
}

bool SdlSoundPlayer::StillOpening() const
{
    return opening_.valid()
        && opening_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

void SdlSoundPlayer::PlayWaitingSound()
{
    if (!waiting_ || StillOpening())
        return;
    const auto [dirs, name] = std::move(*waiting_);
    waiting_.reset();
    if (name.empty())
        PlayClick();
    else
        PlayFile(dirs, name);
}

void SdlSoundPlayer::PlayFile(const std::vector<std::string>& dirs, const std::string& name)
{
    if (StillOpening()) {
        waiting_.emplace(dirs, name);
        return;
    }
    WaitUntilOpen();
    if (driverReady_)
        Play(Load(dirs, name));
}

void SdlSoundPlayer::PlayClick()
{
    if (StillOpening()) {
        waiting_.emplace(std::vector<std::string> {}, std::string {});
        return;
    }
    WaitUntilOpen();
    Play(click_);
}

uint32_t SdlSoundPlayer::QueuedBytes() const
{
    return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0;
}

const SdlSoundPlayer::Samples& SdlSoundPlayer::Load(
    const std::vector<std::string>& dirs, const std::string& name)
{
    std::string key = name;
    for (const std::string& dir : dirs)
        key += '\n' + dir;
    if (auto cached = cache_.find(key); cached != cache_.end())
        return cached->second;
    Samples sound;
    if (const auto path = FindAppFile(dirs, name))
        sound = DecodeWav(ReadSoundFile(*path));
    return cache_.emplace(key, std::move(sound)).first->second;
}

void SdlSoundPlayer::Play(const Samples& sound)
{
    if (!driverReady_ || sound.empty() || !OpenDevice())
        return; // nothing to play: whatever is playing goes on
    lastStarted_ = static_cast<Uint32>(sound.size());
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, sound.data(), lastStarted_);
    SDL_PauseAudioDevice(device_, 0);
}

} // namespace orvane
