#include "arrivals.h"

#include "desktexts.h"
#include "timetexts.h"

namespace desk {

// Updated in place: a listing like the last one (the usual case, every few
// seconds) only looks its keys up.
int Arrivals::listed(const QString& database, const std::vector<store::RowKey>& keys,
                     const QDateTime& now) {
    if (database != m_database) {
        m_database = database;
        m_started = false;
        m_seen.clear();
        m_new.clear();
    }
    ++m_listing;
    qsizetype listedKeys = 0;
    int arrived = 0;
    for (const store::RowKey& key : keys) {
        const auto found = m_seen.find(key);
        if (found != m_seen.end()) {
            if (found->listing != m_listing) {
                found->listing = m_listing;
                ++listedKeys;
            }
            continue;
        }
        m_seen.insert(key, {now, m_listing});
        ++listedKeys;
        if (m_started) {
            m_new.insert(key);
            ++arrived;
        }
    }
    if (listedKeys < m_seen.size()) {
        m_seen.removeIf([&](const auto& seen) { return seen.value().listing != m_listing; });
        m_new.removeIf([&](const store::RowKey& key) { return !m_seen.contains(key); });
    }
    m_started = true;
    return arrived;
}

void Arrivals::known(const store::RowKey& key, const QDateTime& now) {
    m_new.remove(key);
    if (!m_seen.contains(key))
        m_seen.insert(key, {now, m_listing});
}

QString arrivalText(const QDateTime& arrived, const QDateTime& now, const QLocale& locale) {
    const QDateTime local = arrived.toLocalTime();
    const QString time = timeOfDayText(local.time(), locale);
    const QString when = local.date() == now.date()
                             ? time
                             : DeskTexts::tr("%1 %2", "a day and a time of day")
                                   .arg(dayText(local.date(), locale), time);
    constexpr qint64 minutesPerDay = qint64{24} * 60;
    const qint64 minutes = std::max<qint64>(0, arrived.secsTo(now) / 60);
    const int days = static_cast<int>(minutes / minutesPerDay);
    QString age;
    if (minutes == 0)
        age = DeskTexts::tr("just now");
    else if (minutes < 60)
        age = DeskTexts::tr("%n min ago", nullptr, static_cast<int>(minutes));
    else if (minutes < minutesPerDay)
        age = DeskTexts::tr("%1 h %2 min ago").arg(minutes / 60).arg(minutes % 60);
    else if (days == 1)
        age = DeskTexts::tr("1 day ago");
    else
        age = DeskTexts::tr("%n days ago", nullptr, days);
    return DeskTexts::tr("arrived %1, %2", "when, how long ago").arg(when, age);
}

QDateTime createdTime(const QVariant& created) {
    if (created.isNull())
        return {};
    if (created.typeId() == QMetaType::QDateTime)
        return created.toDateTime();
    // SQL writes a blank where ISO 8601 has its T.
    QString text = created.toString().trimmed();
    if (text.size() > 10 && text[10] == QLatin1Char(' '))
        text[10] = QLatin1Char('T');
    const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    return parsed.isValid() ? parsed : QDateTime();
}

} // namespace desk
