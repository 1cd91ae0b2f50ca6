#pragma once

#include <QString>
#include <QVariant>

#include <vector>

namespace store {

// One row of a Jet file's MSysQueries table: a saved query is stored as a
// list of such rows sharing the query's object id, each one clause.
struct JetQueryRow {
    int attribute = 0;
    int flag = 0;
    QString name1;
    QString name2;
    QString expression;
};

// A column of the query's result: its name there and the table column it reads.
struct JetOutputColumn {
    QString name;
    QString source;
};

struct JetOrderKey {
    QString column;
    bool descending = false;
};

// What a plain single-table select asks for. With allColumns the table's
// own columns come first, then the listed ones.
struct JetSelect {
    QString table;
    bool allColumns = false;
    std::vector<JetOutputColumn> columns;
    std::vector<JetOrderKey> order;
};

// Reads a saved query's stored definition. Anything but a select of plain
// columns from one table with an optional ORDER BY is refused with an
// error that names the query and what it does instead.
JetSelect readJetSelect(const QString& queryName, const std::vector<JetQueryRow>& rows);

// Orders values as an ORDER BY does: nulls first, numbers by value, dates
// by time, text without regard to case. Negative, zero or positive.
int compareJetValues(const QVariant& a, const QVariant& b);

} // namespace store
