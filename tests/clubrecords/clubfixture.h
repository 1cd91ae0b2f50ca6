#pragma once

#include "clubdatabase.h"

#include <QTemporaryDir>

// A temporary club database with the standard setup, opened as Club_DB
// with its setup loaded. Its records table takes any rows, duplicates and
// undated ones included, as a damaged or hand-edited file might hold.
class ClubFixture {
public:
    ClubFixture();
    ~ClubFixture();

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString dir() const { return m_dir.path(); }

    void addRecord(const clubdb::ClubRecordRow& row) const;
    // Runs SQL on the file directly, for setups the writer never makes.
    void exec(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// A record row for one key with a holder, a time and a record date (null
// when date is not valid), and no year best.
clubdb::ClubRecordRow recordRow(const QString& sex, const QString& age, const QString& stroke,
                                const QString& distance, const QString& holder, const QString& time,
                                const QDate& date);
