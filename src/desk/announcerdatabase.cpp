#include "announcerdatabase.h"

#include "messagelines.h"

#include <QFile>

#include <algorithm>
#include <chrono>

#include <sys/stat.h>

namespace desk {

namespace {

using store::announcer::createdField;
using store::announcer::messageField;
using store::announcer::sequenceField;
const QString& sortedAnnouncements = store::announcer::rowSource;

// How long one operation waits for a lock the meet-management program
// holds (a commit takes milliseconds, but a loaded disk can stretch one),
// and for a server that does not answer (one new connection): past that
// the desk keeps its list, says so and tries again later, rather than
// queue the announcer's next click behind a long wait.
const store::OpenOptions patience{.lockWait = std::chrono::milliseconds(1000),
                                  .serverPatience = std::chrono::milliseconds(0)};

// Calls visit for every row of "Sorted Announcements" that selection names.
template <class Visit>
void forEachRow(store::Database& database, const store::RowSelection& selection, Visit visit) {
    store::forEachRow(database.openRows(sortedAnnouncements, selection), visit);
}

// The desk's fields only: a column the writer's row source adds for
// itself costs nothing however costly it is.
store::RowSelection messageCutAt(qsizetype characters, const QVariant& key = {},
                                 bool measured = false) {
    return {key, messageField, characters, measured, {sequenceField, messageField, createdField}};
}

// A message may begin with more empty lines than the list reads: such a
// message is read again, this much further on, for its first line.
constexpr qsizetype lineBreaksReadOn = qsizetype{1} << 20;

bool onlyLineBreaks(const QVariant& start) {
    const QString text = start.toString();
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
}

// The text after the empty lines (CR LF pairs) it begins with.
QString withoutEmptyLines(const QString& text) {
    using store::announcer::lineBreak;
    qsizetype start = 0;
    while (text.mid(start, lineBreak.size()) == lineBreak)
        start += lineBreak.size();
    return text.mid(start);
}

// Reads the row's Message on past the line breaks its listed start holds.
void readOnPastLineBreaks(store::Database& database, ListedRow& listed) {
    QString start;
    forEachRow(database, messageCutAt(listedCharacters + 1 + lineBreaksReadOn, listed.key.value()),
               [&](store::RecordSet& row) {
                   start = withoutEmptyLines(row.value(messageField).toString());
               });
    listed.more = start.size() > listedCharacters;
    listed.messageStart = start.left(listedCharacters);
}

bool deleteByKey(store::Database& database, const store::RowKey& key) {
    bool deleted = false;
    forEachRow(database, messageCutAt(0, key.value()), [&](store::RecordSet& row) {
        row.deleteCurrent();
        deleted = true;
    });
    return deleted;
}

// When, on which database and at which station a dismissal was made.
struct LogContext {
    QDateTime time;
    QString database;
    QString station;
};

readoutlog::Entry logEntry(const LogContext& context, const QString& event, const ChosenRow& row,
                           const QString& message) {
    return {context.time,
            event,
            context.database,
            row.key.text(),
            loggedSequence(row.sequence),
            message,
            context.station};
}

} // namespace

AnnouncerDatabase::AnnouncerDatabase(QString path, Done<bool> done)
    : m_path(std::move(path))
    , m_identity(identityOf(m_path)) {
    m_thread.open(m_path, QStringLiteral(QT_TRANSLATE_NOOP("Database", "announcer database")),
                  patience, [this, done = std::move(done)](const store::Outcome<bool>& outcome) {
                      m_canDeleteRows = outcome.ok() && outcome.value();
                      m_opened = outcome.ok();
                      if (done)
                          done(outcome);
                  });
}

std::optional<AnnouncerDatabase::FileIdentity> AnnouncerDatabase::identityOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

bool AnnouncerDatabase::isFileAt(const QString& path) const {
    if (path != m_path)
        return false;
    const auto identity = identityOf(path);
    return identity && identity == m_identity;
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
                rows.push_back({store::RowKey(row.key()), row.value(sequenceField), start, more,
                                hasCreated ? row.value(createdField) : QVariant()});
            });
            for (ListedRow& listed : rows) {
                if (listed.more && onlyLineBreaks(listed.messageStart))
                    readOnPastLineBreaks(database, listed);
            }
            return rows;
        },
        std::move(done));
}

void AnnouncerDatabase::readRow(const store::RowKey& key, Done<std::optional<ChosenRow>> done) {
    m_thread.call<std::optional<ChosenRow>>(
        [key](store::Database& database) {
            std::optional<ChosenRow> chosen;
            forEachRow(database, messageCutAt(shownCharacters, key.value(), true),
                       [&](store::RecordSet& row) {
                           chosen =
                               ChosenRow{store::RowKey(row.key()), row.value(sequenceField),
                                         row.value(messageField), row.wholeLength(messageField)};
                       });
            return chosen;
        },
        std::move(done));
}

// All of it runs on the database thread, so neither a long text nor the
// log's sync to the disk ever holds the window.
void AnnouncerDatabase::dismissRow(const ChosenRow& shown, const QString& shownText,
                                   const QDateTime& time, bool hideOnly, const QString& station,
                                   Done<DismissedRow> done) {
    m_thread.call<DismissedRow>(
        [shown, shownText, hideOnly,
         context = LogContext{time, m_path, station}](store::Database& database) {
            const std::optional<QString> whole =
                database.wholeText(sortedAnnouncements, shown.key.value(), messageField);
            DismissedRow dismissed{
                DismissedRow::Result::Deleted, shown.sequence, whole.value_or(shownText), {}};
            if (const auto failure = readoutlog::append(
                    logEntry(context, readoutlog::dismissed, shown, dismissed.message))) {
                dismissed.result = DismissedRow::Result::NotLogged;
                dismissed.logFailure = failure.reason();
                return dismissed;
            }
            if (!whole) {
                dismissed.result = DismissedRow::Result::AlreadyGone;
            } else if (hideOnly) {
                dismissed.result = DismissedRow::Result::Hidden;
            } else {
                try {
                    if (!deleteByKey(database, shown.key))
                        dismissed.result = DismissedRow::Result::AlreadyGone;
                } catch (const store::KelvaneError&) {
                    // The delete's own error is what the announcer hears.
                    static_cast<void>(readoutlog::append(
                        logEntry(context, readoutlog::notDeleted, shown, dismissed.message)));
                    throw;
                }
            }
            return dismissed;
        },
        std::move(done));
}

void AnnouncerDatabase::addRow(const readoutlog::Entry& entry, const QVariant& sequence,
                               Done<Added> done) {
    m_thread.call<Added>(
        [entry,
         values = QVariantMap{{sequenceField, sequence},
                              {messageField, entry.message.isNull() ? QVariant() : entry.message}}](
            store::Database& database) {
            const store::RowKey key(database.ensureRow(sortedAnnouncements, values));
            readoutlog::Entry logged = entry;
            if (logged.row.isEmpty())
                logged.row = key.text();
            return Added{key, readoutlog::append(logged)};
        },
        std::move(done));
}

void AnnouncerDatabase::takeBackRow(const store::RowKey& key, const readoutlog::Entry& entry,
                                    Done<bool> done) {
    m_thread.call<bool>(
        [key, entry](store::Database& database) {
            if (database.wholeText(sortedAnnouncements, key.value(), messageField) !=
                    entry.message ||
                !deleteByKey(database, key))
                return false;
            static_cast<void>(readoutlog::append(entry));
            return true;
        },
        std::move(done));
}

void AnnouncerDatabase::readLog(const QDate& day, Done<std::vector<readoutlog::ReadOut>> done) {
    m_thread.call<std::vector<readoutlog::ReadOut>>(
        [day](store::Database&) {
            return readoutlog::readOuts(readoutlog::read(readoutlog::fileOf(day)));
        },
        std::move(done));
}

void AnnouncerDatabase::log(const readoutlog::Entry& entry, Done<store::Failure> done) {
    m_thread.call<store::Failure>([entry](store::Database&) { return readoutlog::append(entry); },
                                  std::move(done));
}

} // namespace desk
