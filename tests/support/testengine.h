#pragma once

#include <QString>

#include <functional>

class QSqlDatabase;

// The engine a test run uses. By default tests make SQLite files; run
// through tests/support/pgserver.sh with KELVANE_TEST_ENGINE=postgresql
// they make databases on the private server instead, and the same test
// then checks the same behaviour there.
bool testingPostgres();

// Creates an empty database on the private server and writes a connection
// file for it at path.
void createServerDatabase(const QString& path);

// Runs work on a plain connection of its own to the database at path (a
// SQLite file or a connection file), closed again afterwards.
void withTestConnection(const QString& path, const std::function<void(QSqlDatabase&)>& work);

// Runs a statement on the database at path; throws when it fails.
void execOn(const QString& path, const QString& sql);

// Runs pgserver.sh with one command (stop, start) on the private server.
bool controlServer(const QString& command);
