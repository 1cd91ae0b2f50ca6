#include "qrcode.h"

#include "station/qrmodules.h"

QImage qrCode(const QByteArray& text, int scale) {
    const std::optional<station::QrModules> code = station::qrModules(text);
    if (!code)
        return {};
    const int quiet = station::qrQuietModules;
    const int side = (code->size + 2 * quiet) * scale;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->size; ++y) {
        for (int x = 0; x < code->size; ++x) {
            if (!code->isDark(x, y))
                continue;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel((x + quiet) * scale + dx, (y + quiet) * scale + dy, 1);
            }
        }
    }
    return image;
}
