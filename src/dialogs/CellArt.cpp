// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CellArt.h"

#include "render/model/CellLook.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace orvane::cell_art {

namespace {

QColor ToQColor(Rgb8 colour)
{
    return QColor(colour.R, colour.G, colour.B);
}

const QColor OpenFace = ToQColor(cell_look::OpenFace);
const QColor OpenBorder = ToQColor(cell_look::OpenBorder);
const QColor Cloth = ToQColor(cell_look::RedCloth);

// Maps a point given in 64ths of the cell onto the cell.
QPointF At(const QRectF& cell, qreal x, qreal y)
{
    return {cell.left() + cell.width() * x / 64, cell.top() + cell.height() * y / 64};
}

QRectF Part(const QRectF& cell, qreal left, qreal top, qreal right, qreal bottom)
{
    return QRectF(At(cell, left, top), At(cell, right, bottom));
}

} // namespace

QColor NumberColour(int number)
{
    return ToQColor(
        cell_look::ClassicNumberColours.at(static_cast<size_t>(std::clamp(number, 1, 8) - 1)));
}

void PaintClosedCell(QPainter& painter, const QRectF& cell, qreal corner)
{
    painter.save();
    const qreal edge = std::max<qreal>(1, cell.width() / 16);
    QLinearGradient face(cell.topLeft(), cell.bottomRight());
    face.setColorAt(0, QColor(240, 240, 236));
    face.setColorAt(1, QColor(200, 200, 196));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 120, 128));
    painter.drawRoundedRect(cell, corner, corner);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(cell.adjusted(0, 0, -edge, -edge), corner, corner);
    painter.setBrush(face);
    painter.drawRoundedRect(cell.adjusted(edge, edge, -edge, -edge), corner * 0.7, corner * 0.7);
    painter.restore();
}

void PaintOpenCell(QPainter& painter, const QRectF& cell, int number)
{
    painter.save();
    painter.setPen(QPen(OpenBorder, 1));
    painter.setBrush(OpenFace);
    painter.drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    if (number > 0) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(true);
        font.setPixelSize(std::max(6, static_cast<int>(cell.height() * 0.72)));
        painter.setFont(font);
        painter.setPen(NumberColour(number));
        painter.drawText(cell, Qt::AlignCenter, QString::number(number));
    }
    painter.restore();
}

void PaintFlag(QPainter& painter, const QRectF& cell)
{
    painter.save();
    painter.setPen(Qt::NoPen);

    // The cloth waves once between the pole and its free end.
    QPainterPath cloth(At(cell, 28, 11));
    cloth.cubicTo(At(cell, 36, 7), At(cell, 42, 15), At(cell, 52, 10));
    cloth.lineTo(At(cell, 50, 30));
    cloth.cubicTo(At(cell, 42, 35), At(cell, 36, 27), At(cell, 28, 32));
    cloth.closeSubpath();
    QLinearGradient shade(At(cell, 28, 10), At(cell, 52, 32));
    shade.setColorAt(0, Cloth.lighter(115));
    shade.setColorAt(1, Cloth.darker(130));
    painter.setBrush(shade);
    painter.drawPath(cloth);

    QLinearGradient metal(At(cell, 25, 0), At(cell, 31, 0));
    metal.setColorAt(0, ToQColor(cell_look::PoleLight));
    metal.setColorAt(1, ToQColor(cell_look::PoleDark));
    painter.setBrush(metal);
    painter.drawRoundedRect(Part(cell, 25, 9, 30.5, 50), cell.width() / 40, cell.width() / 40);

    QRadialGradient knob(At(cell, 26.5, 7.5), cell.width() * 3.5 / 64);
    knob.setColorAt(0, ToQColor(cell_look::KnobLight));
    knob.setColorAt(1, ToQColor(cell_look::KnobDark));
    painter.setBrush(knob);
    painter.drawEllipse(Part(cell, 24, 5, 31.5, 12.5));

    painter.setBrush(QColor(80, 80, 88));
    painter.drawRoundedRect(Part(cell, 19, 46, 37, 51), cell.width() / 60, cell.width() / 60);
    painter.setBrush(QColor(50, 50, 56));
    painter.drawRoundedRect(Part(cell, 13, 50, 43, 56), cell.width() / 40, cell.width() / 40);
    painter.restore();
}

} // namespace orvane::cell_art
