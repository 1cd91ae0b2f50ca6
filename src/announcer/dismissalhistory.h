#pragma once

#include <QString>
#include <QVariant>

#include <deque>
#include <optional>

// A message the announcer dismissed, as Undo needs it to put it back.
struct DismissedMessage {
    QString database;
    // The dismissed row's key.
    QVariant key;
    QVariant sequence;
    QString message;
    // False when only the start of an overlong message was read: that
    // cannot be put back as it was.
    bool whole = true;
    // The file could only be read here: the message was hidden, not deleted.
    bool hiddenOnly = false;
};

// The dismissals of this run that Undo can take back, most recent last.
class DismissalHistory {
public:
    // Enough for a flurry of mis-clicks; older dismissals stay in the
    // read-out log.
    static constexpr size_t levels = 20;

    void push(DismissedMessage dismissal);
    // Takes out the most recent dismissal made on database; dismissals
    // of another database wait until that one is open again.
    std::optional<DismissedMessage> take(const QString& database);
    // Returns a dismissal that could not be undone this time, as the most
    // recent one.
    void putBack(DismissedMessage dismissal) { push(std::move(dismissal)); }

private:
    std::deque<DismissedMessage> m_dismissals;
};
