#pragma once

#include "database.h"

#include <QHash>
#include <QString>

#include <memory>

namespace store {

class SqlSession;
struct PreparedQuery;

// The saved queries of one opened database. A saved query lives in the
// database as SQL text with "?" placeholders in the "Saved Queries" table,
// and "Saved Query Parameters" names each placeholder by its position
// (1 = the first "?"). Definitions are read once per opening and each
// statement prepared once per connection: a card run looks the same query
// up a thousand times. Their SQL runs only if it just reads.
class SavedQueries {
public:
    // path names the database in errors.
    SavedQueries(std::shared_ptr<SqlSession> session, QString path);
    ~SavedQueries();
    SavedQueries(const SavedQueries&) = delete;
    SavedQueries& operator=(const SavedQueries&) = delete;

    std::unique_ptr<QueryDef> queryDef(const QString& name);
    // Lets every statement go; they must go before their connection does.
    void clear();

private:
    struct Definition {
        std::shared_ptr<PreparedQuery> prepared;
        QHash<QString, int> positions;
    };
    Definition read(const QString& name);

    std::shared_ptr<SqlSession> m_session;
    QString m_path;
    QHash<QString, Definition> m_definitions;
};

} // namespace store
