#include "serve.h"

#include "announcersession.h"
#include "commandline.h"
#include "errorreport.h"
#include "settingsfile.h"

#include "desk/fileprobe.h"
#include "i18n/translations.h"
#include "store/connectionfile.h"
#include "store/kelvaneerror.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <exception>

#include <unistd.h>

namespace {

// What the station and the desk have to say goes to standard error, one
// line each, for journald to keep.
void note(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "kelvane: %s\n", text.toUtf8().constData());
    std::fflush(stderr);
}

// A signal only writes a byte; the event loop reads it and stops the desk.
int signalPipe[2] = {-1, -1};

extern "C" void onStopSignal(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

bool catchStopSignals() {
    if (::pipe(signalPipe) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

// The application object of a served desk: an error that escapes its
// event handler ends the run with a line on standard error (a service
// manager starts it again) instead of unwinding through Qt.
class ServeApplication : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QCoreApplication::notify(receiver, event);
        } catch (const std::exception& caught) {
            const store::KelvaneError error = store::errorFrom(caught);
            note(errorReportText(error.number(), error.description()));
            endProgram(1);
        }
    }
};

// Tells standard error what the desk goes through, and stops it on a
// signal.
class ServedDesk : public QObject {
    Q_DECLARE_TR_FUNCTIONS(Serve)

public:
    explicit ServedDesk(AnnouncerSession& session)
        : m_session(session) {
        desk::AnnouncerDesk& desk = session.desk();
        connect(&desk, &desk::AnnouncerDesk::conditionChanged, this, &ServedDesk::noteTrouble);
        connect(&desk, &desk::AnnouncerDesk::listChanged, this, &ServedDesk::noteListing);
        connect(&desk, &desk::AnnouncerDesk::notice, this, [](const QString& text) { note(text); });
        connect(&session.station(), &station::StationServer::refused, this,
                &ServedDesk::noteRefusal);
    }

    // Stops the station (every page is told), lets what the database
    // thread has in hand finish (a dismissal is logged, then deleted), and
    // quits within two seconds.
    void stop() {
        if (m_stopping)
            return;
        m_stopping = true;
        m_session.station().stop();
        const QDeadlineTimer deadline(stopWithinMs);
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, deadline] {
            const bool done =
                m_session.desk().isSettled() && m_session.station().openConnections() == 0;
            if (!done && !deadline.hasExpired())
                return;
            m_session.desk().close();
            note(tr("stopped"));
            QCoreApplication::quit();
        });
        poll->start(pollMs);
    }

private:
    static constexpr int stopWithinMs = 1500;
    static constexpr int pollMs = 20;
    static constexpr int refusalsNotedPerMinute = 1;

    void noteTrouble() {
        const QString trouble =
            desk::conditionNotes(m_session.desk().condition()).join(QStringLiteral("; "));
        if (trouble == m_trouble)
            return;
        m_trouble = trouble;
        if (!trouble.isEmpty())
            note(trouble);
    }

    void noteListing() {
        desk::AnnouncerDesk& desk = m_session.desk();
        if (desk.hasListing() == m_listing)
            return;
        m_listing = desk.hasListing();
        if (m_listing)
            note(tr("serving %1: %n messages listed", nullptr, desk.messages()->rowCount())
                     .arg(desk.path()));
    }

    // One line a minute for each address at most: a device that keeps
    // knocking must not fill the journal.
    void noteRefusal(const QHostAddress& from, station::StationServer::Refusal why) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        if (m_refusals.size() > maxRememberedAddresses)
            m_refusals.clear();
        const QDateTime last = m_refusals.value(from);
        if (last.isValid() && last.secsTo(now) < 60)
            return;
        m_refusals.insert(from, now);
        note(why == station::StationServer::Refusal::WrongLink
                 ? tr("refused %1: its link is not valid (any more)").arg(from.toString())
                 : tr("refused %1: too many connections").arg(from.toString()));
    }

    static constexpr qsizetype maxRememberedAddresses = 1000;
    AnnouncerSession& m_session;
    QString m_trouble;
    bool m_listing = false;
    bool m_stopping = false;
    QHash<QHostAddress, QDateTime> m_refusals;
};

// The database named, or the one the intro screen would offer.
QString databasePath(const QString& named) {
    if (!named.isEmpty())
        return named;
    const QString remembered =
        desk::File_Exists(settingsFilePath()) ? readSettingsField(settingsFilePath()) : QString();
    return remembered.isEmpty() ? defaultDatabasePath() : remembered;
}

} // namespace

int serveDesk(int argc, char** argv) {
    ServeApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvane"));
    i18n::installTranslations();
    QString error;
    const std::optional<KelvaneOptions> options =
        parseKelvaneArguments(QCoreApplication::arguments(), error);
    if (!options)
        return refuseArguments(error);
    if (!catchStopSignals()) {
        note(QStringLiteral("cannot catch SIGTERM: %1")
                 .arg(QString::fromLocal8Bit(strerror(errno))));
        return 1;
    }
    AnnouncerSession session;
    desk::AnnouncerDesk& desk = session.desk();
    desk.setDisplayOnly(options->displayOnly);
    desk.setKeepsTrying(true);
    session.station().setWindowless(true);
    desk.setLooking(true);
    if (const store::Failure failure = session.startStation(options->station, true)) {
        note(failure.reason());
        return 1;
    }
    session.printLinks();
    ServedDesk served(session);
    QSocketNotifier stopSignal(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopSignal, &QSocketNotifier::activated, &served, [&] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], &byte, 1);
        served.stop();
    });
    const QString path = databasePath(options->database);
    if (const QString mode = store::unencryptedSslMode(path); !mode.isEmpty())
        note(ServedDesk::tr("the connection to the database server is not encrypted (sslmode=%1)")
                 .arg(mode));
    desk.open(path);
    endProgram(QCoreApplication::exec());
}
