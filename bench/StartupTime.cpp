// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time to the first mapped window, taken from the X server's own MapNotify event
// rather than by polling. Runs each program in turn, alternating, so that both meet the
// same machine load, and prints the median, minimum and maximum of each.
//   orvane_bench_startup RUNS PROGRAM [ARGS...] -- BARE_PROGRAM [ARGS...]
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from the start of the program to the first window mapped on the screen.
double TimeToFirstMap(Display* display, std::vector<char*> command)
{
    XSync(display, True); // drop the events of earlier runs
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The programs' own chatter (sound probing, toolkit notes) is not the benchmark's.
        freopen("/dev/null", "w", stderr);
        command.push_back(nullptr);
        execv(command[0], command.data());
        _exit(127);
    }
    double ms = -1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return ms;
}

void Report(const char* name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-12s median %6.1f ms   min %6.1f   max %6.1f   (%zu runs)\n", name,
        times[times.size() / 2], times.front(), times.back(), times.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return 2;
    const int runs = std::atoi(argv[1]);
    std::vector<char*> program, bare;
    bool second = false;
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--")
            second = true;
        else
            (second ? bare : program).push_back(argv[i]);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display || program.empty() || bare.empty())
        return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> programTimes, bareTimes;
    for (int run = 0; run < runs; ++run) {
        programTimes.push_back(TimeToFirstMap(display, program));
        bareTimes.push_back(TimeToFirstMap(display, bare));
    }
    Report("program", programTimes);
    Report("bare window", bareTimes);
    XCloseDisplay(display);
}
