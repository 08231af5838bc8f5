// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orvane {

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
