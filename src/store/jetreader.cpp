#include "jetreader.h"

#include "jetquery.h"
#include "kelvaneerror.h"

#include <QDateTime>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace store {

namespace {

constexpr int rowOffsetMask = 0x1fff;
constexpr int deletedRowFlag = 0x8000;
constexpr int overflowRowFlag = 0x4000;
constexpr unsigned char dataPageType = 0x01;
constexpr unsigned char mapPageType = 0x05;
constexpr quint32 objectIdMask = 0x00ffffff;
// A memo field: a header (the kind of storage and the text's length), where
// its first piece lies, and four bytes more; the text follows in the row,
// or lies in one row of a long-value page, or in a chain of such rows.
constexpr int longValueOverhead = 12;
constexpr quint32 inRowKind = 0x80;
constexpr quint32 onePageKind = 0x40;
constexpr quint32 chainKind = 0x00;
// libmdb converts a text into a buffer of at least this size, kept for the
// whole read. Access lets a person type 65,535 characters into a memo, at
// most three bytes each in UTF-8; a program may store far more.
constexpr size_t textBufferSize = size_t(1) << 20;

// Each byte of a stored text (one code-page or compressed character, or
// half of a UCS-2 one) becomes at most three bytes of UTF-8, so a buffer of
// this size always holds the whole text: no text is cut or refused.
size_t convertedSizeBound(size_t storedBytes) {
    return std::max(textBufferSize, 3 * storedBytes + 8);
}

// Jet dates count days from 30 December 1899; the fraction is the time of
// day, counted forwards even before that day. Built from date and time
// apart, so a clock change on that day cannot shift the time.
QDateTime jetDateTime(double days) {
    constexpr qint64 msecsPerDay = 86'400'000;
    const double whole = std::trunc(days);
    const qint64 msecs = std::llround(std::fabs(days - whole) * double(msecsPerDay));
    const QDate date =
        QDate(1899, 12, 30).addDays(static_cast<qint64>(whole) + msecs / msecsPerDay);
    return {date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs % msecsPerDay))};
}

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

} // namespace

JetReader::JetReader(const QString& path)
    : m_file(path) {
    QByteArray& header = m_file.headerPage();
    m_mdb.reset(mdb_open_buffer(header.data(), static_cast<size_t>(header.size()), MDB_NOFLAGS));
    if (!m_mdb)
        throw Unreadable{Texts::tr("its header is damaged")};
    // libmdb has read the header page from memory; every other page comes
    // from the file.
    FILE* pages = m_file.openStream();
    if (!pages)
        throw Unreadable{Texts::tr("its pages cannot be read")};
    std::fclose(m_mdb->f->stream);
    m_mdb->f->stream = pages;
    mdb_set_bind_size(m_mdb.get(), textBufferSize);
    readCatalog();
}

// The list of tables and queries, read from MSysObjects (whose definition
// always starts on page 2). libmdb's own catalog reader also decodes every
// object's properties, which we never need and which overruns its buffers
// on a damaged file, so only the four plain columns are read here.
void JetReader::readCatalog() {
    MdbCatalogEntry objects{};
    objects.mdb = m_mdb.get();
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::strcpy(objects.object_name, "MSysObjects");
    const TableRows rows = read(&objects, {QStringLiteral("Id"), QStringLiteral("Name"),
                                           QStringLiteral("Type"), QStringLiteral("Flags")});
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

MdbCatalogEntry* JetReader::find(const QString& name, int type, Qt::CaseSensitivity cs,
                                 bool system) {
    for (MdbCatalogEntry& entry : m_catalog) {
        if (entry.object_type != type ||
            name.compare(QString::fromUtf8(entry.object_name), cs) != 0)
            continue;
        if (type != MDB_TABLE || (system ? mdb_is_system_table(&entry) : mdb_is_user_table(&entry)))
            return &entry;
    }
    return nullptr;
}

TableRows JetReader::read(MdbCatalogEntry* entry, const QStringList& wanted) {
    const QString name = QString::fromUtf8(entry->object_name);
    const std::unique_ptr<MdbTableDef, TableDefFree> table(mdb_read_table(entry));
    if (table)
        mdb_read_columns(table.get());
    m_altPage = 0;
    m_file.checkPages();
    if (!table || !table->columns || table->num_cols > MDB_MAX_COLS)
        throw Unreadable{Texts::tr("the table '%1' is damaged").arg(name)};
    QStringList allColumns;
    for (guint i = 0; i < table->num_cols; ++i)
        allColumns.append(
            QString::fromUtf8(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i))->name));
    TableRows result;
    std::vector<int> indexes;
    for (const QString& column : wanted.isEmpty() ? allColumns : wanted) {
        const auto found =
            std::find_if(allColumns.cbegin(), allColumns.cend(), [&](const QString& c) {
                return c.compare(column, Qt::CaseInsensitive) == 0;
            });
        if (found == allColumns.cend())
            throw Unreadable{Texts::tr("the table '%1' has no column '%2'").arg(name, column)};
        indexes.push_back(static_cast<int>(found - allColumns.cbegin()));
        result.columns.append(*found);
    }

    const int pageSize = m_mdb->fmt->pg_size;
    const int countOffset = m_mdb->fmt->row_count_offset;
    std::vector<MdbField> fields(MDB_MAX_COLS);
    for (long page : dataPages(*table)) {
        readDataPage(*table, page);
        const int rows = mdb_get_int16(m_mdb->pg_buf, countOffset);
        if (rows < 0 || countOffset + 2 + 2 * rows > pageSize)
            throw Unreadable{Texts::tr("a page of '%1' is damaged").arg(name)};
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t length = 0;
            if (mdb_find_row(m_mdb.get(), r, &start, &length) != 0)
                throw Unreadable{Texts::tr("a row of '%1' is damaged").arg(name)};
            if ((start & deletedRowFlag) != 0)
                continue;
            if ((start & overflowRowFlag) == 0) {
                result.rows.push_back(
                    rowValues(*table, start & rowOffsetMask, length, indexes, fields));
                continue;
            }
            // A row that outgrew its page moved to another one; only where
            // to is kept here. The moved row is read there, then this page
            // is read again to go on with its rows.
            const int at = start & rowOffsetMask;
            if (length < 4 || at + 4 > pageSize)
                throw Unreadable{Texts::tr("a row of '%1' is damaged").arg(name)};
            const auto moved = qFromLittleEndian<quint32>(m_mdb->pg_buf + at);
            if (m_movedRows.contains(moved))
                throw Unreadable{
                    Texts::tr("two rows of '%1' point at the same moved row").arg(name)};
            m_movedRows.insert(moved);
            readDataPage(*table, moved >> 8);
            if (mdb_find_row(m_mdb.get(), static_cast<int>(moved & 0xff), &start, &length) != 0)
                throw Unreadable{Texts::tr("a moved row of '%1' is damaged").arg(name)};
            result.rows.push_back(
                rowValues(*table, start & rowOffsetMask, length, indexes, fields));
            readDataPage(*table, page);
        }
    }
    return result;
}

// The pages that hold a table's rows, as its page map lists them. libmdb
// takes the map from wherever the table points without asking whether a
// map is there, passes over a listed page that holds something else, and
// reads every page of the file for a map it does not know: each would
// quietly give the table other rows than it has.
std::vector<long> JetReader::dataPages(const MdbTableDef& table) {
    const int pageSize = m_mdb->fmt->pg_size;
    const auto damaged = [&] {
        return Unreadable{Texts::tr("the page map of '%1' is damaged or not there")
                              .arg(QString::fromUtf8(table.name))};
    };
    const bool read = readAltPage(table.entry->table_pg);
    const std::optional<QByteArray> map =
        read ? dataRow(
                   qFromLittleEndian<quint32>(m_mdb->alt_pg_buf + m_mdb->fmt->tab_usage_map_offset),
                   RowPage::Any)
             : std::nullopt;
    if (!map || map->size() < 5)
        throw damaged();
    // A page the file does not hold yet fails the read here, before a map
    // that lists millions of them is ever collected.
    const long filePages = pageCount();
    std::vector<long> pages;
    const auto addListed = [&](const unsigned char* bits, qsizetype bytes, long first) {
        for (qsizetype bit = 0; bit < bytes * 8; ++bit) {
            if ((bits[bit / 8] & (1 << (bit % 8))) == 0)
                continue;
            const long page = first + long(bit);
            if (page >= filePages)
                throw Unreadable{Texts::tr("the page map of '%1' lists page %2, beyond the "
                                           "file's end at %3 pages (it may be being written)")
                                     .arg(QString::fromUtf8(table.name))
                                     .arg(page)
                                     .arg(filePages)};
            pages.push_back(page);
        }
    };
    const auto* bytes = reinterpret_cast<const unsigned char*>(map->constData());
    if (bytes[0] == 0) {
        // The pages from a first one on, a bit for each.
        addListed(bytes + 5, map->size() - 5, long(qFromLittleEndian<quint32>(bytes + 1)));
    } else if (bytes[0] == 1) {
        // Map pages, each with a bit for every page in its stretch of the file.
        const long pagesPerMapPage = long(pageSize - 4) * 8;
        for (qsizetype entry = 0; 5 + 4 * entry <= map->size(); ++entry) {
            const auto mapPage = qFromLittleEndian<quint32>(bytes + 1 + 4 * entry);
            if (mapPage == 0)
                continue;
            const bool mapRead = readAltPage(mapPage);
            if (!mapRead || m_mdb->alt_pg_buf[0] != mapPageType)
                throw damaged();
            addListed(m_mdb->alt_pg_buf + 4, pageSize - 4, long(entry) * pagesPerMapPage);
        }
    } else {
        throw damaged();
    }
    return pages;
}

void JetReader::readDataPage(const MdbTableDef& table, long page) {
    const bool read = mdb_read_pg(m_mdb.get(), static_cast<unsigned long>(page)) > 0;
    m_file.checkPages();
    if (!read || m_mdb->pg_buf[0] != dataPageType ||
        (qFromLittleEndian<quint32>(m_mdb->pg_buf + 4) & objectIdMask) != table.entry->table_pg)
        throw Unreadable{Texts::tr("page %1, listed for '%2', holds something else")
                             .arg(page)
                             .arg(QString::fromUtf8(table.name))};
}

QVariantList JetReader::rowValues(MdbTableDef& table, int start, size_t length,
                                  const std::vector<int>& indexes, std::vector<MdbField>& fields) {
    const int count = mdb_crack_row(&table, start, length, fields.data());
    if (count <= 0 || count > static_cast<int>(table.num_cols))
        throw Unreadable{Texts::tr("a row of '%1' is damaged").arg(QString::fromUtf8(table.name))};
    // A row written before a column was added has no value for it.
    QVariantList values;
    values.reserve(static_cast<qsizetype>(indexes.size()));
    for (int index : indexes) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, index));
        values.append(index < count ? fieldValue(*column, fields[index]) : QVariant());
    }
    return values;
}

QVariant JetReader::fieldValue(const MdbColumn& column, const MdbField& field) {
    // A yes/no column keeps its value in the row's null bits.
    if (column.col_type == MDB_BOOL)
        return QVariant(field.is_null == 0);
    if (field.is_null)
        return {};
    if (field.start < 0 || field.siz < 0 || field.start + field.siz > m_mdb->fmt->pg_size)
        throw Unreadable{
            Texts::tr("a value of '%1' lies outside its page").arg(QString::fromUtf8(column.name))};
    const unsigned char* at = m_mdb->pg_buf + field.start;
    const auto fits = [&](int bytes) {
        if (field.siz < bytes)
            throw Unreadable{
                Texts::tr("a value of '%1' is cut short").arg(QString::fromUtf8(column.name))};
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
        return QVariant(text(column, reinterpret_cast<const char*>(at), size_t(field.siz)));
    case MDB_MEMO:
        return QVariant(memoText(column, field));
    case MDB_MONEY:
    case MDB_REPID:
        return QVariant(formatted(column, field));
    default:
        return QVariant(QByteArray(reinterpret_cast<const char*>(at), field.siz));
    }
}

// A text as libmdb turns it into UTF-8, in a buffer kept for the whole read.
QString JetReader::text(const MdbColumn& column, const char* bytes, size_t length) {
    m_text.resize(std::max(m_text.size(), convertedSizeBound(length)));
    const int converted =
        mdb_unicode2ascii(m_mdb.get(), bytes, length, m_text.data(), m_text.size());
    if (converted < 0)
        throw Unreadable{
            Texts::tr("a text in '%1' cannot be converted").arg(QString::fromUtf8(column.name))};
    return QString::fromUtf8(m_text.data(), converted);
}

// Money and replication ids, formatted by libmdb.
QString JetReader::formatted(const MdbColumn& column, const MdbField& field) const {
    const std::unique_ptr<char, decltype(&g_free)> converted(
        mdb_col_to_string(m_mdb.get(), m_mdb->pg_buf, field.start, column.col_type, field.siz),
        &g_free);
    return converted ? QString::fromUtf8(converted.get()) : QString();
}

// A memo's text. Rows that point at the same long text on long-value
// pages share it, read and converted once.
QString JetReader::memoText(const MdbColumn& column, const MdbField& field) {
    const unsigned char* at = m_mdb->pg_buf + field.start;
    const bool onPages =
        field.siz >= longValueOverhead && qFromLittleEndian<quint32>(at) >> 24 != inRowKind;
    const quint32 header = onPages ? qFromLittleEndian<quint32>(at) : 0;
    const quint32 firstPiece = onPages ? qFromLittleEndian<quint32>(at + 4) : 0;
    if (onPages) {
        const auto known = m_longTexts.constFind(firstPiece);
        if (known != m_longTexts.cend() && known->header == header)
            return known->text;
    }
    const QByteArray value = longValue(column, field);
    QString converted = text(column, value.constData(), size_t(value.size()));
    if (onPages)
        m_longTexts.insert(firstPiece, {header, converted});
    return converted;
}

// A memo's bytes lie in the row itself, or on long-value pages the row
// points to: one row of one page, or a chain of rows. libmdb makes an
// empty or shortened text of a chain that breaks off; here every piece
// must be there and add up to the length the row states.
QByteArray JetReader::longValue(const MdbColumn& column, const MdbField& field) {
    if (field.siz < longValueOverhead)
        return {};
    const unsigned char* at = m_mdb->pg_buf + field.start;
    const auto header = qFromLittleEndian<quint32>(at);
    const quint32 kind = header >> 24;
    const qsizetype length = header & 0x00ffffff;
    if (kind == inRowKind)
        return {reinterpret_cast<const char*>(at + longValueOverhead),
                field.siz - longValueOverhead};
    const auto broken = [&] {
        return Unreadable{
            Texts::tr("a long text in '%1' is incomplete").arg(QString::fromUtf8(column.name))};
    };
    // No text is longer than the file that holds it.
    if (length > m_file.stamp().size)
        throw broken();
    auto pageRow = qFromLittleEndian<quint32>(at + 4);
    QByteArray value;
    if (kind == onePageKind) {
        value = longValuePiece(column, pageRow).value_or(QByteArray());
    } else if (kind == chainKind) {
        value.reserve(length);
        // Each piece starts with where the next one is and adds at least a
        // byte, and none is read twice, so the walk ends.
        while (pageRow != 0 && value.size() < length) {
            const std::optional<QByteArray> piece = longValuePiece(column, pageRow);
            if (!piece || piece->size() <= 4)
                throw broken();
            pageRow = qFromLittleEndian<quint32>(piece->constData());
            value.append(piece->mid(4));
        }
        if (pageRow != 0)
            throw broken();
    } else {
        throw Unreadable{Texts::tr("a long text in '%1' is of an unknown kind")
                             .arg(QString::fromUtf8(column.name))};
    }
    if (value.size() != length)
        throw broken();
    return value;
}

// A piece of a long text. No two texts share a piece in a sound file, and
// a chain that comes back to a piece loops: either way the text is
// refused instead of read again, which could cost a copy of a long text for
// every row that points into it.
std::optional<QByteArray> JetReader::longValuePiece(const MdbColumn& column, quint32 pageRow) {
    if (m_longValuePieces.contains(pageRow))
        throw Unreadable{Texts::tr("a long text in '%1' points back at a piece already read")
                             .arg(QString::fromUtf8(column.name))};
    m_longValuePieces.insert(pageRow);
    return dataRow(pageRow, RowPage::LongValues);
}

long JetReader::pageCount() const {
    return long(m_file.stamp().size / m_mdb->fmt->pg_size);
}

// Reads a page into libmdb's second page buffer, unless it is there
// already: the long texts of rows that follow each other mostly share a page.
bool JetReader::readAltPage(unsigned long page) {
    if (page != 0 && page == m_altPage)
        return true;
    const bool read = mdb_read_alt_pg(m_mdb.get(), page) == m_mdb->fmt->pg_size;
    m_file.checkPages();
    m_altPage = read ? page : 0;
    return read;
}

// A live row of a data page, read into libmdb's second page buffer; none
// when the page is not a data page of that kind or has no such row.
std::optional<QByteArray> JetReader::dataRow(quint32 pageRow, RowPage kind) {
    const int pageSize = m_mdb->fmt->pg_size;
    const bool read = readAltPage(pageRow >> 8);
    const unsigned char* page = m_mdb->alt_pg_buf;
    // The row count, then where each row starts.
    const unsigned char* rowTable = page + m_mdb->fmt->row_count_offset;
    const qsizetype row = pageRow & 0xff;
    if (!read || page[0] != dataPageType ||
        (kind == RowPage::LongValues && std::memcmp(page + 4, "LVAL", 4) != 0) ||
        row >= qFromLittleEndian<quint16>(rowTable))
        return std::nullopt;
    const int start = qFromLittleEndian<quint16>(rowTable + 2 + 2 * row);
    const int end =
        row == 0 ? pageSize : qFromLittleEndian<quint16>(rowTable + 2 * row) & rowOffsetMask;
    if ((start & deletedRowFlag) != 0 || (start & rowOffsetMask) >= end || end > pageSize)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(page + (start & rowOffsetMask)),
                      end - (start & rowOffsetMask));
}

std::vector<JetQueryRow> JetReader::queryRows(const MdbCatalogEntry& query) {
    MdbCatalogEntry* definitions =
        find(QStringLiteral("MSysQueries"), MDB_TABLE, Qt::CaseSensitive, true);
    if (!definitions)
        throw Unreadable{Texts::tr("it holds no query definitions")};
    const TableRows stored =
        read(definitions,
             {QStringLiteral("ObjectId"), QStringLiteral("Attribute"), QStringLiteral("Flag"),
              QStringLiteral("Name1"), QStringLiteral("Name2"), QStringLiteral("Expression")});
    std::vector<JetQueryRow> rows;
    for (const QVariantList& row : stored.rows) {
        if ((row[0].toUInt() & objectIdMask) != query.table_pg)
            continue;
        rows.push_back({row[1].toInt(), row[2].toInt(), row[3].toString(), row[4].toString(),
                        row[5].toString()});
    }
    return rows;
}

} // namespace store
