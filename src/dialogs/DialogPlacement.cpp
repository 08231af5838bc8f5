// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvane {

void CentreOnDesktop(QWidget& dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

} // namespace orvane
