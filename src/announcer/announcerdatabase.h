#pragma once

#include "store/databasethread.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

// A row of "Sorted Announcements" as the list needs it.
struct ListedRow {
    QVariant key;
    QVariant sequence;
    // The start of the Message (listedCharacters at most); null for a
    // missing Message.
    QVariant messageStart;
    // The Message goes on past its start.
    bool more = false;
    // When the writer made the row, from the optional column createdField;
    // null when the row source has none.
    QVariant created;
};

// A row of "Sorted Announcements" as the text box shows it.
struct ChosenRow {
    QVariant key;
    QVariant sequence;
    // The Message, shownCharacters at most; null for a missing Message.
    QVariant message;
    qint64 messageLength = 0;
};

// How much of a Message is read: enough of its start for the first line
// of any real message, and far more text than anyone reads out (a
// text box lays out a long line in about a millisecond per thousand
// characters, so this keeps a choice well under a tenth of a second). A
// longer value (a writer's mistake, or worse) never reaches the screen whole.
inline constexpr qsizetype listedCharacters = 4096;
inline constexpr qsizetype shownCharacters = 65536;

// The announcer database as the screen uses it. It is opened and read on a
// thread of its own (store::DatabaseThread): every operation answers later,
// on this thread, through its done function, and none of them waits.
class AnnouncerDatabase {
public:
    template <class Result>
    using Done = std::function<void(store::Outcome<Result>)>;

    // Starts opening the database at path; done learns whether its rows
    // can be deleted. Operations asked for meanwhile run once it is open.
    AnnouncerDatabase(QString path, Done<bool> done);

    QString path() const { return m_path; }
    // False until the opening has said otherwise, and for a file this
    // computer can only read.
    bool canDeleteRows() const { return m_canDeleteRows; }
    // Operations whose answer has not come back yet.
    int pending() const { return m_thread.pending(); }

    // Every row of "Sorted Announcements", in its order.
    void readList(Done<std::vector<ListedRow>> done);
    // The row with this key; none when it is gone.
    void readRow(const QVariant& key, Done<std::optional<ChosenRow>> done);
    // Deletes the row with this key, and no other; false when it was gone.
    void deleteRow(const QVariant& key, Done<bool> done);
    // Puts a dismissed message back: a row with this Sequence and Message,
    // unless one is there already. Done learns the row's key.
    void restoreRow(const QVariant& sequence, const QString& message, Done<QVariant> done);
    void watchChanges(std::function<void()> changed) { m_thread.watchChanges(std::move(changed)); }

private:
    QString m_path;
    bool m_canDeleteRows = false;
    store::DatabaseThread m_thread;
};

// Program-wide state of the announcer database.
inline QString Announcer_DB_Path;
// 2: the announcer screen was opened by the intro screen after it checked
// Announcer_DB_Path. Any other value makes the screen locate the file itself.
inline qint16 Screen_Entry_Mode = 0;
inline bool Announcer_DB_Open = false;
// A display-only station (kelvane --display-only): the screens show the
// messages as usual but never delete one.
inline bool Display_Only = false;
inline std::unique_ptr<AnnouncerDatabase> Announcer_DB;

// Starts opening Announcer_DB on Announcer_DB_Path and remembers which file
// it is; opened tells how the opening went.
void openAnnouncerDatabase(AnnouncerDatabase::Done<bool> opened = {});
// Closes Announcer_DB if it is open; answers still on their way are dropped.
void closeAnnouncerDatabase();
// True when Announcer_DB is open, was opened from path, and path still
// names that very file (not one renamed over it or recreated since).
bool announcerDatabaseIsFileAt(const QString& path);

// The announcer database's row source and fields.
inline const QString sortedAnnouncements = QStringLiteral("Sorted Announcements");
inline const QString messageField = QStringLiteral("Message");
inline const QString sequenceField = QStringLiteral("Sequence");
// Optional: when the writer made the row (a date and time). Without it the
// arrival time is when the screen first listed the row.
inline const QString createdField = QStringLiteral("Created");
