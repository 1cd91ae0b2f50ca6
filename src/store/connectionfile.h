#pragma once

#include <QByteArray>
#include <QString>

class QSqlDatabase;

namespace store {

// Where a database server is, as a connection file names it. The file's
// first line is a connection URI,
//   postgresql://user@host:port/dbname?sslmode=verify-full
// (or postgres://...); blanks around it are ignored, and every later line
// is free for notes. A file from elsewhere must not be able to send the
// password to another server: the file must belong to the user (or root)
// and no one else may change it, and besides the server's address (host,
// port, user, dbname, password; each named once) it may only set sslmode,
// connect_timeout, tcp_user_timeout, application_name and the certificate
// files sslrootcert, sslcert and sslkey (with sslpassword), each a file
// only the user or root may change. Passwords belong in ~/.pgpass; one in
// the URI (or sslpassword) is accepted only when no one but the file's
// owner can read the file. Unless the file says otherwise the connection
// is encrypted (verify-full with ~/.postgresql/root.crt, require without)
// and the announcer's tables are looked up in "public" alone.
struct ServerConnection {
    QString host;
    int port = -1;
    QString user;
    QString password;
    QString database;
    // Further libpq settings ("sslmode='require' connect_timeout='5'").
    QString options;
};

// True when a file that begins with head is a connection file.
bool isConnectionFile(const QByteArray& head);
// True when the file at path can be read and is a connection file.
bool isConnectionFileAt(const QString& path);

// The sslmode ("disable", "allow" or "prefer") by which the connection file
// at path lets its connection to a server across the network go in plain
// text; empty when the connection is encrypted, or path is no usable
// connection file.
QString unencryptedSslMode(const QString& path);

// Reads and checks the connection file at path; throws ConnectionFailed
// with the reason when it cannot be used.
ServerConnection readConnectionFile(const QString& path);

// Adds a QtSql connection called connectionName, not yet open, to the
// server that the connection file at path names. Throws as
// readConnectionFile does, leaving no connection behind.
QSqlDatabase addServerConnection(const QString& connectionName, const QString& path);

} // namespace store
