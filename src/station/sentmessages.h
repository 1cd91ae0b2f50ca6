#pragma once

#include "store/rowkey.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <deque>
#include <optional>
#include <vector>

namespace station {

// The bounds of a message sent from a send page, kept by the station
// whatever the page sends.
inline constexpr qsizetype longestSentText = 1000;
inline constexpr qsizetype longestSender = 60;
// Messages in a minute: from one send page, and on the send link from all
// its pages together.
inline constexpr int mostSentPerMinute = 10;
inline constexpr int mostSentPerMinuteOnLink = 30;

// A message as the page sent it, once checked: the sender and the text
// with '\n' line breaks; or why it is refused (then nothing is added), in
// English, marked for translation in the context "Station".
struct CheckedMessage {
    QString sender;
    QString text;
    const char* refusal = nullptr;
};
// The text may have line breaks (CR LF, CR, LF, a line or paragraph
// separator) but no other control characters, at most longestSentText
// characters and not be empty; controls of the writing direction are
// taken out of it. The sender is one line of at most longestSender,
// without them. Both must be whole UTF-16 (no half of a pair).
CheckedMessage checkMessage(const QString& sender, const QString& text);

// A send page's identity: the random name it gave itself and keeps, 16 to
// 64 characters of URL-safe base64.
bool isPageIdentity(const QString& identity);

// Where a sent message is now, as its sender sees it. ReadOut: dismissed
// at this desk (from its window or a browser). Unread: it left the list
// without a dismissal here (the meet program or another desk deleted it),
// so nobody can say it was read out. PutBack: Undo put it back on the
// list after it was read out.
enum class SentState { Listed, ReadOut, Unread, PutBack };
QString stateName(SentState state);

struct SentMessage {
    // The send page's own identity, which only its pages see the message by.
    QString page;
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

// The messages sent on the send link in this run (each page's newest
// mostShown, mostKept in all), recognised by the key of the row each was
// added as; the rates of the link and its pages; and which page's message
// was added, so that one sent again after a lost answer is not added twice.
// Each change of state reports whether any message's state changed.
class SentMessages {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t mostKept = 500;
    static constexpr size_t mostShown = 10;
    // A message added is recognised when sent again for this long, well
    // past the minute of the rates.
    static constexpr std::chrono::minutes remembered{10};

    // Why a message must wait: the page's own rate or the link's, and for
    // how many seconds.
    struct Held {
        bool onLink = false;
        int seconds = 0;
    };
    // Counts a message from page now; or, when a rate holds it back, says
    // which and for how long.
    std::optional<Held> hold(const QString& page, Clock::time_point now);
    // Both rates at once, for a benchmark.
    void setPerMinute(int messages) { m_perMinute = m_perMinuteOnLink = messages; }

    // What became of a page's message by its number: new (or refused,
    // which added nothing), on its way to the database, or added. One on
    // its way for longer than any database operation takes had its answer
    // dropped (the desk closed its database meanwhile): it is new again.
    enum class Fate { New, Sending, Added };
    static constexpr std::chrono::minutes longestSending{1};
    [[nodiscard]] Fate fateOf(const QString& page, int number, Clock::time_point now) const;
    void sending(const QString& page, int number, Clock::time_point now);
    void settled(const QString& page, int number, bool added, Clock::time_point now);

    int nextNumber() { return ++m_numbered; }
    // False when the message joins one of its page still on the list under
    // the same row (the same text sent again: the database keeps one row);
    // another page's is its own message of the same row. A row that is gone
    // may lend its key to a new one: the older message is no longer
    // recognised by it.
    bool add(SentMessage message);
    // The rows the list holds now.
    bool listed(const std::vector<store::RowKey>& keys);
    bool dismissed(const store::RowKey& key, const QDateTime& time);
    bool restored(const store::RowKey& dismissed, const store::RowKey& restored);
    // New links: the old link's messages and rates are forgotten; what was
    // added is still recognised.
    void clear();

    [[nodiscard]] const std::deque<SentMessage>& messages() const { return m_messages; }

private:
    struct Counted {
        QString page;
        Clock::time_point at;
    };
    struct Fated {
        QString page;
        int number = 0;
        Fate fate = Fate::New;
        Clock::time_point at;
    };
    std::deque<SentMessage> m_messages;
    // The link's messages of the last minute.
    std::deque<Counted> m_recent;
    std::deque<Fated> m_fates;
    int m_perMinute = mostSentPerMinute;
    int m_perMinuteOnLink = mostSentPerMinuteOnLink;
    int m_numbered = 0;
};

} // namespace station
