// The read-out log: any file content read as a day's log and listed as
// "Read out today" lists it, and two entries such as the program logs
// written and read back.

#include "fuzzsupport.h"

#include "desk/readoutlog.h"

#include <QSet>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using desk::readoutlog::Entry;

bool sameSequence(const QVariant& a, const QVariant& b) {
    return a.isNull() == b.isNull() && a.toLongLong() == b.toLongLong();
}

bool sameEntry(const Entry& a, const Entry& b) {
    return a.time == b.time && a.event == b.event && a.database == b.database && a.row == b.row &&
           sameSequence(a.sequence, b.sequence) && a.message == b.message;
}

QString described(const Entry& entry) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(entry.time.toString(Qt::ISODateWithMs), entry.event, entry.database, entry.row,
             entry.sequence.isNull() ? QStringLiteral("null") : entry.sequence.toString(),
             entry.message);
}

// "Read out today" lists logged dismissals only, each as it was logged,
// newest first; a time it was undone is the time of a logged Undo.
void checkReadOuts(const std::vector<Entry>& entries) {
    const std::vector<desk::readoutlog::ReadOut> listed = desk::readoutlog::readOuts(entries);
    QSet<qint64> undoTimes;
    for (const Entry& entry : entries) {
        if (entry.event == desk::readoutlog::undone)
            undoTimes.insert(entry.time.toMSecsSinceEpoch());
    }
    auto next = listed.cbegin();
    for (auto entry = entries.crbegin(); entry != entries.crend() && next != listed.cend();
         ++entry) {
        if (entry->event == desk::readoutlog::dismissed && entry->time == next->time &&
            entry->database == next->database && sameSequence(entry->sequence, next->sequence) &&
            entry->message == next->message)
            ++next;
    }
    require(next == listed.cend(), "the list holds logged dismissals, newest first",
            QStringLiteral("%1 of %2 listed").arg(next - listed.cbegin()).arg(listed.size()));
    for (const desk::readoutlog::ReadOut& readOut : listed)
        require(!readOut.undone.isValid() || undoTimes.contains(readOut.undone.toMSecsSinceEpoch()),
                "an Undo time is one logged", readOut.undone.toString(Qt::ISODateWithMs));
}

// An entry as the program logs one: now-ish to the second, one of the
// three events, a 16-bit Sequence or none, and any text elsewhere.
Entry loggedEntry(FuzzedDataProvider& input) {
    static const QString events[] = {desk::readoutlog::dismissed, desk::readoutlog::notDeleted,
                                     desk::readoutlog::undone};
    constexpr qint64 year2000 = 946'684'800;
    constexpr qint64 century = 100LL * 366 * 86'400;
    Entry entry;
    entry.time =
        QDateTime::fromSecsSinceEpoch(year2000 + input.ConsumeIntegralInRange<qint64>(0, century));
    entry.event = events[input.ConsumeIntegralInRange(0, 2)];
    entry.database = QString::fromStdString(input.ConsumeRandomLengthString(256));
    entry.row = QString::fromStdString(input.ConsumeRandomLengthString(64));
    if (input.ConsumeBool())
        entry.sequence = int(input.ConsumeIntegral<qint16>());
    entry.message = QString::fromStdString(input.ConsumeRandomLengthString(2048));
    return entry;
}

void checkRoundTrip(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Entry first = loggedEntry(input);
    const Entry second = loggedEntry(input);
    const QString path = scratchPath(QStringLiteral("written.csv"));
    writeScratchFile(path, desk::readoutlog::record(first) + desk::readoutlog::record(second));
    const std::vector<Entry> read = desk::readoutlog::read(path);
    require(read.size() == 2, "two entries written read back as two",
            QString::number(read.size()) + QLatin1Char('\n') + described(first) +
                QLatin1Char('\n') + described(second));
    require(sameEntry(read[0], first), "an entry reads back as written",
            described(first) + QStringLiteral("\n-> ") + described(read[0]));
    require(sameEntry(read[1], second), "an entry reads back as written",
            described(second) + QStringLiteral("\n-> ") + described(read[1]));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratchPath(QStringLiteral("read-out.csv"));
    writeScratchFile(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::vector<Entry> entries = desk::readoutlog::read(path);
    for (const Entry& entry : entries)
        require(entry.time.isValid(), "every entry has its time", described(entry));
    checkReadOuts(entries);
    checkRoundTrip(data, size);
    return 0;
}
