#include "jetdatabase.h"

#include "jetquery.h"
#include "kelvaneerror.h"
#include "regularfile.h"
#include "snapshotrecordset.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QtEndian>

#include <mdbtools.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace store {

namespace {

constexpr int rowOffsetMask = 0x1fff;
constexpr int deletedRowFlag = 0x8000;
constexpr int overflowRowFlag = 0x4000;
constexpr qsizetype versionOffset = 0x14;
constexpr quint32 objectIdMask = 0x00ffffff;
// libmdb converts a text into a buffer of this size. Access lets a person
// type 65,535 characters into a memo, at most three bytes each in UTF-8;
// anything that fills the buffer is refused rather than cut short.
constexpr size_t textBufferSize = size_t(1) << 20;

// Rows of a table or query as read from the file, in row order.
struct TableRows {
    QStringList columns;
    std::vector<QVariantList> rows;
};

// Why a file could not be read; the caller tells whether that makes it no
// database at all or a read that failed.
struct Unreadable {
    QString reason;
};

// Jet dates count days from 30 December 1899; the fraction is the time of
// day, counted forwards even before that day. Built from date and time
// apart, so a clock change on that day cannot shift the time.
QDateTime jetDateTime(double days) {
    constexpr qint64 msecsPerDay = 86'400'000;
    const double whole = std::trunc(days);
    const qint64 msecs = std::llround(std::fabs(days - whole) * double(msecsPerDay));
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole) + msecs / msecsPerDay);
    return {date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs % msecsPerDay))};
}

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

struct HandleClose {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};

// The whole file read into memory in one go and handed to libmdb from
// there: a consistent snapshot, checked before libmdb sees it, and no file
// handle or lock held on the file the meet-management program writes.
class JetSnapshot {
public:
    explicit JetSnapshot(const QString& path);

    // A catalog entry of the given kind; for tables, user tables only
    // unless a system table is asked for.
    MdbCatalogEntry* find(const QString& name, int type, Qt::CaseSensitivity cs, bool system = false);
    // Every column of a table, or only the named ones in that order.
    TableRows read(MdbCatalogEntry* entry, const QStringList& wanted = {});
    // The stored definition of a saved query.
    std::vector<JetQueryRow> queryRows(const MdbCatalogEntry& query);

private:
    QVariantList rowValues(MdbTableDef& table, int start, size_t length, const std::vector<int>& indexes,
                           std::vector<MdbField>& fields) const;
    QVariant fieldValue(const MdbColumn& column, const MdbField& field) const;
    QString text(const MdbColumn& column, const MdbField& field) const;

    void readCatalog();

    QByteArray m_bytes;
    std::unique_ptr<MdbHandle, HandleClose> m_mdb;
    std::vector<MdbCatalogEntry> m_catalog;
};

JetSnapshot::JetSnapshot(const QString& path) {
    QFile file;
    if (const auto reason = openRegularFile(file, path))
        throw Unreadable{*reason};
    m_bytes = file.readAll();
    const QByteArray mark = m_bytes.mid(4, 15);
    if (m_bytes.size() <= versionOffset || (mark != "Standard Jet DB" && mark != "Standard ACE DB"))
        throw Unreadable{QStringLiteral("it has no Jet header")};
    const qsizetype pageSize = m_bytes.at(versionOffset) == 0 ? 2048 : 4096;
    if (m_bytes.size() < 2 * pageSize || m_bytes.size() % pageSize != 0)
        throw Unreadable{QStringLiteral("the file is incomplete (%1 bytes is not a whole number of "
                                              "%2-byte pages)")
                                   .arg(m_bytes.size())
                                   .arg(pageSize)};
    m_mdb.reset(mdb_open_buffer(m_bytes.data(), static_cast<size_t>(m_bytes.size()), MDB_NOFLAGS));
    if (!m_mdb)
        throw Unreadable{QStringLiteral("its header is damaged")};
    mdb_set_bind_size(m_mdb.get(), textBufferSize);
    readCatalog();
}

// The list of tables and queries, read from MSysObjects (whose definition
// always starts on page 2). libmdb's own catalog reader also decodes every
// object's properties, which we never need and which overruns its buffers
// on a damaged file, so only the four plain columns are read here.
void JetSnapshot::readCatalog() {
    MdbCatalogEntry objects{};
    objects.mdb = m_mdb.get();
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::strcpy(objects.object_name, "MSysObjects");
    const TableRows rows = read(&objects, {QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Type"),
                                           QStringLiteral("Flags")});
    m_catalog.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows) {
        const QByteArray name = row[1].toString().toUtf8();
        if (name.isEmpty() || name.size() > MDB_MAX_OBJ_NAME)
            continue;
        MdbCatalogEntry entry{};
        entry.mdb = m_mdb.get();
        std::memcpy(entry.object_name, name.constData(), static_cast<size_t>(name.size()));
        entry.object_type = row[2].toInt() & 0x7f;
        entry.table_pg = row[0].toUInt() & objectIdMask;
        entry.flags = row[3].toInt();
        m_catalog.push_back(entry);
    }
}

MdbCatalogEntry* JetSnapshot::find(const QString& name, int type, Qt::CaseSensitivity cs, bool system) {
    for (MdbCatalogEntry& entry : m_catalog) {
        if (entry.object_type != type || name.compare(QString::fromUtf8(entry.object_name), cs) != 0)
            continue;
        if (type != MDB_TABLE || (system ? mdb_is_system_table(&entry) : mdb_is_user_table(&entry)))
            return &entry;
    }
    return nullptr;
}

TableRows JetSnapshot::read(MdbCatalogEntry* entry, const QStringList& wanted) {
    const QString name = QString::fromUtf8(entry->object_name);
    const std::unique_ptr<MdbTableDef, TableDefFree> table(mdb_read_table(entry));
    // libmdb hands back a table whose page map it could not read, and would
    // follow the missing map when the rows are read.
    if (!table || !table->usage_map || table->map_sz == 0 || !mdb_read_columns(table.get()) ||
        table->num_cols > MDB_MAX_COLS)
        throw Unreadable{QStringLiteral("the table '%1' is damaged").arg(name)};
    QStringList allColumns;
    for (guint i = 0; i < table->num_cols; ++i)
        allColumns.append(QString::fromUtf8(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i))->name));
    TableRows result;
    std::vector<int> indexes;
    for (const QString& column : wanted.isEmpty() ? allColumns : wanted) {
        const auto found = std::find_if(allColumns.cbegin(), allColumns.cend(), [&](const QString& c) {
            return c.compare(column, Qt::CaseInsensitive) == 0;
        });
        if (found == allColumns.cend())
            throw Unreadable{QStringLiteral("the table '%1' has no column '%2'").arg(name, column)};
        indexes.push_back(static_cast<int>(found - allColumns.cbegin()));
        result.columns.append(*found);
    }

    const int pageSize = m_mdb->fmt->pg_size;
    const int countOffset = m_mdb->fmt->row_count_offset;
    std::vector<MdbField> fields(MDB_MAX_COLS);
    mdb_rewind_table(table.get());
    long page = 0;
    while ((page = mdb_read_next_dpg(table.get())) > 0) {
        const int rows = mdb_get_int16(m_mdb->pg_buf, countOffset);
        if (rows < 0 || countOffset + 2 + 2 * rows > pageSize)
            throw Unreadable{QStringLiteral("a page of '%1' is damaged").arg(name)};
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t length = 0;
            if (mdb_find_row(m_mdb.get(), r, &start, &length) != 0)
                throw Unreadable{QStringLiteral("a row of '%1' is damaged").arg(name)};
            if ((start & deletedRowFlag) != 0)
                continue;
            if ((start & overflowRowFlag) == 0) {
                result.rows.push_back(rowValues(*table, start & rowOffsetMask, length, indexes, fields));
                continue;
            }
            // A row that outgrew its page moved to another one; only where
            // to is kept here. The moved row is read there, then this page
            // is read again to go on with its rows.
            const int at = start & rowOffsetMask;
            if (length < 4 || at + 4 > pageSize)
                throw Unreadable{QStringLiteral("a row of '%1' is damaged").arg(name)};
            const auto moved = qFromLittleEndian<quint32>(m_mdb->pg_buf + at);
            if (mdb_read_pg(m_mdb.get(), moved >> 8) <= 0 ||
                mdb_find_row(m_mdb.get(), static_cast<int>(moved & 0xff), &start, &length) != 0)
                throw Unreadable{QStringLiteral("a moved row of '%1' is damaged").arg(name)};
            result.rows.push_back(rowValues(*table, start & rowOffsetMask, length, indexes, fields));
            if (mdb_read_pg(m_mdb.get(), static_cast<unsigned long>(page)) <= 0)
                throw Unreadable{QStringLiteral("a page of '%1' is damaged").arg(name)};
        }
    }
    return result;
}

QVariantList JetSnapshot::rowValues(MdbTableDef& table, int start, size_t length, const std::vector<int>& indexes,
                                    std::vector<MdbField>& fields) const {
    const int count = mdb_crack_row(&table, start, length, fields.data());
    if (count <= 0 || count > static_cast<int>(table.num_cols))
        throw Unreadable{QStringLiteral("a row of '%1' is damaged").arg(QString::fromUtf8(table.name))};
    // A row written before a column was added has no value for it.
    QVariantList values;
    values.reserve(static_cast<qsizetype>(indexes.size()));
    for (int index : indexes) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, index));
        values.append(index < count ? fieldValue(*column, fields[index]) : QVariant());
    }
    return values;
}

QVariant JetSnapshot::fieldValue(const MdbColumn& column, const MdbField& field) const {
    // A yes/no column keeps its value in the row's null bits.
    if (column.col_type == MDB_BOOL)
        return QVariant(field.is_null == 0);
    if (field.is_null)
        return {};
    if (field.start < 0 || field.siz < 0 || field.start + field.siz > m_mdb->fmt->pg_size)
        throw Unreadable{QStringLiteral("a value of '%1' lies outside its page")
                                     .arg(QString::fromUtf8(column.name))};
    const unsigned char* at = m_mdb->pg_buf + field.start;
    const auto fits = [&](int bytes) {
        if (field.siz < bytes)
            throw Unreadable{QStringLiteral("a value of '%1' is cut short")
                                         .arg(QString::fromUtf8(column.name))};
    };
    switch (column.col_type) {
    case MDB_BYTE:
        fits(1);
        return QVariant(int(*at));
    case MDB_INT:
        fits(2);
        return QVariant(int(qFromLittleEndian<qint16>(at)));
    case MDB_LONGINT:
        fits(4);
        return QVariant(int(qFromLittleEndian<qint32>(at)));
    case MDB_FLOAT:
        fits(4);
        return QVariant(double(qFromLittleEndian<float>(at)));
    case MDB_DOUBLE:
        fits(8);
        return QVariant(qFromLittleEndian<double>(at));
    case MDB_DATETIME:
        fits(8);
        return QVariant(jetDateTime(qFromLittleEndian<double>(at)));
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_MONEY:
    case MDB_REPID:
        return QVariant(text(column, field));
    default:
        return QVariant(QByteArray(reinterpret_cast<const char*>(at), field.siz));
    }
}

QString JetSnapshot::text(const MdbColumn& column, const MdbField& field) const {
    const std::unique_ptr<char, decltype(&g_free)> converted(
        mdb_col_to_string(m_mdb.get(), m_mdb->pg_buf, field.start, column.col_type, field.siz), &g_free);
    if (!converted)
        return {};
    const size_t length = std::strlen(converted.get());
    if (length + 8 >= textBufferSize)
        throw Unreadable{QStringLiteral("a text in '%1' is longer than %2 bytes")
                                     .arg(QString::fromUtf8(column.name))
                                     .arg(textBufferSize)};
    return QString::fromUtf8(converted.get(), static_cast<qsizetype>(length));
}

std::vector<JetQueryRow> JetSnapshot::queryRows(const MdbCatalogEntry& query) {
    MdbCatalogEntry* definitions = find(QStringLiteral("MSysQueries"), MDB_TABLE, Qt::CaseSensitive, true);
    if (!definitions)
        throw Unreadable{QStringLiteral("it holds no query definitions")};
    const TableRows stored =
        read(definitions, {QStringLiteral("ObjectId"), QStringLiteral("Attribute"), QStringLiteral("Flag"),
                           QStringLiteral("Name1"), QStringLiteral("Name2"), QStringLiteral("Expression")});
    std::vector<JetQueryRow> rows;
    for (const QVariantList& row : stored.rows) {
        if ((row[0].toUInt() & objectIdMask) != query.table_pg)
            continue;
        rows.push_back({row[1].toInt(), row[2].toInt(), row[3].toString(), row[4].toString(), row[5].toString()});
    }
    return rows;
}

// The rows a plain select yields: the table's rows in ORDER BY order (ties
// in row order), with the query's columns under their names.
TableRows selectRows(const QString& queryName, const JetSelect& select, const TableRows& table) {
    const auto indexOf = [&](const QString& column) {
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            if (table.columns[i].compare(column, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
        throw KelvaneError(ErrorNumber::ItemNotFound,
                           QStringLiteral("The saved query '%1' reads a column '%2' that the table '%3' does not have.")
                               .arg(queryName, column, select.table));
    };
    TableRows result;
    std::vector<int> sources;
    if (select.allColumns) {
        result.columns = table.columns;
        for (int i = 0; i < table.columns.size(); ++i)
            sources.push_back(i);
    }
    for (const JetOutputColumn& column : select.columns) {
        result.columns.append(column.name);
        sources.push_back(indexOf(column.source));
    }
    std::vector<std::pair<int, bool>> keys;
    for (const JetOrderKey& key : select.order)
        keys.emplace_back(indexOf(key.column), key.descending);

    std::vector<const QVariantList*> ordered;
    ordered.reserve(table.rows.size());
    for (const QVariantList& row : table.rows)
        ordered.push_back(&row);
    std::stable_sort(ordered.begin(), ordered.end(), [&](const QVariantList* a, const QVariantList* b) {
        for (const auto& [index, descending] : keys) {
            const int order = compareJetValues(a->at(index), b->at(index));
            if (order != 0)
                return descending ? order > 0 : order < 0;
        }
        return false;
    });
    result.rows.reserve(ordered.size());
    for (const QVariantList* row : ordered) {
        QVariantList values;
        values.reserve(static_cast<qsizetype>(sources.size()));
        for (int source : sources)
            values.append(row->at(source));
        result.rows.push_back(std::move(values));
    }
    return result;
}

class JetDatabase : public Database {
public:
    JetDatabase(const QString& path, const QString& purpose)
        : m_path(path) {
        try {
            JetSnapshot check(path);
        } catch (const Unreadable& error) {
            throw KelvaneError(ErrorNumber::NotADatabase,
                               QStringLiteral("'%1' is not an %2: %3.").arg(path, purpose, error.reason));
        }
    }

    QString path() const override { return m_path; }
    bool canDeleteRows() const override { return false; }
    std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) override;
    std::unique_ptr<QueryDef> queryDef(const QString& name) override {
        checkOpen();
        throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                           QStringLiteral("The saved query '%1' cannot be run: parameter queries of a Jet "
                                          "file cannot be read on this computer.")
                               .arg(name));
    }
    void close() override { m_open = false; }

private:
    void checkOpen() const {
        if (!m_open)
            throw KelvaneError(ErrorNumber::ObjectClosed, QStringLiteral("The database is closed."));
    }
    TableRows readRowSource(const QString& rowSource) const;
    static TableRows readFrom(JetSnapshot& file, const QString& rowSource);

    QString m_path;
    bool m_open = true;
    QHash<QString, TableRows> m_lastRead;
    bool m_lastReadFailed = false;
};

TableRows JetDatabase::readRowSource(const QString& rowSource) const {
    try {
        JetSnapshot file(m_path);
        return readFrom(file, rowSource);
    } catch (const Unreadable& error) {
        throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                           QStringLiteral("The Jet file '%1' could not be read: %2.").arg(m_path, error.reason));
    }
}

TableRows JetDatabase::readFrom(JetSnapshot& file, const QString& rowSource) {
    if (const MdbCatalogEntry* query = file.find(rowSource, MDB_QUERY, Qt::CaseSensitive)) {
        const JetSelect select = readJetSelect(rowSource, file.queryRows(*query));
        MdbCatalogEntry* table = file.find(select.table, MDB_TABLE, Qt::CaseInsensitive);
        if (!table)
            throw KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                               QStringLiteral("The saved query '%1' reads '%2', which is not a table of this file.")
                                   .arg(rowSource, select.table));
        return selectRows(rowSource, select, file.read(table));
    }
    if (MdbCatalogEntry* table = file.find(rowSource, MDB_TABLE, Qt::CaseSensitive))
        return file.read(table);
    throw KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                       QStringLiteral("Cannot find the table or query '%1'.").arg(rowSource));
}

std::unique_ptr<RecordSet> JetDatabase::openRecordset(const QString& rowSource) {
    checkOpen();
    TableRows rows;
    try {
        rows = readRowSource(rowSource);
        m_lastRead.insert(rowSource, rows);
        m_lastReadFailed = false;
    } catch (const KelvaneError& error) {
        // The meet-management program may be writing the file just then, so
        // a read can fail for a moment: the first failure after a good read
        // answers with that read's rows, and the next read tries again.
        const auto last = m_lastRead.constFind(rowSource);
        if (m_lastReadFailed || last == m_lastRead.cend())
            throw;
        qWarning("%s Showing the rows read before; trying again at the next read.",
                 qUtf8Printable(error.description()));
        m_lastReadFailed = true;
        rows = *last;
    }
    return std::make_unique<SnapshotRecordSet>(rowSource, std::move(rows.columns), std::move(rows.rows));
}

} // namespace

std::unique_ptr<Database> openJetDatabase(const QString& path, const QString& purpose) {
    return std::make_unique<JetDatabase>(path, purpose);
}

} // namespace store
