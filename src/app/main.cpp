#include "announceintro.h"
#include "commandline.h"
#include "errorreport.h"
#include "kelvaneapplication.h"
#include "programinfo.h"

#include "announcer/announcerscreen.h"
#include "desk/desksettings.h"
#include "station/stationstart.h"
#include "ui/windowregistry.h"

#include <cstdio>

namespace {

// Starts the browser station when asked to on the command line (printing
// each link for a script that started the desk) or when it was on last
// time; true when that failed.
bool startStation(station::StationServer& server, const std::optional<QString>& asked) {
    const desk::StationChoice remembered = desk::stationChoice();
    if (!asked && !remembered.on)
        return false;
    if (const store::Failure failure =
            station::startAndRemember(server, asked.value_or(remembered.address))) {
        std::fprintf(stderr, "kelvane: %s\n", qPrintable(failure.reason()));
        return asked.has_value();
    }
    if (asked) {
        for (const station::Role role : server.roles())
            std::printf("%s %s\n", qPrintable(station::roleName(role)),
                        server.link(role).toEncoded().constData());
        std::fflush(stdout);
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(argc, argv, "kelvane", kelvaneUsage))
        return *status;
    KelvaneApplication app(argc, argv);
    QString unknown;
    const auto options = parseKelvaneArguments(QCoreApplication::arguments(), unknown);
    if (!options) {
        const QString message =
            QCoreApplication::translate("Usage", "kelvane: unknown argument %1").arg(unknown);
        std::fprintf(
            stderr, "%s\n%s", message.toUtf8().constData(),
            QCoreApplication::translate(cli::usageContext, kelvaneUsage).toUtf8().constData());
        return 2;
    }
    AnnouncerScreen& screen = ui::loadedWindow<AnnouncerScreen>();
    screen.desk().setDisplayOnly(options->displayOnly);
    if (startStation(screen.station(), options->station))
        return 1;
    AnnounceIntro intro;
    intro.show();
    endProgram(app.exec());
}
