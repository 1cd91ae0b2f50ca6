#include "sqlwrites.h"

#include "kelvaneerror.h"
#include "sqlengine.h"
#include "sqlerrors.h"

#include <QSqlQuery>

#include <algorithm>
#include <iterator>

namespace store {

namespace {

// What a change did to the keys of a row source.
struct KeyChange {
    QByteArrayList removed;
    QByteArrayList added;
};

QByteArrayList sortedKeys(QSqlDatabase& db, const QString& rowSource) {
    QByteArrayList sorted;
    for (const QVariantList& key : keysOf(db, rowSource).rows)
        sorted << keyBytes(key.value(0));
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

KeyChange keyChange(const QByteArrayList& before, const QByteArrayList& after) {
    KeyChange change;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(change.removed));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(change.added));
    return change;
}

KelvaneError otherRowsTouched(const QString& description) {
    return KelvaneError(ErrorNumber::OtherRowsTouched, description);
}

// A change to a row source, undone unless it is committed. The file's or
// the server's own rules for the row source (triggers, rules of a view)
// run inside it, so what they did can be checked and undone. SQLite takes
// the write lock at once, so no other program commits between the reads
// that check the change; the server keeps one snapshot for the whole
// transaction, so rows another program adds meanwhile stay out of them.
class WriteTransaction {
public:
    WriteTransaction(QSqlDatabase& db, const QString& what)
        : m_db(db)
        , m_what(what) {
        const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
        exec(sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                    : QStringLiteral("START TRANSACTION ISOLATION LEVEL REPEATABLE READ"));
    }
    ~WriteTransaction() {
        if (!m_committed)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit() {
        exec(QStringLiteral("COMMIT"));
        m_committed = true;
    }

private:
    void exec(const QString& statement) {
        QSqlQuery query(m_db);
        if (!query.exec(statement))
            throw queryError(query, m_what);
    }

    QSqlDatabase& m_db;
    QString m_what;
    bool m_committed = false;
};

// The key of the newest row with exactly these values; null when none.
// Sorted, not max(): only then need a row source that sorts its rows work
// out no more than the key and these columns.
QVariant newestRowWith(QSqlDatabase& db, const QString& rowSource, const QVariantMap& values) {
    QStringList conditions;
    QVariantList bound;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const QString column = quoteIdentifier(value.key());
        if (value->isNull()) {
            conditions << QStringLiteral("%1 IS NULL").arg(column);
        } else {
            conditions << QStringLiteral("%1 = ?").arg(column);
            bound << *value;
        }
    }
    const QString key = quoteIdentifier(keyColumn);
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL AND %3 ORDER BY %1 DESC LIMIT 1")
            .arg(key, quoteIdentifier(rowSource), conditions.join(QStringLiteral(" AND ")));
    const Snapshot found = selectOn(db, sql, bound, rowSource);
    return found.rows.empty() ? QVariant() : found.rows.front().value(0);
}

QStringList withoutWholeLength(QStringList columns) {
    columns.removeAll(wholeLengthColumn);
    return columns;
}

SnapshotRecordSet::DeleteRow deleter(const std::shared_ptr<SqlSession>& session,
                                     const QString& deleteTarget) {
    return [session, deleteTarget](const QStringList& columns, const QVariantList& row) {
        const qsizetype keyIndex = columns.indexOf(keyColumn);
        if (deleteTarget.isEmpty() || keyIndex < 0)
            throw KelvaneError(
                ErrorNumber::DatabaseOperationFailed,
                Texts::tr("Rows of '%1' cannot be deleted: it has no '%2' key column.")
                    .arg(deleteTarget, keyColumn));
        deleteByKey(*session, deleteTarget, row[keyIndex]);
    };
}

} // namespace

SqlRecordSet::SqlRecordSet(const std::shared_ptr<SqlSession>& session, const QString& deleteTarget,
                           Snapshot snapshot, QString limitedField)
    : SnapshotRecordSet(deleteTarget, withoutWholeLength(snapshot.columns),
                        std::move(snapshot.rows), deleter(session, deleteTarget))
    , m_limitedField(std::move(limitedField))
    , m_wholeLengthIndex(static_cast<int>(snapshot.columns.indexOf(wholeLengthColumn)))
    , m_keyIndex(static_cast<int>(fields().indexOf(keyColumn))) {}

QVariant SqlRecordSet::key() const {
    return m_keyIndex >= 0 ? currentRow()[m_keyIndex] : SnapshotRecordSet::key();
}

qint64 SqlRecordSet::wholeLength(const QString& field) const {
    if (field != m_limitedField || m_wholeLengthIndex < 0)
        return RecordSet::wholeLength(field);
    return currentRow()[m_wholeLengthIndex].toLongLong();
}

void deleteByKey(SqlSession& session, const QString& deleteTarget, const QVariant& key) {
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(quoteIdentifier(deleteTarget), quoteIdentifier(keyColumn));
    session.run([&](QSqlDatabase& db) {
        WriteTransaction transaction(db, deleteTarget);
        const QByteArrayList before = sortedKeys(db, deleteTarget);
        QSqlQuery query(db);
        if (!query.prepare(sql))
            throw queryError(query, deleteTarget);
        execOrThrow(query, {key}, deleteTarget);
        query.finish();
        const KeyChange change = keyChange(before, sortedKeys(db, deleteTarget));
        const bool wasThere = std::binary_search(before.cbegin(), before.cend(), keyBytes(key));
        if (!change.added.isEmpty() || change.removed.size() > (wasThere ? 1 : 0))
            throw otherRowsTouched(
                Texts::tr("This database's own delete rule for '%1' would change "
                          "other rows as well, so nothing was deleted.")
                    .arg(deleteTarget));
        if (wasThere && change.removed.isEmpty())
            throw otherRowsTouched(
                Texts::tr("This database's own delete rule for '%1' would keep the "
                          "row, so nothing was deleted.")
                    .arg(deleteTarget));
        transaction.commit();
    });
    session.rowDeleted(key);
}

// Two plain statements rather than one INSERT ... WHERE NOT EXISTS: the
// server types a parameter by the column it meets, and only a plain
// VALUES list gives it the target columns' types. A row source that takes
// the insert but keeps no such row (a rule that drops it) is refused too,
// and so is one whose rule adds more than one row or removes any.
QVariant ensureRowIn(SqlSession& session, const QString& rowSource, const QVariantMap& values) {
    QVariant key;
    session.run([&](QSqlDatabase& db) {
        WriteTransaction transaction(db, rowSource);
        key = newestRowWith(db, rowSource, values);
        if (!key.isNull())
            return;
        const QByteArrayList before = sortedKeys(db, rowSource);
        QStringList columns;
        QStringList placeholders;
        for (auto value = values.cbegin(); value != values.cend(); ++value) {
            columns << quoteIdentifier(value.key());
            placeholders << QStringLiteral("?");
        }
        QSqlQuery query(db);
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quoteIdentifier(rowSource), columns.join(QStringLiteral(", ")),
                                    placeholders.join(QStringLiteral(", ")))))
            throw queryError(query, rowSource);
        execOrThrow(query, values.values(), rowSource);
        query.finish();
        const KeyChange change = keyChange(before, sortedKeys(db, rowSource));
        if (!change.removed.isEmpty() || change.added.size() > 1)
            throw otherRowsTouched(
                Texts::tr("This database's own insert rule for '%1' would change "
                          "other rows as well, so nothing was added.")
                    .arg(rowSource));
        key = newestRowWith(db, rowSource, values);
        transaction.commit();
        session.rowsChanged();
    });
    if (key.isNull())
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("Database operation on '%1' failed: the row was not added.").arg(rowSource));
    return key;
}

} // namespace store
