#pragma once

#include "kelvaneerror.h"

class QSqlQuery;

namespace store {

// The error for a statement that failed, worded for the announcer and
// told apart by the engine's error code: CannotFindTableOrQuery for a
// missing table, DatabaseLocked for a lock or a passing conflict,
// ConnectionFailed for a lost server connection.
KelvaneError queryError(const QSqlQuery& query, const QString& what);

// Whether a statement failed because it would have done more than read:
// SQLite's authorizer or the server's read-only transaction refused it.
bool refusedAsWriting(const QSqlQuery& query);

} // namespace store
