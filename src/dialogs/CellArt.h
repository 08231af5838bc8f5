// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

class QPainter;
class QRectF;

namespace orvane::cell_art {

// The board's cells and the red flag, drawn with QPainter at any size, for the pictures
// of the window system: the program icon and the About banner. They follow the look of
// the game's own cell textures.

// A raised, closed cell; corner rounds its outline.
void PaintClosedCell(QPainter& painter, const QRectF& cell, qreal corner = 0);
// An open cell showing number (1..8), or nothing for 0.
void PaintOpenCell(QPainter& painter, const QRectF& cell, int number);
// The red flag on its pole and foot, standing in the cell.
void PaintFlag(QPainter& painter, const QRectF& cell);

// The colour of a number on an open cell, 1..8.
QColor NumberColour(int number);

} // namespace orvane::cell_art
