#pragma once

#include "toolconnection.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <vector>

// The writer side of the club database: what a club's records program
// creates and fills so that kelvane-records can print its record cards.
namespace clubdb {

using ClubDbError = tools::ToolError;

// One row of "Club Records". A null QVariant leaves a column empty.
struct ClubRecordRow {
    QString sex;
    QString age;
    QString stroke;
    QString distance;
    QVariant recordHolder;
    QVariant recordTime;
    QVariant recordDate;  // a QDate, stored as ISO 8601 text
    QVariant yearBestHolder;
    QVariant yearBestTime;
    QVariant yearBestDate;
};

struct CardKey {
    QString sex;
    QString age;
    QString stroke;
    QString distance;
};

// Creates a club database with the standard setup and no records.
// Refuses to touch an existing file.
void createClubDatabase(const QString& path);

// Adds or replaces records in an existing club database.
void writeRecords(const QString& path, const std::vector<ClubRecordRow>& rows);

// The record-card keys of the standard setup, in card-index order.
std::vector<CardKey> standardCardKeys();

// A realistic set of records for every card of the standard setup: some
// undated, some without a year best, a few with long holder names.
std::vector<ClubRecordRow> demoRecords();

} // namespace clubdb
