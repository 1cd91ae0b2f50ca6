#pragma once

#include "database.h"

#include <QHash>

#include <memory>

class QSqlQuery;

namespace store {

// SQLite engine: the embedded default. Every record set is read to the end
// and its query finished before it is handed out, so a reader never holds a
// lock that would stop the meet-management program from writing.
class SqliteDatabase : public Database {
public:
    // Opens an existing SQLite file for reading and writing; never creates one.
    SqliteDatabase(const QString& path, const QString& purpose);
    ~SqliteDatabase() override;

    QString path() const override { return m_path; }
    std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) override;
    std::unique_ptr<QueryDef> queryDef(const QString& name) override;
    void close() override;

private:
    // A saved query as its file defines it, its SQL prepared once, and
    // each parameter's position.
    struct SavedQuery {
        std::shared_ptr<QSqlQuery> prepared;
        QHash<QString, int> positions;
    };
    SavedQuery readSavedQuery(const QString& name);

    QString m_path;
    QString m_connection;
    // Definitions are read once per opening: a lookup per record card
    // would otherwise read them again for every card.
    QHash<QString, SavedQuery> m_savedQueries;
};

// Column and table names may only come from the program itself; this makes
// such a fixed name safe to splice into SQL.
QString quoteIdentifier(const QString& name);

} // namespace store
