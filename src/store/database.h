#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace store {

// The rows of one row source (a table, a view or a saved query), read when
// it is opened. Nothing stays locked in the file while it is held.
class RecordSet {
public:
    virtual ~RecordSet() = default;

    // Number of rows; read straight after opening.
    virtual int recordCount() const = 0;
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    virtual bool eof() const = 0;
    // A field of the current row by name; a null QVariant for a null value.
    virtual QVariant value(const QString& field) const = 0;
    // Removes the current row from the file, and only that row.
    virtual void deleteCurrent() = 0;
    virtual void close() = 0;
};

// A saved parameter query: parameters are set by name and always bound.
class QueryDef {
public:
    virtual ~QueryDef() = default;
    virtual void setParameter(const QString& name, const QString& value) = 0;
    virtual std::unique_ptr<RecordSet> openRecordset() = 0;
};

class Database {
public:
    virtual ~Database() = default;
    virtual QString path() const = 0;
    virtual std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) = 0;
    virtual std::unique_ptr<QueryDef> queryDef(const QString& name) = 0;
    virtual void close() = 0;
    // False when this computer can only read the file: its rows cannot be
    // deleted, and the caller must not ask to.
    virtual bool canDeleteRows() const { return true; }
    // From now on calls changed, from this thread's event loop, soon after
    // the rows may have changed; an empty function stops the calls. An
    // engine that cannot tell never calls it, and a call may come when
    // nothing changed. Watching stops when the database is closed.
    virtual void watchChanges(const std::function<void()>& /*changed*/) {}
};

// Opens the database file at path, shared with other programs that write it
// and not read-only. The engine is chosen from the file's content. The
// purpose ("announcer database", "club database") names what the caller
// expected when the file turns out to be something else.
std::unique_ptr<Database> openDatabase(const QString& path, const QString& purpose);

} // namespace store
