#include "postgresdatabase.h"

#include "announcerschema.h"

#include "connectionfile.h"
#include "failure.h"

#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace store {

namespace {

constexpr std::chrono::milliseconds defaultPatience{30000};
constexpr std::chrono::milliseconds defaultLockWait{5000};

constexpr int firstPauseMs = 100;
constexpr int longestPauseMs = 1000;

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-postgresql-%1").arg(++counter);
}

} // namespace

// The connection to the server and what it takes to make it again.
class PostgresSession : public SqlSession {
public:
    PostgresSession(const QString& path, const QString& purpose, std::chrono::milliseconds patience,
                    std::chrono::milliseconds lockWait)
        : SqlSession(nextConnectionName())
        , m_path(path)
        , m_patience(patience)
        , m_lockWait(lockWait) {
        QSqlDatabase db = addServerConnection(name(), path);
        m_server = QStringLiteral("%1:%2").arg(db.hostName()).arg(db.port() > 0 ? db.port() : 5432);
        if (const Failure failure = open()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name());
            throw KelvaneError(
                ErrorNumber::ConnectionFailed,
                Texts::tr("Cannot reach the database server %1 that '%2' names for the %3: %4")
                    .arg(m_server, path, purposeText(purpose), failure.reason()));
        }
    }

    void run(const std::function<void(QSqlDatabase&)>& work) override;
    void watch(std::function<void()> changed);

private:
    [[nodiscard]] QSqlDatabase connection() const { return QSqlDatabase::database(name(), false); }
    Failure open();
    [[nodiscard]] bool alive() const;
    Failure reconnect();
    void subscribe();

    QString m_path;
    QString m_server;
    std::chrono::milliseconds m_patience;
    std::chrono::milliseconds m_lockWait;
    std::function<void()> m_changed;
    QMetaObject::Connection m_notifications;
};

// A failing statement on a connection that still answers is a real error
// and is reported at once. A lost connection (told by the server's error
// code, or by a connection that no longer answers) is gone: it
// is made again at once and the work runs again; while the server stays
// away, this goes on with growing pauses until the patience is spent.
void PostgresSession::run(const std::function<void(QSqlDatabase&)>& work) {
    QElapsedTimer unreachable;
    int pauseMs = firstPauseMs;
    QString reason;
    for (;;) {
        if (name().isEmpty())
            throw closedError();
        QSqlDatabase db = connection();
        if (db.isOpen()) {
            try {
                work(db);
                return;
            } catch (const KelvaneError& error) {
                if (error.number() != int(ErrorNumber::ConnectionFailed) && alive())
                    throw;
                reason = error.description();
            }
        }
        if (!unreachable.isValid()) {
            unreachable.start();
        } else {
            if (unreachable.elapsed() >= m_patience.count())
                throw KelvaneError(
                    ErrorNumber::ConnectionFailed,
                    Texts::tr("The database server %1 that '%2' names is not answering: %3")
                        .arg(m_server, m_path, reason));
            QThread::msleep(static_cast<unsigned long>(pauseMs));
            pauseMs = std::min(2 * pauseMs, longestPauseMs);
        }
        if (const Failure failure = reconnect())
            reason = failure.reason();
    }
}

// Opens the connection; a statement then waits for another session's lock
// no longer than the lock wait (zero would mean for ever). Returns why the
// connection could not be made.
Failure PostgresSession::open() {
    QSqlDatabase db = connection();
    if (!db.open())
        return Failure(db.lastError().text().trimmed());
    QSqlQuery setting(db);
    if (setting.exec(
            QStringLiteral("SET lock_timeout = %1").arg(std::max<qint64>(1, m_lockWait.count()))))
        return {};
    const QString reason = setting.lastError().text().trimmed();
    setting = QSqlQuery();
    db.close();
    return Failure(reason);
}

bool PostgresSession::alive() const {
    QSqlDatabase db = connection();
    if (!db.isOpen())
        return false;
    QSqlQuery probe(db);
    return probe.exec(QStringLiteral("SELECT 1"));
}

Failure PostgresSession::reconnect() {
    QObject::disconnect(m_notifications);
    connection().close();
    Failure failure = open();
    if (!failure) {
        newGeneration();
        subscribe();
    }
    return failure;
}

void PostgresSession::watch(std::function<void()> changed) {
    m_changed = std::move(changed);
    QSqlDatabase db = connection();
    if (!db.isValid() || !db.isOpen())
        return;
    QObject::disconnect(m_notifications);
    if (db.driver()->subscribedToNotifications().contains(announcer::changeChannel))
        db.driver()->unsubscribeFromNotification(announcer::changeChannel);
    subscribe();
}

// Our own deletes notify as well; the screen refreshes after those anyway.
// A subscription that fails leaves the timer to do the refreshing.
void PostgresSession::subscribe() {
    if (!m_changed)
        return;
    QSqlDriver* driver = connection().driver();
    if (!driver->subscribeToNotification(announcer::changeChannel))
        return;
    m_notifications = QObject::connect(
        driver, &QSqlDriver::notification, driver,
        [changed = m_changed](const QString& channel, QSqlDriver::NotificationSource source, const QVariant&) {
            if (channel == announcer::changeChannel && source != QSqlDriver::SelfSource)
                changed();
        });
}

PostgresDatabase::PostgresDatabase(const QString& path, const QString& purpose,
                                   std::optional<std::chrono::milliseconds> patience,
                                   std::optional<std::chrono::milliseconds> lockWait)
    : PostgresDatabase(
          path, std::make_shared<PostgresSession>(path, purpose, patience.value_or(defaultPatience),
                                                  lockWait.value_or(defaultLockWait))) {}

PostgresDatabase::PostgresDatabase(const QString& path, std::shared_ptr<PostgresSession> session)
    : SqlDatabase(path, session)
    , m_postgres(std::move(session)) {}

PostgresDatabase::~PostgresDatabase() = default;

void PostgresDatabase::watchChanges(const std::function<void()>& changed) { m_postgres->watch(changed); }

} // namespace store
