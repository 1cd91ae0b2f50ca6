#include "announcerschema.h"

namespace store::announcer {

QString withLineBreaks(const QString& text, const QString& breakAs) {
    QString written = text;
    written.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    written.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (breakAs != QLatin1String("\n"))
        written.replace(QLatin1Char('\n'), breakAs);
    return written;
}

QStringList sqliteSchema() {
    return {
        QStringLiteral("PRAGMA journal_mode = WAL"),
        QStringLiteral("CREATE TABLE Announcements ("
                       " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " Sequence INTEGER NOT NULL CHECK (Sequence BETWEEN -32768 AND 32767),"
                       " Message TEXT NOT NULL)"),
        QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS"
                       " SELECT Id, Sequence, Message FROM Announcements ORDER BY Sequence, Id"),
        QStringLiteral("CREATE TRIGGER \"Sorted Announcements delete\""
                       " INSTEAD OF DELETE ON \"Sorted Announcements\""
                       " BEGIN DELETE FROM Announcements WHERE Id = OLD.Id; END"),
        // What lets the announcer's Undo put a dismissed message back.
        QStringLiteral("CREATE TRIGGER \"Sorted Announcements insert\""
                       " INSTEAD OF INSERT ON \"Sorted Announcements\""
                       " BEGIN INSERT INTO Announcements (Sequence, Message) VALUES (NEW.Sequence, "
                       "NEW.Message); END"),
    };
}

// The server keeps the names' capitals only when they are quoted. The view
// is simple enough for the server to delete and insert through it (an
// insert takes the table's defaults, so a new Id); the trigger tells a
// listening desk at once.
QStringList postgresSchema() {
    return {
        QStringLiteral(
            "CREATE TABLE \"Announcements\" ("
            " \"Id\" bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
            " \"Sequence\" integer NOT NULL CHECK (\"Sequence\" BETWEEN -32768 AND 32767),"
            " \"Message\" text NOT NULL)"),
        QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS"
                       " SELECT \"Id\", \"Sequence\", \"Message\" FROM \"Announcements\" ORDER BY "
                       "\"Sequence\", \"Id\""),
        QStringLiteral(
            "CREATE FUNCTION \"Announcements changed\"() RETURNS trigger LANGUAGE plpgsql AS"
            " $$ BEGIN PERFORM pg_notify('%1', ''); RETURN NULL; END $$")
            .arg(changeChannel),
        QStringLiteral("CREATE TRIGGER \"Announcements changed\""
                       " AFTER INSERT OR UPDATE OR DELETE ON \"Announcements\""
                       " FOR EACH STATEMENT EXECUTE FUNCTION \"Announcements changed\"()"),
    };
}

} // namespace store::announcer
