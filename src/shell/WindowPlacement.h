// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace orvane {

// Moves a window that has changed its size as little as needed for the whole of it,
// frame included, to lie in its screen's free area; one larger than the area keeps its
// top left corner in the area's.
void KeepOnScreen(QWidget& window);

} // namespace orvane
