#include "commandline.h"

const char* const kelvaneUsage =
    "usage: kelvane [--display-only]\n"
    "Opens the intro screen on the announcer database remembered in ~/kelvane.ini.\n"
    "  --display-only  show the messages as usual but never delete one: for a second\n"
    "                  announcer or a commentator on the same database\n";

std::optional<KelvaneOptions> parseKelvaneArguments(const QStringList& arguments, QString& unknown) {
    KelvaneOptions options;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--display-only")) {
            options.displayOnly = true;
        } else {
            unknown = argument;
            return std::nullopt;
        }
    }
    return options;
}
