#pragma once

#include "store/rowkey.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <deque>
#include <vector>

namespace station {

// The bounds of a message sent from a send page, kept by the station
// whatever the page sends.
inline constexpr qsizetype longestSentText = 1000;
inline constexpr qsizetype longestSender = 60;
inline constexpr int mostSentPerMinute = 10;

// A message as the page sent it, once checked: the sender and the text
// with '\n' line breaks; or why it is refused (then nothing is added), in
// English, marked for translation in the context "Station".
struct CheckedMessage {
    QString sender;
    QString text;
    const char* refusal = nullptr;
};
// The text may have line breaks (CR LF, CR or LF) but no other control
// characters, at most longestSentText characters and not be empty; the
// sender is one line of at most longestSender.
CheckedMessage checkMessage(const QString& sender, const QString& text);

// Where a sent message is now, as its sender sees it. ReadOut: dismissed
// at this desk (from its window or a browser). Unread: it left the list
// without a dismissal here (the meet program or another desk deleted it),
// so nobody can say it was read out. PutBack: Undo put it back on the
// list after it was read out.
enum class SentState { Listed, ReadOut, Unread, PutBack };
QString stateName(SentState state);

struct SentMessage {
    int number = 0;
    QString sender;
    QString text;
    bool urgent = false;
    QDateTime sentAt;
    // The row it was added as; the row Undo put back in its place later.
    store::RowKey key;
    SentState state = SentState::Listed;
    QDateTime readAt;
    // The list has shown the row: from then on, leaving it means something.
    bool seenListed = false;
};

// The messages sent on the send link in this run (the newest mostKept),
// recognised by the key of the row each was added as, and the link's rate
// limit. Each change reports whether any message's state changed.
class SentMessages {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t mostKept = 100;

    // True, and counted, when the link has sent fewer than the limit in
    // the last minute; false when the message must wait.
    bool mayCount(Clock::time_point now);
    // The seconds until another may be sent (after mayCount said no).
    [[nodiscard]] int secondsToWait(Clock::time_point now) const;
    void setPerMinute(int messages) { m_perMinute = messages; }

    int nextNumber() { return ++m_numbered; }
    // False when the message joins one still on the list under the same
    // row (the same text sent again: the database keeps one row). A row
    // that is gone may lend its key to a new one: the older message is no
    // longer recognised by it.
    bool add(SentMessage message);
    // The rows the list holds now.
    bool listed(const std::vector<store::RowKey>& keys);
    bool dismissed(const store::RowKey& key, const QDateTime& time);
    bool restored(const store::RowKey& dismissed, const store::RowKey& restored);
    // New links: the old link's messages and count are forgotten.
    void clear();

    [[nodiscard]] const std::deque<SentMessage>& messages() const { return m_messages; }

private:
    std::deque<SentMessage> m_messages;
    std::deque<Clock::time_point> m_recent;
    int m_perMinute = mostSentPerMinute;
    int m_numbered = 0;
};

} // namespace station
