#include "keptrows.h"

namespace store {

bool KeptRows::RowsRead::answers(const QString& source, const RowSelection& asked,
                                 qint64 now) const {
    return source == rowSource && asked.fields == selection.fields &&
           asked.limitedField == selection.limitedField && asked.limit == selection.limit &&
           asked.measureWhole == selection.measureWhole && now == stamp;
}

const Snapshot* KeptRows::find(const QString& rowSource, const RowSelection& selection,
                               std::optional<qint64> stamp) {
    m_stampBeforeRead = stamp;
    if (m_rows && stamp && m_rows->answers(rowSource, selection, *stamp))
        return &m_rows->snapshot;
    m_rows.reset();
    return nullptr;
}

void KeptRows::keep(const QString& rowSource, const RowSelection& selection, const Snapshot& rows) {
    m_rows.reset();
    if (m_stampBeforeRead)
        m_rows = RowsRead{rowSource, selection, *m_stampBeforeRead, rows};
}

void KeptRows::rowDeleted(const QVariant& key) {
    if (!m_rows)
        return;
    const qsizetype keyIndex = m_rows->snapshot.columns.indexOf(keyColumn);
    std::erase_if(m_rows->snapshot.rows,
                  [&](const QVariantList& row) { return row.value(keyIndex) == key; });
}

void KeptRows::clear() {
    m_rows.reset();
}

} // namespace store
