#pragma once

#include "readoutlog.h"

#include "store/announcerschema.h"
#include "store/databasethread.h"
#include "store/failure.h"
#include "store/rowkey.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

#include <sys/types.h>
#include <vector>

namespace desk {

// A row of "Sorted Announcements" as the list needs it.
struct ListedRow {
    store::RowKey key;
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
    store::RowKey key;
    QVariant sequence;
    // The Message, shownCharacters at most; null for a missing Message.
    QVariant message;
    qint64 messageLength = 0;

    bool operator==(const ChosenRow&) const = default;
};

// What a dismissal did to its row. The read-out log holds the whole text
// before the row is touched.
struct DismissedRow {
    enum class Result { Deleted, Hidden, AlreadyGone, NotLogged };
    Result result = Result::Deleted;
    QVariant sequence;
    // The whole text as logged (the text shown when the row was gone).
    QString message;
    // Why the log could not be written (NotLogged).
    QString logFailure;
};

// How much of a Message is read: enough of its start for the first line
// of any real message, and far more text than anyone reads out (a
// text box lays out a long line in about a millisecond per thousand
// characters, so this keeps a choice well under a tenth of a second). A
// longer value (a writer's mistake, or worse) never reaches the screen whole.
inline constexpr qsizetype listedCharacters = 4096;
inline constexpr qsizetype shownCharacters = 65536;

// The announcer database as the desk uses it. It is opened and read on a
// thread of its own (store::DatabaseThread): every operation answers later,
// on this thread, through its done function, and none of them waits.
class AnnouncerDatabase {
public:
    template <class Result> using Done = std::function<void(store::Outcome<Result>)>;

    // Starts opening the database at path; done learns whether its rows
    // can be deleted. Operations asked for meanwhile run once it is open.
    AnnouncerDatabase(QString path, Done<bool> done);

    [[nodiscard]] QString path() const { return m_path; }
    // True while path still names the very file that was opened (not one
    // renamed over it or made anew since).
    [[nodiscard]] bool isFileAt(const QString& path) const;
    // False until the opening has said otherwise, and for a file this
    // computer can only read.
    [[nodiscard]] bool canDeleteRows() const { return m_canDeleteRows; }
    // The opening has succeeded.
    [[nodiscard]] bool isOpened() const { return m_opened; }
    // Operations whose answer has not come back yet.
    [[nodiscard]] int pending() const { return m_thread.pending(); }

    // Every row of "Sorted Announcements", in its order.
    void readList(Done<std::vector<ListedRow>> done);
    // The row with this key; none when it is gone.
    void readRow(const store::RowKey& key, Done<std::optional<ChosenRow>> done);
    // Reads the row's whole text, appends the dismissal to the read-out log
    // (shownText stands in for a row already gone), and only then deletes
    // the row, or leaves it when hideOnly. A delete that fails is logged as
    // "not deleted" and fails. The log names the station that dismissed it.
    void dismissRow(const ChosenRow& shown, const QString& shownText, const QDateTime& time,
                    bool hideOnly, const QString& station, Done<DismissedRow> done);
    // Adds a row with this Sequence and the entry's Message through the
    // row source, unless one is there already (Undo putting a dismissed
    // message back, a message sent from a browser), then appends the
    // entry to the read-out log, naming the row's key when the entry names
    // no row. The database checks that the insert added exactly one row and
    // touched no other. Done learns the row's key; a log that could not be
    // written comes with it.
    struct Added {
        store::RowKey key;
        store::Failure logFailure;
    };
    void addRow(const readoutlog::Entry& entry, const QVariant& sequence, Done<Added> done);
    // Deletes the row with this key, but only while it holds exactly the
    // entry's Message (a row added by the desk, taken back), then appends
    // the entry to the read-out log. Done learns whether it was deleted.
    void takeBackRow(const store::RowKey& key, const readoutlog::Entry& entry, Done<bool> done);
    // Appends an entry to the read-out log; done learns why it could not.
    void log(const readoutlog::Entry& entry, Done<store::Failure> done);
    // The dismissals of a day in the read-out log, newest first.
    void readLog(const QDate& day, Done<std::vector<readoutlog::ReadOut>> done);
    void watchChanges(std::function<void()> changed) { m_thread.watchChanges(std::move(changed)); }

private:
    QString m_path;
    struct FileIdentity {
        dev_t device;
        ino_t inode;
        bool operator==(const FileIdentity&) const = default;
    };
    static std::optional<FileIdentity> identityOf(const QString& path);
    std::optional<FileIdentity> m_identity;
    bool m_canDeleteRows = false;
    bool m_opened = false;
    store::DatabaseThread m_thread;
};

} // namespace desk
