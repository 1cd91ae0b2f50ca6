#pragma once

#include "database.h"
#include "sqlrows.h"

#include <optional>

namespace store {

// The last whole list read of a row source, kept while no other program
// can have changed the rows: a huge value is then read once, not at every
// refresh. The engine tells whether others changed anything by a stamp, a
// number that stays the same for as long as no other program commits.
class KeptRows {
public:
    // The list kept for this row source and selection when stamp, taken
    // just before, is the stamp it was kept under; null otherwise, and the
    // kept list goes. The stamp is taken before the rows are read: a
    // commit while they are read then makes the next read read them again.
    const Snapshot* find(const QString& rowSource, const RowSelection& selection,
                         std::optional<qint64> stamp);
    // Keeps the list read since the last find, under that find's stamp;
    // nothing when the engine had none.
    void keep(const QString& rowSource, const RowSelection& selection, const Snapshot& rows);
    // The program itself deleted the row with this key: the kept list,
    // which may hold other columns than the record set that deleted, loses
    // it. The engine's stamp does not count the program's own commits.
    void rowDeleted(const QVariant& key);
    void clear();

private:
    struct RowsRead {
        QString rowSource;
        RowSelection selection;
        qint64 stamp;
        Snapshot snapshot;

        [[nodiscard]] bool answers(const QString& source, const RowSelection& asked,
                                   qint64 now) const;
    };

    std::optional<RowsRead> m_rows;
    std::optional<qint64> m_stampBeforeRead;
};

} // namespace store
