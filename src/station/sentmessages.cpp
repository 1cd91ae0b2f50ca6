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

bool isLineBreak(QChar c) {
    return c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

// The controls that embed, override or isolate a direction of writing:
// one at the start of a name would turn it, and what follows, around.
bool isDirectionControl(QChar c) {
    return (c >= QChar(0x202a) && c <= QChar(0x202e)) || (c >= QChar(0x2066) && c <= QChar(0x2069));
}

bool holds(const QString& text, bool (*kind)(QChar)) {
    return std::any_of(text.cbegin(), text.cend(), kind);
}

} // namespace

// The checked text is what is stored: half of a pair of UTF-16 units would
// take the character after it along on its way into the database.
CheckedMessage checkMessage(const QString& sender, const QString& text) {
    CheckedMessage checked{sender.trimmed(),
                           store::announcer::withLineBreaks(text, QStringLiteral("\n"))};
    std::replace_if(checked.text.begin(), checked.text.end(), isLineBreak, QLatin1Char('\n'));
    checked.text.removeIf(isDirectionControl);
    if (!sender.isValidUtf16() || !text.isValidUtf16())
        checked.refusal = QT_TRANSLATE_NOOP(
            "Station", "The name or the message holds a character that is not valid text.");
    else if (checked.sender.isEmpty())
        checked.refusal = QT_TRANSLATE_NOOP("Station", "Say who is sending: your name or post.");
    else if (checked.sender.size() > longestSender || hasControlCharacters(checked.sender) ||
             holds(checked.sender, isLineBreak))
        checked.refusal =
            QT_TRANSLATE_NOOP("Station", "The name must be one line of at most 60 characters.");
    else if (holds(checked.sender, isDirectionControl))
        checked.refusal = QT_TRANSLATE_NOOP(
            "Station", "The name may not hold characters that change the writing direction.");
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

bool isPageIdentity(const QString& identity) {
    return identity.size() >= 16 && identity.size() <= 64 &&
           std::all_of(identity.cbegin(), identity.cend(), [](QChar c) {
               return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                      (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                      (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
                      c == QLatin1Char('_');
           });
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

std::optional<SentMessages::Held> SentMessages::hold(const QString& page, Clock::time_point now) {
    while (!m_recent.empty() && now - m_recent.front().at >= minute)
        m_recent.pop_front();
    const auto fromPage = [&](const Counted& counted) { return counted.page == page; };
    const bool onLink = std::cmp_greater_equal(m_recent.size(), m_perMinuteOnLink);
    if (!onLink && std::count_if(m_recent.cbegin(), m_recent.cend(), fromPage) < m_perMinute) {
        m_recent.push_back({page, now});
        return std::nullopt;
    }
    const Counted& oldest =
        onLink ? m_recent.front() : *std::find_if(m_recent.cbegin(), m_recent.cend(), fromPage);
    const auto left = minute - (now - oldest.at);
    return Held{onLink, static_cast<int>(std::chrono::ceil<std::chrono::seconds>(left).count())};
}

SentMessages::Fate SentMessages::fateOf(const QString& page, int number,
                                        Clock::time_point now) const {
    const auto found = std::find_if(m_fates.crbegin(), m_fates.crend(), [&](const Fated& fated) {
        return fated.page == page && fated.number == number;
    });
    if (found == m_fates.crend() ||
        (found->fate == Fate::Sending && now - found->at >= longestSending))
        return Fate::New;
    return found->fate;
}

void SentMessages::sending(const QString& page, int number, Clock::time_point now) {
    std::erase_if(m_fates, [&](const Fated& fated) {
        return fated.fate == Fate::Sending && now - fated.at >= longestSending;
    });
    m_fates.push_back({page, number, Fate::Sending, now});
}

// Only what was added is remembered: a message refused added nothing, and
// may be sent again as it was.
void SentMessages::settled(const QString& page, int number, bool added, Clock::time_point now) {
    for (Fated& fated : m_fates) {
        if (fated.page == page && fated.number == number && fated.fate == Fate::Sending) {
            fated.fate = added ? Fate::Added : Fate::New;
            fated.at = now;
        }
    }
    std::erase_if(m_fates, [&](const Fated& fated) {
        return fated.fate == Fate::New ||
               (fated.fate == Fate::Added && now - fated.at >= remembered);
    });
}

bool SentMessages::add(SentMessage message) {
    for (SentMessage& earlier : m_messages) {
        if (earlier.key != message.key)
            continue;
        const bool listed =
            earlier.state == SentState::Listed || earlier.state == SentState::PutBack;
        if (listed && earlier.page == message.page)
            return false;
        if (!listed)
            earlier.key = {};
    }
    const auto samePage = [page = message.page](const SentMessage& kept) {
        return kept.page == page;
    };
    if (std::cmp_greater_equal(std::count_if(m_messages.cbegin(), m_messages.cend(), samePage),
                               mostShown))
        m_messages.erase(std::find_if(m_messages.cbegin(), m_messages.cend(), samePage));
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
