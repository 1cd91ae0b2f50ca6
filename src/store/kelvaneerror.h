#pragma once

#include <QString>

#include <stdexcept>

namespace store {

// The error numbers the program can report. They follow the numbering the
// suite's users already know from its other programs, so a number read out
// over the phone means the same thing everywhere.
enum class ErrorNumber : int {
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    InvalidUseOfNull = 94,
    CannotFindTableOrQuery = 3078,
    ItemNotFound = 3265,
    NoCurrentRecord = 3021,
    DatabaseLocked = 3260,
    NotADatabase = 3343,
    DiskOrNetworkError = 3043,
    ConnectionFailed = 3151,
    DatabaseOperationFailed = 3146,
    ObjectClosed = 3420,
    PrinterError = 482,
};

// The one exception type of the program: an error number and a description
// for the person in front of the screen.
class KelvaneError : public std::runtime_error {
public:
    KelvaneError(ErrorNumber number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// What a caught exception means to the person in front of the screen: a
// KelvaneError as it is, running out of memory as OutOfMemory, any other as
// a failed operation in its own words.
KelvaneError errorFrom(const std::exception& caught);

// The system's own words for an error number of the C library (errno),
// such as "No space left on device".
QString systemErrorText(int error);

} // namespace store
