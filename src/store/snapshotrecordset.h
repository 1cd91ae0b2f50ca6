#pragma once

#include "database.h"

#include <QSet>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <vector>

namespace store {

// The key of a row that has no key column: a digest of all its values.
QVariant valuesKey(const QVariantList& values);

// Rows read whole from a file and held in memory, with the navigation and
// field access every record set offers. Deleting goes back to the file
// through deleteRow; without one, rows cannot be deleted.
class SnapshotRecordSet : public RecordSet {
public:
    using DeleteRow = std::function<void(const QStringList& columns, const QVariantList& row)>;

    SnapshotRecordSet(QString rowSource, QStringList columns, std::vector<QVariantList> rows,
                      DeleteRow deleteRow = {});

    [[nodiscard]] int recordCount() const override;
    void moveFirst() override;
    void moveNext() override;
    [[nodiscard]] bool eof() const override;
    [[nodiscard]] QVariant value(const QString& field) const override;
    [[nodiscard]] QStringList fields() const override { return m_columns; }
    // Without a key column: a digest of all the row's values.
    [[nodiscard]] QVariant key() const override;
    void deleteCurrent() override;
    void close() override { m_closed = true; }

protected:
    // The current row's values; a row may hold more than fields() names.
    [[nodiscard]] const QVariantList& currentRow() const;

private:
    void checkOpen() const;
    void checkCurrent() const;

    QString m_rowSource;
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    DeleteRow m_deleteRow;
    QSet<size_t> m_deleted;
    size_t m_current = 0;
    bool m_closed = false;
};

} // namespace store
