#pragma once

#include "jetfile.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariantList>

#include <mdbtools.h>

#include <memory>
#include <optional>
#include <vector>

namespace store {

struct JetQueryRow;

// Rows of a table or query as read from the file, in row order.
struct TableRows {
    QStringList columns;
    std::vector<QVariantList> rows;
};

// One read of a Jet file through libmdb, which takes the pages it needs from
// the file as it goes (JetFile). libmdb passes over much that is wrong
// with a file, with a warning on standard error at most; where that would
// give other rows than the file holds (a page of the table or of a long
// text that is missing or holds something else) the walks here do the
// work themselves and fail the read instead. A read costs at most about
// what the file holds: each long text and each moved row is read once,
// and a file that points at one twice is refused (it would cost a copy of
// the text or row for every pointer).
class JetReader {
public:
    // Opens the file and reads its catalog; throws Unreadable.
    explicit JetReader(const QString& path);

    [[nodiscard]] const JetFile& file() const { return m_file; }
    // A catalog entry of the given kind; for tables, user tables only
    // unless a system table is asked for.
    MdbCatalogEntry* find(const QString& name, int type, Qt::CaseSensitivity cs,
                          bool system = false);
    // Every column of a table, or only the named ones in that order.
    TableRows read(MdbCatalogEntry* entry, const QStringList& wanted = {});
    // The stored definition of a saved query.
    std::vector<JetQueryRow> queryRows(const MdbCatalogEntry& query);

private:
    enum class RowPage { Any, LongValues };
    struct HandleClose {
        void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
    };

    std::vector<long> dataPages(const MdbTableDef& table);
    void readDataPage(const MdbTableDef& table, long page);
    QVariantList rowValues(MdbTableDef& table, int start, size_t length,
                           const std::vector<int>& indexes, std::vector<MdbField>& fields);
    QVariant fieldValue(const MdbColumn& column, const MdbField& field);
    QString memoText(const MdbColumn& column, const MdbField& field);
    QByteArray longValue(const MdbColumn& column, const MdbField& field);
    std::optional<QByteArray> longValuePiece(const MdbColumn& column, quint32 pageRow);
    std::optional<QByteArray> dataRow(quint32 pageRow, RowPage kind);
    bool readAltPage(unsigned long page);
    QString text(const MdbColumn& column, const char* bytes, size_t length);
    [[nodiscard]] QString formatted(const MdbColumn& column, const MdbField& field) const;

    void readCatalog();
    [[nodiscard]] long pageCount() const;

    JetFile m_file;
    std::unique_ptr<MdbHandle, HandleClose> m_mdb;
    std::vector<MdbCatalogEntry> m_catalog;
    std::vector<char> m_text;
    // The page in libmdb's second buffer when this reader put it there;
    // libmdb's own table reading uses that buffer too.
    unsigned long m_altPage = 0;
    // Long texts read so far, by their first piece, with the header that
    // pointed at it: rows that point at the same text share it.
    struct LongText {
        quint32 header = 0;
        QString text;
    };
    QHash<quint32, LongText> m_longTexts;
    // Every long-value piece and moved row read so far, as page and row.
    QSet<quint32> m_longValuePieces;
    QSet<quint32> m_movedRows;
};

} // namespace store
