// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the display tests inside one Qt application on the real (Xvfb) display.
#include "shell/SurfaceFormat.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    orvane::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
