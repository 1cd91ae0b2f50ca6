#pragma once

#include "database.h"

#include <memory>

namespace store {

// Opens a Jet (.mdb) file written by the meet-management program. Without
// the Access ODBC driver (on Linux) the file is only ever read, through
// libmdb: rows cannot be deleted and the file is never written or locked.
std::unique_ptr<Database> openJetDatabase(const QString& path, const QString& purpose);

} // namespace store
