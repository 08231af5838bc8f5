// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QSize>

namespace orvane {

// The About box's banner: a calm sky on the left, where the box writes its texts, and
// on the right the name "Orvane" over a small board with a flag and a few numbers.
// Drawn at scale device pixels per logical pixel.
QImage DrawAboutBanner(QSize size, qreal scale = 1);

} // namespace orvane
