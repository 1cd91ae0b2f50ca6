#include "commandline.h"

const char* const kelvaneUsage =
    "usage: kelvane [--display-only] [--station [ADDRESS][:PORT]]\n"
    "Opens the intro screen on the announcer database remembered in ~/kelvane.ini.\n"
    "  --display-only  show the messages as usual but never delete one: for a second\n"
    "                  announcer or a commentator on the same database\n"
    "  --station       serve the desk to browsers on this network, at this computer's\n"
    "                  first address (or ADDRESS, 0.0.0.0 for all) and port 8088 (or\n"
    "                  PORT); prints each link as a line ROLE URL\n";

std::optional<KelvaneOptions> parseKelvaneArguments(const QStringList& arguments, QString& unknown) {
    KelvaneOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--display-only")) {
            options.displayOnly = true;
        } else if (argument == QLatin1String("--station")) {
            const bool given = i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--"));
            options.station = given ? arguments[++i] : QString();
        } else {
            unknown = argument;
            return std::nullopt;
        }
    }
    return options;
}
