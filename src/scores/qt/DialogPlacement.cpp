// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/qt/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orvane {

void CentreOnDesktop(QWidget& dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

void KeepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const auto inside = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    const QPoint place(inside(frame.x(), frame.width(), area.x(), area.width()),
        inside(frame.y(), frame.height(), area.y(), area.height()));
    if (place != frame.topLeft())
        window.move(place);
}

} // namespace orvane
