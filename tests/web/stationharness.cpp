// A desk with its browser station, for the browser tests: it opens the
// announcer database named on the command line, serves it on 127.0.0.1
// at a port the system picks, prints the links, and then takes commands
// on standard input, one a line, answering each with "ok COMMAND":
//   desk-choose N   the desk's window chooses line N (from 0)
//   desk-choose-key K   the desk's window chooses the row with key K
//   desk-dismiss    the desk's window dismisses its message
//   desk-undo       the desk's Ctrl+Z
//   stop, start     stops the station, starts it again on the same port
//   renew           "New links" (the new links are printed whenever they change)
//   links           prints the links again
//   quit
#include "desk/announcerdesk.h"
#include "desk/plannedsheet.h"
#include "station/stationserver.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void printLinks(const station::StationServer& server) {
    for (const station::Role role : server.roles())
        std::printf("%s %s\n", qPrintable(station::roleName(role)),
                    server.link(role).toEncoded().constData());
    std::fflush(stdout);
}

// A command that failed still answers "ok"; the reason goes to the test's log.
void reportFailure(const store::Failure& failure) {
    if (failure)
        std::fprintf(stderr, "%s\n", qPrintable(failure.reason()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: stationharness DATABASE [--display-only]\n");
        return 2;
    }
    // The desk's settings stay with the test's home.
    desk::DeskSettings settings(desk::DeskSettings::defaultPath());
    desk::AnnouncerDesk desk(settings);
    desk.setDisplayOnly(arguments.contains(QStringLiteral("--display-only")));
    desk.open(arguments[1]);
    desk::PlannedSheet planned(desk);
    station::StationServer server(desk, &planned);
    station::Address address{QHostAddress(QHostAddress::LocalHost), 0};
    if (const store::Failure failure = server.start(address)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.reason()));
        return 1;
    }
    address = server.address();
    std::printf("port %u\n", address.port);
    printLinks(server);
    // New links made on an announce page are printed as they come.
    QObject::connect(&server, &station::StationServer::linksChanged, &app,
                     [&server] { printLinks(server); });
    // The desk looks at the file as the announcer screen does.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &desk, &desk::AnnouncerDesk::check);
    look.start(5000);
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
        const QString& command = words.value(0);
        if (command == QLatin1String("desk-choose"))
            desk.windowDisplay().choose(desk.messages()->line(words.value(1).toInt())->key);
        else if (command == QLatin1String("desk-choose-key"))
            for (int row = 0; row < desk.messages()->rowCount(); ++row) {
                if (desk.messages()->line(row)->key.text() == words.value(1))
                    desk.windowDisplay().choose(desk.messages()->line(row)->key);
            }
        else if (command == QLatin1String("desk-dismiss"))
            desk.windowDisplay().dismiss();
        else if (command == QLatin1String("desk-undo"))
            desk.windowDisplay().undo();
        else if (command == QLatin1String("stop"))
            server.stop();
        else if (command == QLatin1String("start"))
            reportFailure(server.start(address));
        else if (command == QLatin1String("renew"))
            reportFailure(server.renewLinks());
        if (command == QLatin1String("links"))
            printLinks(server);
        std::printf("ok %s\n", qPrintable(command));
        std::fflush(stdout);
    });
    return app.exec();
}
