#include "textsplit.h"

namespace desk {

namespace {

constexpr qsizetype maxItems = 1000;

} // namespace

QStringList Split_Into_Items(const QString& text, const QString& delimiter) {
    const QString separator = delimiter.isEmpty() ? QStringLiteral(" ") : delimiter;
    // The working copy is closed by one more delimiter, so the last piece
    // ends like the others.
    const QString working = text + separator;
    QStringList items;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = working.indexOf(separator, start);
        if (end < 0 || items.size() == maxItems)
            break;
        if (end > start)
            items.append(working.mid(start, end - start));
        start = end + separator.size();
    }
    return items;
}

} // namespace desk
