// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into a hicolor icon theme folder, one PNG per size:
// write_icons <folder> writes <folder>/<n>x<n>/apps/orvane.png.
#include "shell/ProgramIcon.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(root).arg(pixels);
        const QString path = folder + "/orvane.png";
        if (!QDir().mkpath(folder) || !orvane::DrawProgramIcon(pixels).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
