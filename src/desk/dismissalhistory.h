#pragma once

#include "store/rowkey.h"

#include <QString>
#include <QVariant>

#include <deque>
#include <optional>

namespace desk {

// A message the announcer dismissed, as Undo needs it to put it back.
struct DismissedMessage {
    QString database;
    // The dismissed row's key.
    store::RowKey key;
    QVariant sequence;
    // The whole text, as the read-out log keeps it.
    QString message;
    // False when only the start of an overlong message was read (its row
    // was gone before the whole could be): that cannot be put back as it was.
    bool whole = true;
    // The file could only be read here: the message was hidden, not deleted.
    bool hiddenOnly = false;
    // The station that dismissed it.
    QString station;
};

// The dismissals of this run that Undo can take back, most recent last.
class DismissalHistory {
public:
    // Enough for a flurry of mis-clicks; older dismissals stay in the
    // read-out log.
    static constexpr size_t levels = 20;
    // The texts kept besides the most recent one's: a run of dismissed
    // messages of a hundred megabytes each must not fill the memory.
    static constexpr qsizetype keptCharacters = qsizetype{32} << 20;

    void push(DismissedMessage dismissal);
    // Takes out the most recent dismissal made on database, by station
    // unless that is empty; dismissals of another database wait until that
    // one is open again.
    std::optional<DismissedMessage> take(const QString& database, const QString& station = {});
    // Returns a dismissal that could not be undone this time, as the most
    // recent one.
    void putBack(DismissedMessage dismissal) { push(std::move(dismissal)); }

private:
    std::deque<DismissedMessage> m_dismissals;
};

} // namespace desk
