#include "qrcode.h"

#include <qrencode.h>

#include <memory>

namespace {

constexpr int quietModules = 4;

} // namespace

QImage qrCode(const QByteArray& text, int scale) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return {};
    const int side = (code->width + 2 * quietModules) * scale;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module says whether it is dark.
            if ((code->data[y * code->width + x] & 1) == 0)
                continue;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel((x + quietModules) * scale + dx, (y + quietModules) * scale + dy,
                                   1);
            }
        }
    }
    return image;
}
