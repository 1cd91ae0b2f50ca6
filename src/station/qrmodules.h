#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace station {

// A QR code (medium error correction) as its modules, row by row from the
// top left, without the quiet zone a reader needs around it.
struct QrModules {
    int size = 0;
    std::vector<bool> dark;

    [[nodiscard]] bool isDark(int x, int y) const {
        return dark[static_cast<size_t>(y) * static_cast<size_t>(size) + static_cast<size_t>(x)];
    }
};

// The modules that say text; none when the text is too long for one code.
std::optional<QrModules> qrModules(const QByteArray& text);

// The light modules a reader needs on each side of the code.
inline constexpr int qrQuietModules = 4;

} // namespace station
