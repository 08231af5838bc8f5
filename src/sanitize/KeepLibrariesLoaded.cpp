// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the programs of the sanitizer build only. Mesa's OpenGL driver (and the
// libraries it brings) is unloaded when the X display closes, before the leak check runs
// at exit: whatever the driver still held then shows as a leak from an unknown module,
// which no suppression can name. With unloading turned into nothing, memory a system
// library keeps for its lifetime stays reachable from that library, as it is, and a leak
// that remains is named by the library it lies in (see tests/lsan.supp).
extern "C" int dlclose(void* /*handle*/)
{
    return 0;
}
