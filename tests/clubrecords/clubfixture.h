#pragma once

#include "clubdatabase.h"

#include "clubrecords/recordbook.h"

#include <QTemporaryDir>

// A temporary club database with the standard setup. Its records table
// takes any rows, duplicates and undated ones included, as a damaged or
// hand-edited file might hold.
class ClubFixture {
public:
    ClubFixture();

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString dir() const { return m_dir.path(); }

    // The setup the file holds.
    [[nodiscard]] ClubSetup setup() const;
    // A record book on the file, opened as the program opens it.
    [[nodiscard]] RecordBook book() const;
    // A record book on the file with another setup, for cards the file
    // does not list.
    [[nodiscard]] RecordBook book(ClubSetup setup) const;

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
