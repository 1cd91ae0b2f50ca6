#include "qrmodules.h"

#include <qrencode.h>

#include <memory>

namespace station {

std::optional<QrModules> qrModules(const QByteArray& text) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return std::nullopt;
    QrModules modules{code->width, {}};
    const auto count = static_cast<size_t>(code->width) * static_cast<size_t>(code->width);
    modules.dark.reserve(count);
    // The lowest bit of each module says whether it is dark.
    for (size_t module = 0; module < count; ++module)
        modules.dark.push_back((code->data[module] & 1) != 0);
    return modules;
}

} // namespace station
