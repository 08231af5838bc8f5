// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SurfaceFormat.h"

#include <QSurfaceFormat>

namespace orvane {

void SetDefaultSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
}

} // namespace orvane
