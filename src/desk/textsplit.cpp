#include "textsplit.h"

namespace {

constexpr qint16 maxItems = 1000;

// How many slots the previous split wrote: only those need emptying, which
// keeps a refresh of many short messages from clearing 1000 slots per row.
qint16 slotsInUse = maxItems;

} // namespace

qint16 Split_Into_Items(const QString& text, const QString& delimiter) {
    const QString separator = delimiter.isEmpty() ? QStringLiteral(" ") : delimiter;
    for (qint16 slot = 1; slot <= slotsInUse; ++slot)
        Message_Items[slot].clear();

    // The working copy is closed by one more delimiter, so the last piece
    // ends like the others.
    const QString working = text + separator;
    qint16 count = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = working.indexOf(separator, start);
        if (end < 0 || count == maxItems)
            break;
        if (end > start)
            Message_Items[++count] = working.mid(start, end - start);
        start = end + separator.size();
    }
    slotsInUse = count;
    Message_Item_Count = count;
    return count;
}
