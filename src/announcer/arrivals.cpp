#include "arrivals.h"

#include "readoutlog.h"

#include <QLocale>

int Arrivals::listed(const QString& database, const std::vector<QVariant>& keys, const QDateTime& now) {
    if (database != m_database) {
        m_database = database;
        m_started = false;
        m_firstSeen.clear();
        m_new.clear();
    }
    QHash<QString, QDateTime> seen;
    seen.reserve(static_cast<qsizetype>(keys.size()));
    int arrived = 0;
    for (const QVariant& key : keys) {
        const QString name = text(key);
        const auto before = m_firstSeen.constFind(name);
        if (before != m_firstSeen.cend()) {
            seen.insert(name, *before);
            continue;
        }
        seen.insert(name, now);
        if (m_started) {
            m_new.insert(name);
            ++arrived;
        }
    }
    m_firstSeen = std::move(seen);
    for (auto name = m_new.begin(); name != m_new.end();)
        name = m_firstSeen.contains(*name) ? std::next(name) : m_new.erase(name);
    m_started = true;
    return arrived;
}

void Arrivals::known(const QVariant& key, const QDateTime& now) {
    const QString name = text(key);
    m_new.remove(name);
    if (!m_firstSeen.contains(name))
        m_firstSeen.insert(name, now);
}

QString Arrivals::text(const QVariant& key) { return readoutlog::rowText(key); }

QString arrivalText(const QDateTime& arrived, const QDateTime& now) {
    const QDateTime local = arrived.toLocalTime();
    const QLocale english(QLocale::English);
    const QString when = local.date() == now.date()
                             ? local.toString(QStringLiteral("HH:mm"))
                             : english.toString(local, QStringLiteral("d MMM HH:mm"));
    constexpr qint64 minutesPerDay = qint64{24} * 60;
    const qint64 minutes = std::max<qint64>(0, arrived.secsTo(now) / 60);
    QString age;
    if (minutes == 0)
        age = QStringLiteral("just now");
    else if (minutes < 60)
        age = QStringLiteral("%1 min ago").arg(minutes);
    else if (minutes < minutesPerDay)
        age = QStringLiteral("%1 h %2 min ago").arg(minutes / 60).arg(minutes % 60);
    else if (minutes < 2 * minutesPerDay)
        age = QStringLiteral("1 day ago");
    else
        age = QStringLiteral("%1 days ago").arg(minutes / minutesPerDay);
    return QStringLiteral("arrived %1, %2").arg(when, age);
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
