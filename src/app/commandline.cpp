#include "commandline.h"

#include "programinfo.h"

#include "station/stationaddress.h"

#include <QCoreApplication>

#include <cstdio>

const char* const kelvaneUsage = QT_TRANSLATE_NOOP(
    "Usage",
    "usage: kelvane [--display-only] [--station [ADDRESS][:PORT]]\n"
    "Opens the intro screen on the announcer database remembered in ~/kelvane.ini.\n"
    "  --display-only  show the messages as usual but never delete one: for a second\n"
    "                  announcer or a commentator on the same database\n"
    "  --station       serve the desk to browsers on this network, at this computer's\n"
    "                  first address (or ADDRESS, 0.0.0.0 for all) and port 8088 (or\n"
    "                  PORT); prints each link as a line ROLE URL\n"
    "\n"
    "Keys on the announcer screen:\n"
    "  Up, Down           move through the list and show that message\n"
    "  Enter, Space       show the message at the list's cursor\n"
    "  Delete             dismiss the message on display (the cursor marks it)\n"
    "  Ctrl+Z             undo the last dismissal; again for the one before\n"
    "  Ctrl+H             read out today: today's dismissals, whole texts\n"
    "  F5                 read the list again now\n"
    "  F9                 the browser station: the desk on tablets and phones\n"
    "  Ctrl+Plus, Ctrl+Minus, Ctrl+0\n"
    "                     larger, smaller, usual text (remembered)\n"
    "  Ctrl+B             a sound on a new message: on or off\n"
    "  Alt+X              exit to the intro screen;  F1  the list of keys\n"
    "In the message box, Delete and Ctrl+Z edit once you have typed or selected there.\n"
    "\n"
    "Every dismissal is written to the read-out log before its row is deleted:\n"
    "  $XDG_DATA_HOME/kelvane/read-out-YYYY-MM-DD.csv (~/.local/share/kelvane/)\n"
    "A Jet (.mdb) file is only read on Linux: a dismissed message is hidden, not\n"
    "deleted, and stays hidden for the day (the read-out log remembers it).\n");

const char* const kelvaneServeUsage = QT_TRANSLATE_NOOP(
    "Usage",
    "\n"
    "usage: kelvane serve [--display-only] [--station [ADDRESS][:PORT]] [DATABASE]\n"
    "Runs the desk and its browser station without a window or a display, on DATABASE\n"
    "(an announcer file or a connection file) or the one remembered in ~/kelvane.ini;\n"
    "prints each link as a line ROLE URL, its notices on standard error, and stops\n"
    "on SIGTERM or SIGINT. The station listens where --station says, or where it\n"
    "listened last.\n");

namespace {

bool isAddress(const QString& text) {
    QString ignored;
    return station::parseAddress(text, ignored).has_value();
}

} // namespace

std::optional<KelvaneOptions> parseKelvaneArguments(const QStringList& arguments, QString& error) {
    KelvaneOptions options;
    qsizetype i = 1;
    options.serve = arguments.value(i) == QLatin1String("serve");
    if (options.serve)
        ++i;
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString next = arguments.value(i + 1);
        if (argument == QLatin1String("--display-only")) {
            options.displayOnly = true;
        } else if (argument == QLatin1String("--station")) {
            // The address may be left out; a served database's path that
            // ends the line is no address.
            const bool given = i + 1 < arguments.size() && !next.startsWith(QLatin1String("--")) &&
                               (!options.serve || i + 2 < arguments.size() || isAddress(next));
            options.station = given ? arguments[++i] : QString();
            if (QString why; !station::parseAddress(*options.station, why)) {
                error = QStringLiteral("kelvane: ") + why;
                return std::nullopt;
            }
        } else if (options.serve && options.database.isEmpty() && !argument.isEmpty() &&
                   !argument.startsWith(QLatin1String("--"))) {
            options.database = argument;
        } else {
            error =
                QCoreApplication::translate("Usage", "kelvane: unknown argument %1").arg(argument);
            return std::nullopt;
        }
    }
    return options;
}

int refuseArguments(const QString& error) {
    std::fprintf(stderr, "%s\n%s%s", error.toUtf8().constData(),
                 QCoreApplication::translate(cli::usageContext, kelvaneUsage).toUtf8().constData(),
                 QCoreApplication::translate(cli::usageContext, kelvaneServeUsage).toUtf8().constData());
    return 2;
}
