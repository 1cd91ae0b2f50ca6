// Split_Into_Items on any text and delimiter.

#include "fuzzsupport.h"

#include "desk/textsplit.h"

#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

constexpr qsizetype maxItems = 1000;

// A delimiter whose start can stand on its own end ("--", "aba") can
// overlap the copy appended to close the last piece; for any other one the
// pieces are exactly the non-empty parts between delimiters.
bool overlapsItself(const QString& separator) {
    for (qsizetype length = 1; length < separator.size(); ++length) {
        if (separator.first(length) == separator.last(length))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString delimiter = QString::fromStdString(input.ConsumeRandomLengthString(8));
    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    const QString separator = delimiter.isEmpty() ? QStringLiteral(" ") : delimiter;

    const QStringList pieces = desk::Split_Into_Items(text, delimiter);
    require(pieces.size() <= maxItems, "at most 1000 pieces", QString::number(pieces.size()));

    qsizetype searchFrom = 0;
    for (const QString& piece : pieces) {
        require(!piece.isEmpty(), "no empty piece");
        require(!piece.contains(separator), "no piece holds the delimiter", piece);
        const qsizetype at = text.indexOf(piece, searchFrom);
        require(at >= 0, "the pieces stand in the text in order", piece);
        searchFrom = at + piece.size();
    }

    if (!overlapsItself(separator)) {
        const QStringList expected = text.split(separator, Qt::SkipEmptyParts).mid(0, maxItems);
        require(pieces == expected,
                "the pieces are the non-empty parts between delimiters, up to the thousandth",
                QStringLiteral("%1 of %2").arg(pieces.size()).arg(expected.size()));
    }
    return 0;
}
