#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace store {

// The rows of one row source (a table, a view or a saved query), read when
// it is opened. Nothing stays locked in the file while it is held.
class RecordSet {
public:
    virtual ~RecordSet() = default;

    // Number of rows; read straight after opening.
    [[nodiscard]] virtual int recordCount() const = 0;
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    [[nodiscard]] virtual bool eof() const = 0;
    // A field of the current row by name; a null QVariant for a null value.
    [[nodiscard]] virtual QVariant value(const QString& field) const = 0;
    // The names of the fields, in the row source's order.
    [[nodiscard]] virtual QStringList fields() const = 0;
    // What tells the current row apart from every other row of the row
    // source for as long as it exists: its key column where the engine
    // has one, otherwise all its values together.
    [[nodiscard]] virtual QVariant key() const = 0;
    // The length in characters of a text field of the current row before a
    // RowSelection that asked for it cut it short; the value's own length
    // otherwise.
    [[nodiscard]] virtual qint64 wholeLength(const QString& field) const;
    // Removes the current row from the file, and only that row.
    virtual void deleteCurrent() = 0;
    virtual void close() = 0;
};

// A saved parameter query: parameters are set by name and always bound.
// The database's own SQL runs only if it just reads; a query that would
// change anything, or reach another file, fails with ReadOnly.
class QueryDef {
public:
    virtual ~QueryDef() = default;
    virtual void setParameter(const QString& name, const QString& value) = 0;
    virtual std::unique_ptr<RecordSet> openRecordset() = 0;
    // The rows for each list of values in turn, a list holding a value for
    // each of names in that order (parameters not named keep the values
    // set). All are read in one read-only transaction, so the file is
    // locked against its writers once rather than once a list; each list's
    // run may work as long as one openRecordset, and the rows of all of
    // them together are bounded as one read's are.
    virtual std::vector<std::unique_ptr<RecordSet>>
    openEach(const QStringList& names, const std::vector<QStringList>& valueLists) = 0;
};

// Which rows of a row source to read, and how much of one text field:
// a message of a hundred megabytes must not be read whole just to show its
// first line.
struct RowSelection {
    // Only the row with this key (RecordSet::key()); every row when null.
    QVariant key{};
    // A text field read only up to limit characters.
    QString limitedField{};
    qsizetype limit = 0;
    // Whether RecordSet::wholeLength must tell the limited field's whole
    // length, which can cost as much as reading it whole.
    bool measureWhole = false;
    // Only these fields (and the key), where the row source has them;
    // every field when empty. Engines that select while reading then do
    // not work out the others, however costly they are.
    QStringList fields{};
};

class Database {
public:
    virtual ~Database() = default;
    [[nodiscard]] virtual QString path() const = 0;
    virtual std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) = 0;
    // The rows of a row source that selection names, in its order. Engines
    // that cannot select while reading read every row and pass over the rest.
    virtual std::unique_ptr<RecordSet> openRows(const QString& rowSource,
                                                const RowSelection& selection);
    virtual std::unique_ptr<QueryDef> queryDef(const QString& name) = 0;
    // The whole text of field in the row with this key (RecordSet::key()),
    // however long, with every character it holds; none when the row is
    // gone, and a null string for a null value.
    virtual std::optional<QString> wholeText(const QString& rowSource, const QVariant& key,
                                             const QString& field);
    virtual void close() = 0;
    // False when this computer can only read the file: its rows cannot be
    // deleted, and the caller must not ask to.
    [[nodiscard]] virtual bool canDeleteRows() const { return true; }
    // Makes sure the row source holds a row with exactly these values
    // (field name to value), adding one through the row source when none
    // does, and returns that row's key. Running it twice adds one row at
    // most, so it may run again after a lost connection. Throws when the
    // database does not let rows be added that way.
    virtual QVariant ensureRow(const QString& rowSource, const QVariantMap& values);
    // From now on calls changed, from this thread's event loop, soon after
    // the rows may have changed; an empty function stops the calls. An
    // engine that cannot tell never calls it, and a call may come when
    // nothing changed. Watching stops when the database is closed.
    virtual void watchChanges(const std::function<void()>& /*changed*/) {}
};

// Calls visit with rows at each of its rows in turn, then closes it, also
// when visit throws.
template <class Visit> void forEachRow(std::unique_ptr<RecordSet> rows, Visit visit) {
    struct Closer {
        RecordSet& rows;
        ~Closer() { rows.close(); }
    } closer{*rows};
    if (rows->recordCount() > 0) {
        for (rows->moveFirst(); !rows->eof(); rows->moveNext())
            visit(*rows);
    }
}

struct OpenOptions {
    // How long one operation waits for a lock another program holds before
    // it fails with DatabaseLocked (5 s when unset).
    std::optional<std::chrono::milliseconds> lockWait{};
    // How long one operation keeps trying to reach a server that does not
    // answer before it fails with ConnectionFailed (30 s when unset; zero
    // makes one new connection and no more).
    std::optional<std::chrono::milliseconds> serverPatience{};
    // How long the statements of one operation on a SQLite file may work
    // (waiting for a lock aside) before they are stopped with TooCostly
    // (3 s when unset).
    std::optional<std::chrono::milliseconds> workLimit{};
    // For a caller that only reads: a SQLite file is opened so that
    // nothing can change it, and its rows cannot be deleted.
    bool readOnly = false;
};

// Opens the database file at path, shared with other programs that write it
// and not read-only unless options say so. The engine is chosen from the
// file's content. The purpose ("announcer database", "club database")
// names what the caller expected when the file turns out to be something
// else.
std::unique_ptr<Database> openDatabase(const QString& path, const QString& purpose,
                                       const OpenOptions& options = {});

} // namespace store
