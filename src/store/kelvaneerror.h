#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace store {

// The store's texts in the person's language (translation context
// "Database").
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

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
    // The database asks for far more work or memory than any sound one.
    TooCostly = 3035,
    // SQL from the database itself that would do more than read.
    ReadOnly = 3027,
    // The database's own rule for a delete or an insert changes other rows.
    OtherRowsTouched = 3200,
    ObjectClosed = 3420,
    PrinterError = 482,
};

// The one exception type of the program: an error number and a description
// for the person in front of the screen.
class KelvaneError : public std::runtime_error {
public:
    KelvaneError(ErrorNumber number, const QString& description);

    [[nodiscard]] int number() const { return m_number; }
    [[nodiscard]] QString description() const { return m_description; }

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

// A purpose as the person reads it. Callers name their purpose in English
// ("announcer database", "club database"), marked with
// QT_TRANSLATE_NOOP("Database", ...).
QString purposeText(const QString& purpose);

// The error for a file that is not the kind of database its purpose names,
// with the reason.
KelvaneError notADatabase(const QString& path, const QString& purpose, const QString& reason);

} // namespace store
