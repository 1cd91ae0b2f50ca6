#include "sentmessages.h"

#include "store/announcerschema.h"

#include <QCoreApplication>

#include <algorithm>

namespace station {

namespace {

constexpr auto minute = std::chrono::minutes(1);

bool hasControlCharacters(const QString& text, QChar allowed = QChar()) {
    return std::any_of(text.cbegin(), text.cend(), [allowed](QChar c) {
        return c.category() == QChar::Other_Control && c != allowed;
    });
}

} // namespace

CheckedMessage checkMessage(const QString& sender, const QString& text) {
    CheckedMessage checked{sender.trimmed(),
                           store::announcer::withLineBreaks(text, QStringLiteral("\n"))};
    if (checked.sender.isEmpty())
        checked.refusal = QT_TRANSLATE_NOOP("Station", "Say who is sending: your name or post.");
    else if (checked.sender.size() > longestSender || hasControlCharacters(checked.sender))
        checked.refusal =
            QT_TRANSLATE_NOOP("Station", "The name must be one line of at most 60 characters.");
    else if (checked.text.trimmed().isEmpty())
        checked.refusal = QT_TRANSLATE_NOOP("Station", "The message is empty.");
    else if (checked.text.size() > longestSentText)
        checked.refusal =
            QT_TRANSLATE_NOOP("Station", "The message is longer than 1,000 characters.");
    else if (hasControlCharacters(checked.text, QLatin1Char('\n')))
        checked.refusal = QT_TRANSLATE_NOOP(
            "Station", "The message holds control characters: only line breaks are allowed.");
    return checked;
}

QString stateName(SentState state) {
    switch (state) {
    case SentState::Listed:
        return QStringLiteral("listed");
    case SentState::ReadOut:
        return QStringLiteral("read");
    case SentState::Unread:
        return QStringLiteral("unread");
    case SentState::PutBack:
        return QStringLiteral("back");
    }
    return {};
}

bool SentMessages::mayCount(Clock::time_point now) {
    while (!m_recent.empty() && now - m_recent.front() >= minute)
        m_recent.pop_front();
    if (std::cmp_greater_equal(m_recent.size(), m_perMinute))
        return false;
    m_recent.push_back(now);
    return true;
}

int SentMessages::secondsToWait(Clock::time_point now) const {
    if (m_recent.empty())
        return 0;
    const auto left = minute - (now - m_recent.front());
    return static_cast<int>(std::chrono::ceil<std::chrono::seconds>(left).count());
}

bool SentMessages::add(SentMessage message) {
    for (SentMessage& earlier : m_messages) {
        if (earlier.key != message.key)
            continue;
        if (earlier.state == SentState::Listed || earlier.state == SentState::PutBack)
            return false;
        earlier.key = {};
    }
    m_messages.push_back(std::move(message));
    if (m_messages.size() > mostKept)
        m_messages.pop_front();
    return true;
}

bool SentMessages::listed(const std::vector<store::RowKey>& keys) {
    bool changed = false;
    for (SentMessage& message : m_messages) {
        const bool there = std::find(keys.cbegin(), keys.cend(), message.key) != keys.cend();
        if (there) {
            message.seenListed = true;
        } else if (message.seenListed &&
                   (message.state == SentState::Listed || message.state == SentState::PutBack)) {
            message.state = SentState::Unread;
            changed = true;
        }
    }
    return changed;
}

bool SentMessages::dismissed(const store::RowKey& key, const QDateTime& time) {
    bool changed = false;
    for (SentMessage& message : m_messages) {
        if (message.key == key && message.state != SentState::ReadOut) {
            message.state = SentState::ReadOut;
            message.readAt = time;
            changed = true;
        }
    }
    return changed;
}

// The row Undo puts back is a new one: the message is recognised by it
// from now on.
bool SentMessages::restored(const store::RowKey& dismissed, const store::RowKey& restored) {
    bool changed = false;
    for (SentMessage& message : m_messages) {
        if (message.key == dismissed && message.state == SentState::ReadOut) {
            message.key = restored;
            message.state = SentState::PutBack;
            message.seenListed = false;
            changed = true;
        }
    }
    return changed;
}

void SentMessages::clear() {
    m_messages.clear();
    m_recent.clear();
}

} // namespace station
