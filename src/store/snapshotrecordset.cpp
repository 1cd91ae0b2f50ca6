#include "snapshotrecordset.h"

#include "kelvaneerror.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

#include <utility>

namespace store {

SnapshotRecordSet::SnapshotRecordSet(QString rowSource, QStringList columns, std::vector<QVariantList> rows,
                                     DeleteRow deleteRow)
    : m_rowSource(std::move(rowSource))
    , m_columns(std::move(columns))
    , m_rows(std::move(rows))
    , m_deleteRow(std::move(deleteRow)) {}

int SnapshotRecordSet::recordCount() const {
    checkOpen();
    return static_cast<int>(m_rows.size());
}

void SnapshotRecordSet::moveFirst() {
    checkOpen();
    m_current = 0;
    checkCurrent();
}

void SnapshotRecordSet::moveNext() {
    checkOpen();
    if (eof())
        throw KelvaneError(ErrorNumber::NoCurrentRecord, Texts::tr("No current record."));
    ++m_current;
}

bool SnapshotRecordSet::eof() const {
    checkOpen();
    return m_current >= m_rows.size();
}

QVariant SnapshotRecordSet::value(const QString& field) const {
    checkCurrent();
    const qsizetype index = m_columns.indexOf(field);
    if (index < 0)
        throw KelvaneError(ErrorNumber::ItemNotFound,
                           Texts::tr("Item not found in this collection: field '%1'.").arg(field));
    return m_rows[m_current].value(index);
}

QVariant valuesKey(const QVariantList& values) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << values;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QVariant SnapshotRecordSet::key() const { return valuesKey(currentRow()); }

const QVariantList& SnapshotRecordSet::currentRow() const {
    checkCurrent();
    return m_rows[m_current];
}

void SnapshotRecordSet::deleteCurrent() {
    checkCurrent();
    if (!m_deleteRow)
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("Rows of '%1' cannot be deleted: the file can only be read here.")
                .arg(m_rowSource));
    m_deleteRow(m_columns, m_rows[m_current]);
    m_deleted.insert(m_current);
}

void SnapshotRecordSet::checkOpen() const {
    if (m_closed)
        throw KelvaneError(ErrorNumber::ObjectClosed, Texts::tr("The record set is closed."));
}

// A deleted row stays in the snapshot so MoveNext goes on from it, but it
// has no values any more.
void SnapshotRecordSet::checkCurrent() const {
    if (eof() || m_deleted.contains(m_current))
        throw KelvaneError(ErrorNumber::NoCurrentRecord, Texts::tr("No current record."));
}

} // namespace store
