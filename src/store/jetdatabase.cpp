#include "jetdatabase.h"

#include "jetfile.h"
#include "jetquery.h"
#include "jetreader.h"
#include "kelvaneerror.h"
#include "snapshotrecordset.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

namespace store {

namespace {

// The rows a plain select yields: the table's rows in ORDER BY order (ties
// in row order), with the query's columns under their names.
TableRows selectRows(const QString& queryName, const JetSelect& select, const TableRows& table) {
    const auto indexOf = [&](const QString& column) {
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            if (table.columns[i].compare(column, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
        throw KelvaneError(
            ErrorNumber::ItemNotFound,
            Texts::tr("The saved query '%1' reads a column '%2' that the table '%3' does not have.")
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
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const QVariantList* a, const QVariantList* b) {
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

// The rows of a row source and the state of the file they were read from.
struct LastRead {
    TableRows rows;
    // None when the file may have been written during the read or just
    // before it: such rows are never taken for the file's as it stands.
    std::optional<FileStamp> stamp;
};

// A read goes again at once when the file changed while it was read, as
// often as this in all; then it counts as it came out.
constexpr int readAttempts = 3;
// A file system keeps a file's time of writing to some step (up to two
// seconds on some), so a file written again just after a read can keep its
// stamp; rows read within this time of a write are read again next time.
constexpr qint64 settledNs = 2'000'000'000;

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class JetDatabase : public Database {
public:
    JetDatabase(const QString& path, const QString& purpose)
        : m_path(path) {
        try {
            JetReader check(path);
        } catch (const Unreadable& error) {
            throw notADatabase(path, purpose, error.reason);
        }
    }

    [[nodiscard]] QString path() const override { return m_path; }
    [[nodiscard]] bool canDeleteRows() const override { return false; }
    std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) override;
    std::unique_ptr<QueryDef> queryDef(const QString& name) override {
        checkOpen();
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("The saved query '%1' cannot be run: parameter queries of a Jet "
                      "file cannot be read on this computer.")
                .arg(name));
    }
    void close() override {
        m_open = false;
        m_watcher.reset();
        m_lastRead.clear();
    }
    void watchChanges(const std::function<void()>& changed) override;

private:
    void checkOpen() const {
        if (!m_open)
            throw KelvaneError(ErrorNumber::ObjectClosed, Texts::tr("The database is closed."));
    }
    TableRows rows(const QString& rowSource);
    [[nodiscard]] LastRead readRowSource(const QString& rowSource) const;
    static TableRows readFrom(JetReader& file, const QString& rowSource);

    QString m_path;
    bool m_open = true;
    QHash<QString, LastRead> m_lastRead;
    bool m_lastReadFailed = false;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};

// The file may change while it is read (written in place, or replaced by
// a new file renamed over it): then the read, good or failed, is made again.
LastRead JetDatabase::readRowSource(const QString& rowSource) const {
    for (int attempt = 1;; ++attempt) {
        const qint64 started = nowNs();
        const std::optional<FileStamp> before = fileStamp(m_path);
        const bool last = attempt == readAttempts;
        try {
            JetReader file(m_path);
            TableRows rows = readFrom(file, rowSource);
            const FileStamp& stamp = file.file().stamp();
            const bool unchanged = fileStamp(m_path) == stamp;
            if (unchanged || last) {
                const bool settled = unchanged && stamp.modifiedNs < started - settledNs;
                return {std::move(rows), settled ? std::optional(stamp) : std::nullopt};
            }
        } catch (const Unreadable& error) {
            if (last || fileStamp(m_path) == before)
                throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                                   Texts::tr("The Jet file '%1' could not be read: %2.")
                                       .arg(m_path, error.reason));
        } catch (const KelvaneError&) {
            if (last || fileStamp(m_path) == before)
                throw;
        }
    }
}

TableRows JetDatabase::readFrom(JetReader& file, const QString& rowSource) {
    if (const MdbCatalogEntry* query = file.find(rowSource, MDB_QUERY, Qt::CaseSensitive)) {
        const JetSelect select = readJetSelect(rowSource, file.queryRows(*query));
        MdbCatalogEntry* table = file.find(select.table, MDB_TABLE, Qt::CaseInsensitive);
        if (!table)
            throw KelvaneError(
                ErrorNumber::CannotFindTableOrQuery,
                Texts::tr("The saved query '%1' reads '%2', which is not a table of this file.")
                    .arg(rowSource, select.table));
        return selectRows(rowSource, select, file.read(table));
    }
    if (MdbCatalogEntry* table = file.find(rowSource, MDB_TABLE, Qt::CaseSensitive))
        return file.read(table);
    throw KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                       Texts::tr("Cannot find the table or query '%1'.").arg(rowSource));
}

// The rows of the last read while the file stands as it was then (a
// choice right after a refresh reads nothing), else the rows read now.
TableRows JetDatabase::rows(const QString& rowSource) {
    const auto last = m_lastRead.constFind(rowSource);
    if (last != m_lastRead.cend() && last->stamp && last->stamp == fileStamp(m_path))
        return last->rows;
    try {
        LastRead read = readRowSource(rowSource);
        m_lastReadFailed = false;
        return m_lastRead.emplace(rowSource, std::move(read))->rows;
    } catch (const KelvaneError& error) {
        // The meet-management program may be writing the file just then, so
        // a read can fail for a moment: the first failure after a good read
        // answers with that read's rows, and the next read tries again.
        if (m_lastReadFailed || last == m_lastRead.cend())
            throw;
        qWarning("%s Showing the rows read before; trying again at the next read.",
                 qUtf8Printable(error.description()));
        m_lastReadFailed = true;
        return last->rows;
    }
}

std::unique_ptr<RecordSet> JetDatabase::openRecordset(const QString& rowSource) {
    checkOpen();
    TableRows found = rows(rowSource);
    return std::make_unique<SnapshotRecordSet>(rowSource, std::move(found.columns),
                                               std::move(found.rows));
}

// The meet-management program writes the file in place; a program that
// saves by renaming a new file over it changes the folder, and the watch
// moves to the new file.
void JetDatabase::watchChanges(const std::function<void()>& changed) {
    m_watcher.reset();
    if (!changed || !m_open)
        return;
    m_watcher =
        std::make_unique<QFileSystemWatcher>(QStringList{QFileInfo(m_path).absolutePath(), m_path});
    QFileSystemWatcher* watcher = m_watcher.get();
    const auto onChange = [watcher, path = m_path, changed] {
        watcher->removePath(path);
        if (QFileInfo::exists(path))
            watcher->addPath(path);
        changed();
    };
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, watcher, onChange);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher, onChange);
}

} // namespace

std::unique_ptr<Database> openJetDatabase(const QString& path, const QString& purpose) {
    return std::make_unique<JetDatabase>(path, purpose);
}

} // namespace store
