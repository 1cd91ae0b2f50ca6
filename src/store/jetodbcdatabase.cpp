// Windows builds: Jet (.mdb) files through Qt's ODBC driver and the
// Microsoft Access ODBC driver, with full reading and deleting.
#include "jetdatabase.h"

#include "kelvaneerror.h"
#include "snapshotrecordset.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace store {

namespace {

// Jet names cannot hold a closing bracket, so brackets quote any of them.
QString bracketed(const QString& name) { return QLatin1Char('[') + name + QLatin1Char(']'); }

KelvaneError odbcError(const QSqlError& error, const QString& what) {
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        Texts::tr("Database operation on '%1' failed: %2").arg(what, error.text()));
}

class JetOdbcDatabase : public Database {
public:
    JetOdbcDatabase(const QString& path, const QString& purpose)
        : m_path(path) {
        static std::atomic<int> counter{0};
        m_connection = QStringLiteral("kelvane-jet-%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connection);
        db.setDatabaseName(QStringLiteral("DRIVER={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=%1;")
                               .arg(QDir::toNativeSeparators(path)));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            close();
            throw notADatabase(
                path, purpose,
                Texts::tr("the Microsoft Access ODBC driver could not open it (%1)").arg(reason));
        }
    }
    ~JetOdbcDatabase() override { close(); }
    JetOdbcDatabase(const JetOdbcDatabase&) = delete;
    JetOdbcDatabase& operator=(const JetOdbcDatabase&) = delete;

    QString path() const override { return m_path; }

    std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) override {
        QSqlQuery query(connection());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(bracketed(rowSource))))
            throw odbcError(query.lastError(), rowSource);
        QStringList columns;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            columns.append(record.fieldName(i));
        std::vector<QVariantList> rows;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < record.count(); ++i)
                row.append(query.value(i));
            rows.push_back(std::move(row));
        }
        query.finish();
        return std::make_unique<SnapshotRecordSet>(
            rowSource, columns, std::move(rows),
            [this, rowSource](const QStringList& names, const QVariantList& row) { deleteRow(rowSource, names, row); });
    }

    std::unique_ptr<QueryDef> queryDef(const QString& name) override {
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("The saved query '%1' cannot be run from a Jet file.").arg(name));
    }

    void close() override {
        if (m_connection.isEmpty())
            return;
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }

private:
    QSqlDatabase connection() const {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (!db.isValid() || !db.isOpen())
            throw KelvaneError(ErrorNumber::ObjectClosed, Texts::tr("The database is closed."));
        return db;
    }

    // The meet-management program's tables carry no key the row source
    // shows, so a row is found by all of its values. Rows equal in every
    // value cannot be told apart; the screen dismisses them together anyway.
    void deleteRow(const QString& rowSource, const QStringList& columns, const QVariantList& row) {
        QStringList conditions;
        QVariantList values;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (row[i].isNull()) {
                conditions.append(bracketed(columns[i]) + QStringLiteral(" IS NULL"));
            } else {
                conditions.append(bracketed(columns[i]) + QStringLiteral(" = ?"));
                values.append(row[i]);
            }
        }
        QSqlQuery query(connection());
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2")
                          .arg(bracketed(rowSource), conditions.join(QStringLiteral(" AND "))));
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            throw odbcError(query.lastError(), rowSource);
        query.finish();
    }

    QString m_path;
    QString m_connection;
};

} // namespace

std::unique_ptr<Database> openJetDatabase(const QString& path, const QString& purpose) {
    return std::make_unique<JetOdbcDatabase>(path, purpose);
}

} // namespace store
