// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramIcon.h"

#include "dialogs/CellArt.h"

#include <QPainter>
#include <QPixmap>

namespace orvane {

QImage DrawProgramIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(0.5, 0.5, pixels - 1.0, pixels - 1.0);
    cell_art::PaintClosedCell(painter, tile, pixels / 7.0);
    cell_art::PaintFlag(painter, tile);
    return image;
}

QIcon MakeProgramIcon()
{
    QIcon icon;
    for (const int pixels : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(pixels)));
    return icon;
}

} // namespace orvane
