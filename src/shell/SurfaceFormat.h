// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// OpenGL 2.1 compatibility contexts with a depth buffer and no vsync (the program paces
// itself). Must run before the QApplication exists.
void SetDefaultSurfaceFormat();

} // namespace orvane
