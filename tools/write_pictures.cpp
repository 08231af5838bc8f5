// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every built-in picture to a folder as PNG files named by resource id, for a look.
#include <QImage>
#include <QString>
#include <cstdio>

#include "render/model/Pictures.h"

namespace {

// The bitmap's rows run bottom row first in blue, green, red order.
QImage ToImage(const orvane::Bitmap& bitmap)
{
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB888);
    for (int y = 0; y < bitmap.Height; ++y) {
        const uint8_t* row
            = bitmap.Bytes.data() + size_t(bitmap.Height - 1 - y) * size_t(bitmap.Width) * 3;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < bitmap.Width; ++x) {
            out[x * 3 + 0] = row[x * 3 + 2];
            out[x * 3 + 1] = row[x * 3 + 1];
            out[x * 3 + 2] = row[x * 3 + 0];
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    for (int32_t id = orvane::picture_id::First; id <= orvane::picture_id::Last; ++id) {
        const QString path = QString("%1/%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(id);
        if (!ToImage(orvane::LoadPictureResource(id)).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
