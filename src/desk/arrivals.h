#pragma once

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>

#include "store/rowkey.h"

#include <vector>

namespace desk {

// When each listed message first appeared, and which ones are new: not yet
// shown to the announcer. Each is drawn in bold until it is itself shown.
// The first listing of a database is where the announcer starts reading,
// so nothing in it counts as new.
class Arrivals {
public:
    // A listing of database at now with these row keys, in list order.
    // Returns how many keys are new in it. Rows no longer listed are
    // forgotten; another database starts afresh.
    int listed(const QString& database, const std::vector<store::RowKey>& keys,
               const QDateTime& now);
    // The announcer was shown this message: it is new no more.
    void shown(const store::RowKey& key) { m_new.remove(key); }
    // A row the announcer put back: seen already, so not new.
    void known(const store::RowKey& key, const QDateTime& now);

    [[nodiscard]] bool isNew(const store::RowKey& key) const { return m_new.contains(key); }
    // When the row first appeared; invalid for a row never listed.
    [[nodiscard]] QDateTime firstSeen(const store::RowKey& key) const {
        return m_seen.value(key).first;
    }

private:
    QString m_database;
    bool m_started = false;
    struct Seen {
        QDateTime first;
        // The last listing that had it.
        quint64 listing = 0;
    };
    QHash<store::RowKey, Seen> m_seen;
    quint64 m_listing = 0;
    QSet<store::RowKey> m_new;
};

// A line's tooltip: "arrived 14:32, 3 min ago" (the day too when it is
// not today's), in the person's language and locale.
QString arrivalText(const QDateTime& arrived, const QDateTime& now,
                    const QLocale& locale = QLocale());

// The writer's own creation time of a row (the optional Created column):
// a date and time, or ISO 8601 text (without a zone, local time); invalid
// when there is none or it cannot be read.
QDateTime createdTime(const QVariant& created);

} // namespace desk
