#pragma once

#include <QCoreApplication>

// The texts of club records' parts that are no window, in the person's
// language (translation context "ClubRecords").
struct ClubRecordTexts {
    Q_DECLARE_TR_FUNCTIONS(ClubRecords)
};
