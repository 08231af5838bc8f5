// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace orvane {

// Puts a dialog in the middle of the desktop's free area, as every dialog opens.
void CentreOnDesktop(QWidget& dialog);

} // namespace orvane
