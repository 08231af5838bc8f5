// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutBanner.h"

#include "dialogs/CellArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace orvane {

namespace {

constexpr int BoardColumns = 7;
constexpr int BoardRows = 2;
constexpr qreal CellPixels = 18;
constexpr qreal BoardMargin = 16; // from the banner's right and bottom edges
constexpr int NamePixels = 30;

// What each cell of the little board shows: a number, 0 for empty, Closed or Flag.
// The numbers are true to mines under the flag and under three of the closed cells.
constexpr int Closed = -1;
constexpr int Flag = -2;
constexpr std::array<std::array<int, BoardColumns>, BoardRows> BoardCells {{
    {0, 0, 1, Flag, 2, Closed, Closed},
    {0, 0, 1, 2, Closed, 3, Closed},
}};

void PaintSky(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(214, 228, 250));
    sky.setColorAt(0.65, QColor(240, 242, 238));
    sky.setColorAt(1, QColor(236, 233, 216));
    painter.fillRect(area, sky);
    painter.fillRect(
        QRectF(area.left(), area.bottom() - 2, area.width(), 2), QColor(190, 186, 168));
}

void PaintBoard(QPainter& painter, QPointF topLeft)
{
    const QRectF board(topLeft, QSizeF(BoardColumns * CellPixels, BoardRows * CellPixels));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(board.adjusted(-1, 1, 4, 5), 4, 4);
    painter.setBrush(QColor(210, 210, 195));
    painter.drawRoundedRect(board.adjusted(-4, -4, 4, 4), 3, 3);

    for (int row = 0; row < BoardRows; ++row)
        for (int column = 0; column < BoardColumns; ++column) {
            const QRectF cell(topLeft + QPointF(column * CellPixels, row * CellPixels),
                QSizeF(CellPixels, CellPixels));
            const int content = BoardCells[row][column];
            if (content >= 0) {
                cell_art::PaintOpenCell(painter, cell, content);
                continue;
            }
            cell_art::PaintClosedCell(painter, cell);
            if (content == Flag)
                cell_art::PaintFlag(painter, cell);
        }
}

// The name in round, bold letters, each in a colour of the board's numbers, bobbing
// a little, with a white rim and a soft shadow; centred on centreX.
void PaintName(QPainter& painter, qreal centreX, qreal baseline)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(NamePixels);
    const QString name = QStringLiteral("Orvane");
    const QFontMetricsF metrics(font);
    constexpr std::array<int, 6> Colours {1, 2, 3, 4, 6, 1};
    constexpr qreal LetterGap = 1;

    QPointF pen(
        centreX - (metrics.horizontalAdvance(name) + LetterGap * (name.size() - 1)) / 2, baseline);
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath letter;
        letter.addText(pen + QPointF(0, i % 2 == 0 ? 0 : -3), font, name.at(i));
        painter.fillPath(letter.translated(1.5, 2.5), QColor(0, 0, 0, 45));
        painter.strokePath(letter, QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(letter, cell_art::NumberColour(Colours[size_t(i)]));
        pen.rx() += metrics.horizontalAdvance(name.at(i)) + LetterGap;
    }
}

} // namespace

QImage DrawAboutBanner(QSize size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF area(QPointF(0, 0), QSizeF(size));
    PaintSky(painter, area);
    const QPointF board(area.right() - BoardMargin - BoardColumns * CellPixels,
        area.bottom() - BoardMargin - BoardRows * CellPixels);
    PaintBoard(painter, board);
    PaintName(painter, board.x() + BoardColumns * CellPixels / 2, board.y() - 12);
    return image;
}

} // namespace orvane
