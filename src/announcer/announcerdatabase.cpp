#include "announcerdatabase.h"

#include <QFile>

#include <chrono>

#include <sys/stat.h>

namespace {

// How long one operation waits for a lock the meet-management program
// holds (a commit takes milliseconds, but a loaded disk can stretch one),
// and for a server that does not answer (one new connection): past that
// the screen keeps its list, says so and tries again later, rather than
// queue the announcer's next click behind a long wait.
const store::OpenOptions patience{.lockWait = std::chrono::milliseconds(1000),
                                  .serverPatience = std::chrono::milliseconds(0)};

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<FileIdentity> openedIdentity;

// Opens "Sorted Announcements" with selection and calls visit for every
// row, unless there is none; the record set is closed however it ends.
template <class Visit>
void forEachRow(store::Database& database, const store::RowSelection& selection, Visit visit) {
    std::unique_ptr<store::RecordSet> rows = database.openRows(sortedAnnouncements, selection);
    if (rows->recordCount() > 0) {
        for (rows->moveFirst(); !rows->eof(); rows->moveNext())
            visit(*rows);
    }
    rows->close();
}

store::RowSelection messageCutAt(qsizetype characters, const QVariant& key = {}, bool measured = false) {
    return {key, messageField, characters, measured};
}

} // namespace

AnnouncerDatabase::AnnouncerDatabase(QString path, Done<bool> done)
    : m_path(std::move(path)) {
    m_thread.open(m_path, QStringLiteral("announcer database"), patience,
                  [this, done = std::move(done)](const store::Outcome<bool>& outcome) {
                      m_canDeleteRows = outcome.value.value_or(false);
                      if (done)
                          done(outcome);
                  });
}

void AnnouncerDatabase::readList(Done<std::vector<ListedRow>> done) {
    m_thread.call<std::vector<ListedRow>>(
        [](store::Database& database) {
            std::vector<ListedRow> rows;
            bool hasCreated = false;
            // One character more than is listed tells whether more follows,
            // without measuring the whole Message.
            forEachRow(database, messageCutAt(listedCharacters + 1), [&](store::RecordSet& row) {
                if (rows.empty()) {
                    rows.reserve(row.recordCount());
                    hasCreated = row.fields().contains(createdField);
                }
                QVariant start = row.value(messageField);
                const bool more = !start.isNull() && start.toString().size() > listedCharacters;
                if (more)
                    start = start.toString().left(listedCharacters);
                rows.push_back({row.key(), row.value(sequenceField), start, more,
                                hasCreated ? row.value(createdField) : QVariant()});
            });
            return rows;
        },
        std::move(done));
}

void AnnouncerDatabase::readRow(const QVariant& key, Done<std::optional<ChosenRow>> done) {
    m_thread.call<std::optional<ChosenRow>>(
        [key](store::Database& database) {
            std::optional<ChosenRow> chosen;
            forEachRow(database, messageCutAt(shownCharacters, key, true), [&](store::RecordSet& row) {
                chosen = ChosenRow{row.key(), row.value(sequenceField), row.value(messageField),
                                   row.wholeLength(messageField)};
            });
            return chosen;
        },
        std::move(done));
}

void AnnouncerDatabase::deleteRow(const QVariant& key, Done<bool> done) {
    m_thread.call<bool>(
        [key](store::Database& database) {
            bool deleted = false;
            forEachRow(database, messageCutAt(0, key), [&](store::RecordSet& row) {
                row.deleteCurrent();
                deleted = true;
            });
            return deleted;
        },
        std::move(done));
}

void AnnouncerDatabase::restoreRow(const QVariant& sequence, const QString& message, Done<QVariant> done) {
    m_thread.call<QVariant>(
        [values = QVariantMap{{sequenceField, sequence}, {messageField, message}}](store::Database& database) {
            return database.ensureRow(sortedAnnouncements, values);
        },
        std::move(done));
}

void openAnnouncerDatabase(AnnouncerDatabase::Done<bool> opened) {
    openedIdentity = fileIdentity(Announcer_DB_Path);
    Announcer_DB = std::make_unique<AnnouncerDatabase>(Announcer_DB_Path, std::move(opened));
    Announcer_DB_Open = true;
}

void closeAnnouncerDatabase() {
    Announcer_DB.reset();
    openedIdentity.reset();
    Announcer_DB_Open = false;
}

bool announcerDatabaseIsFileAt(const QString& path) {
    if (!Announcer_DB_Open || !Announcer_DB || Announcer_DB->path() != path)
        return false;
    const auto identity = fileIdentity(path);
    return identity && identity == openedIdentity;
}
