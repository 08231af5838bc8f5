// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/QuitSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

namespace {

// Written by the handlers only: a plain int keeps the handler to async-signal-safe calls.
// A handler reaches nothing but globals, so this one has to be.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void OnQuitSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a pending quit: a lost byte changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

int InstallQuitSignals()
{
    std::array<int, 2> ends {};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    writeEnd = ends[1];

    struct sigaction action { };
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    return ends[0];
}

bool TakeQuitSignals(int fd)
{
    bool arrived = false;
    std::array<char, 64> bytes {};
    ssize_t got = 0;
    while ((got = ::read(fd, bytes.data(), bytes.size())) > 0 || (got < 0 && errno == EINTR))
        arrived = arrived || got > 0;
    return arrived;
}

} // namespace orvane
