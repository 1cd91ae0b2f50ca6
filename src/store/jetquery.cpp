#include "jetquery.h"

#include "kelvaneerror.h"

#include <QDateTime>

#include <optional>

namespace store {

namespace {

// The clause kinds of a stored query definition.
enum Attribute {
    Start = 0,
    Type = 1,
    Parameter = 2,
    Flags = 3,
    RemoteDatabase = 4,
    Table = 5,
    Column = 6,
    Join = 7,
    Where = 8,
    GroupBy = 9,
    Having = 10,
    OrderBy = 11,
    End = 255,
};

constexpr int selectQuery = 1;
constexpr int selectStarFlag = 0x01;
constexpr int ownerAccessFlag = 0x04;

KelvaneError refused(const QString& queryName, const QString& reason) {
    return KelvaneError(
        ErrorNumber::DatabaseOperationFailed,
        Texts::tr("The saved query '%1' cannot be read: kelvane reads only a select "
                  "of columns from one table with an optional ORDER BY, and this "
                  "query %2.")
            .arg(queryName, reason));
}

QString clauseReason(int attribute) {
    switch (attribute) {
    case Parameter:
        return Texts::tr("asks for parameters");
    case RemoteDatabase:
        return Texts::tr("reads another database");
    case Join:
        return Texts::tr("joins tables");
    case Where:
        return Texts::tr("has a WHERE condition");
    case GroupBy:
    case Having:
        return Texts::tr("groups rows");
    default:
        return Texts::tr("holds a clause of kind %1").arg(attribute);
    }
}

// One name of a dotted reference: [any name] or a bare word.
std::optional<QString> takeName(const QString& text, qsizetype& at) {
    if (at < text.size() && text[at] == QLatin1Char('[')) {
        const qsizetype close = text.indexOf(QLatin1Char(']'), at + 1);
        if (close < 0 || close == at + 1)
            return std::nullopt;
        QString name = text.mid(at + 1, close - at - 1);
        at = close + 1;
        return name;
    }
    const qsizetype start = at;
    while (at < text.size() && (text[at].isLetterOrNumber() || text[at] == QLatin1Char('_')))
        ++at;
    if (at == start)
        return std::nullopt;
    return text.mid(start, at - start);
}

// A column reference as the query stores it: Column, Table.Column,
// [Table].[Column] or Table.*; the qualifier must be the query's table.
// The result is the column name, "*" for all, or nothing when the
// expression is anything else (a calculation, a constant, a function).
std::optional<QString> columnReference(const QString& expression, const QString& table, const QString& alias) {
    const QString text = expression.trimmed();
    QStringList names;
    qsizetype at = 0;
    while (true) {
        if (text.mid(at) == QLatin1String("*") && !names.isEmpty()) {
            names.append(QStringLiteral("*"));
            break;
        }
        const std::optional<QString> name = takeName(text, at);
        if (!name)
            return std::nullopt;
        names.append(*name);
        if (at == text.size())
            break;
        if (text[at] != QLatin1Char('.'))
            return std::nullopt;
        ++at;
    }
    if (names.size() == 1)
        return names.front();
    if (names.size() != 2)
        return std::nullopt;
    const QString& qualifier = names.front();
    const bool ownTable = qualifier.compare(table, Qt::CaseInsensitive) == 0 ||
                          (!alias.isEmpty() && qualifier.compare(alias, Qt::CaseInsensitive) == 0);
    if (!ownTable)
        return std::nullopt;
    return names.back();
}

void readTable(const QString& queryName, const std::vector<JetQueryRow>& rows, JetSelect& select, QString& alias) {
    int tables = 0;
    for (const JetQueryRow& row : rows) {
        if (row.attribute != Table)
            continue;
        ++tables;
        if (!row.expression.isEmpty() || row.name1.isEmpty())
            throw refused(queryName, Texts::tr("reads from a subquery"));
        select.table = row.name1;
        alias = row.name2;
    }
    if (tables != 1)
        throw refused(queryName, tables == 0 ? Texts::tr("reads no table")
                                             : Texts::tr("reads from %1 tables").arg(tables));
}

QString plainColumn(const QString& queryName, const JetQueryRow& row, const JetSelect& select, const QString& alias) {
    const std::optional<QString> column = columnReference(row.expression, select.table, alias);
    if (!column)
        throw refused(queryName, QStringLiteral("computes '%1'").arg(row.expression));
    return *column;
}

} // namespace

JetSelect readJetSelect(const QString& queryName, const std::vector<JetQueryRow>& rows) {
    JetSelect select;
    QString alias;
    bool typed = false;
    for (const JetQueryRow& row : rows) {
        if (row.attribute == Type) {
            if (row.flag != selectQuery)
                throw refused(queryName,
                              Texts::tr("is not a select query (kind %1)").arg(row.flag));
            typed = true;
        } else if (row.attribute == Flags) {
            if ((row.flag & ~(selectStarFlag | ownerAccessFlag)) != 0)
                throw refused(queryName, Texts::tr("uses DISTINCT or TOP"));
            select.allColumns = (row.flag & selectStarFlag) != 0;
        } else if (row.attribute != Start && row.attribute != End && row.attribute != Table &&
                   row.attribute != Column && row.attribute != OrderBy) {
            throw refused(queryName, clauseReason(row.attribute));
        }
    }
    if (!typed)
        throw refused(queryName, Texts::tr("has no query kind"));
    readTable(queryName, rows, select, alias);
    for (const JetQueryRow& row : rows) {
        if (row.attribute == Column) {
            const QString column = plainColumn(queryName, row, select, alias);
            if (column == QLatin1String("*"))
                select.allColumns = true;
            else
                select.columns.push_back({row.name1.isEmpty() ? column : row.name1, column});
        } else if (row.attribute == OrderBy) {
            const QString column = plainColumn(queryName, row, select, alias);
            if (column == QLatin1String("*"))
                throw refused(queryName, Texts::tr("orders by '*'"));
            select.order.push_back({column, row.name1.compare(QLatin1String("D"), Qt::CaseInsensitive) == 0});
        }
    }
    if (!select.allColumns && select.columns.empty())
        throw refused(queryName, Texts::tr("selects no columns"));
    return select;
}

namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

template <class T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int compareJetValues(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return threeWay(!a.isNull(), !b.isNull());
    if (isNumber(a) && isNumber(b)) {
        if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double ||
            a.typeId() == QMetaType::Float || b.typeId() == QMetaType::Float)
            return threeWay(a.toDouble(), b.toDouble());
        return threeWay(a.toLongLong(), b.toLongLong());
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime)
        return threeWay(a.toDateTime(), b.toDateTime());
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}

} // namespace store
