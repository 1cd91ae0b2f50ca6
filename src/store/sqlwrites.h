#pragma once

#include "snapshotrecordset.h"
#include "sqlrows.h"

#include <QVariantMap>

#include <memory>

namespace store {

class SqlSession;

// Writes that go back to a row source by the rows' keys, each in a
// transaction that is rolled back when the row source's own rules
// (triggers, rules of a view) would change any row but the one meant.

// The alias of the column that carries a limited field's whole length.
inline const QString wholeLengthColumn = QStringLiteral("kelvane whole length");

// A snapshot of the rows of one row source whose key is its key column.
// Deleting goes back to the database by the row's key (deleteByKey), so a
// row with the same Sequence or text is never touched; without a
// deleteTarget or a key column, rows cannot be deleted. A snapshot read
// with a limited field carries that field's whole length in the column
// wholeLengthColumn, which is not one of its fields.
class SqlRecordSet : public SnapshotRecordSet {
public:
    SqlRecordSet(const std::shared_ptr<SqlSession>& session, const QString& deleteTarget,
                 Snapshot snapshot, QString limitedField = {});

    [[nodiscard]] QVariant key() const override;
    [[nodiscard]] qint64 wholeLength(const QString& field) const override;

private:
    QString m_limitedField;
    int m_wholeLengthIndex;
    int m_keyIndex;
};

// Deletes the row with this key from deleteTarget. It may run a second
// time after a lost connection: if the first one reached the server, the
// second finds no row and changes nothing, so the row is gone exactly once
// either way.
void deleteByKey(SqlSession& session, const QString& deleteTarget, const QVariant& key);

// Database::ensureRow on a QtSql connection: the key of the newest row
// with exactly these values, inserted through the row source when there
// is none.
QVariant ensureRowIn(SqlSession& session, const QString& rowSource, const QVariantMap& values);

} // namespace store
