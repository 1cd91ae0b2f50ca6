// The settings-file reader on arbitrary file content, and the round trip of
// every path the writer accepts.

#include "fuzzsupport.h"

#include "app/settingsfile.h"

#include <cstddef>
#include <cstdint>

namespace {

// Longest path the system can open; longer text never names a file.
constexpr qsizetype longestPath = 4095;

// Text that could be a file's path: what the chooser can hand over.
bool couldBePath(const QString& text, const QByteArray& utf8) {
    return !text.contains(QChar(0)) && text.toUtf8() == utf8 && utf8.size() <= longestPath;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = scratchPath(QStringLiteral("kelvane.ini"));

    writeScratchFile(path, bytes);
    const QString field = readSettingsField(path);
    require(!field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')),
            "the field ends with the first line", field);
    require(field.size() <= bytes.size(), "the field comes from the file", field);

    const QString candidate = QString::fromUtf8(bytes);
    if (!couldBePath(candidate, bytes) || unstorablePathReason(candidate))
        return 0;
    const store::Failure failure = writeSettings(path, candidate);
    require(!failure, "a storable path is written", failure ? failure.reason() : QString());
    require(readSettingsField(path) == candidate, "a stored path reads back unchanged", candidate);
    return 0;
}
