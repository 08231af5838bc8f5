// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C, a closed terminal, a plain kill)
// must end the game the way closing its window does. A signal may arrive at any moment,
// on any thread, so its handler only writes a byte into a pipe; the window system watches
// the pipe's other end and closes the window in its own time.

// Installs the handlers; returns the descriptor to watch for reading, or -1 when no pipe
// could be made (the signals then keep their default effect).
int InstallQuitSignals();

// Reads away every byte the handlers wrote; true when at least one signal had arrived.
bool TakeQuitSignals(int fd);

} // namespace orvane
