// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QImage>

namespace orvane {

// The program's icon: a raised board cell with the red flag on it, drawn by the
// program itself.
QImage DrawProgramIcon(int pixels);
// The icon at the sizes the desktop asks for: 16, 32, 48, 64 and 128 pixels.
QIcon MakeProgramIcon();

} // namespace orvane
