#pragma once

#include "database.h"

namespace store {

// The rows of a whole record set that a RowSelection names, with its
// limited field cut short: for engines that read every row anyway.
class SelectedRecordSet : public RecordSet {
public:
    SelectedRecordSet(std::unique_ptr<RecordSet> rows, RowSelection selection);

    [[nodiscard]] int recordCount() const override;
    void moveFirst() override;
    void moveNext() override;
    [[nodiscard]] bool eof() const override;
    [[nodiscard]] QVariant value(const QString& field) const override;
    [[nodiscard]] QStringList fields() const override { return m_rows->fields(); }
    [[nodiscard]] QVariant key() const override { return m_rows->key(); }
    [[nodiscard]] qint64 wholeLength(const QString& field) const override;
    void deleteCurrent() override { m_rows->deleteCurrent(); }
    void close() override { m_rows->close(); }

private:
    [[nodiscard]] bool selected() const;
    void skipUnselected();

    std::unique_ptr<RecordSet> m_rows;
    RowSelection m_selection;
    int m_count = 0;
};

} // namespace store
