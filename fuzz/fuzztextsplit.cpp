// Split_Into_Items on any text and delimiter.

#include "fuzzsupport.h"

#include "desk/textsplit.h"

#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

constexpr qint16 maxItems = 1000;

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

    const qint16 count = Split_Into_Items(text, delimiter);
    require(count == Message_Item_Count, "the count returned is the count stored");
    require(count >= 0 && count <= maxItems, "at most 1000 pieces", QString::number(count));
    require(Message_Items[0].isEmpty() && Message_Items[maxItems + 1].isEmpty(),
            "slots 0 and 1001 are never written");

    qsizetype searchFrom = 0;
    for (qint16 slot = 1; slot <= maxItems; ++slot) {
        const QString& piece = Message_Items[slot];
        if (slot > count) {
            require(piece.isEmpty(), "slots past the count hold nothing of an earlier split", piece);
            continue;
        }
        require(!piece.isEmpty(), "no empty piece is stored");
        require(!piece.contains(separator), "no piece holds the delimiter", piece);
        const qsizetype at = text.indexOf(piece, searchFrom);
        require(at >= 0, "the pieces stand in the text in order", piece);
        searchFrom = at + piece.size();
    }

    if (!overlapsItself(separator)) {
        const QStringList expected = text.split(separator, Qt::SkipEmptyParts).mid(0, maxItems);
        require(count == expected.size(), "every non-empty part up to the thousandth is kept",
                QStringLiteral("%1 of %2").arg(count).arg(expected.size()));
        for (qint16 slot = 1; slot <= count; ++slot)
            require(Message_Items[slot] == expected[slot - 1], "pieces are the parts between delimiters",
                    Message_Items[slot]);
    }
    return 0;
}
