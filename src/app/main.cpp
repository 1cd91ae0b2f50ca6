#include "announceintro.h"
#include "announcersession.h"
#include "commandline.h"
#include "errorreport.h"
#include "kelvaneapplication.h"
#include "programinfo.h"
#include "serve.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (const auto status =
            cli::answerInfoRequest(argc, argv, "kelvane", {kelvaneUsage, kelvaneServeUsage}))
        return *status;
    // A served desk needs no display: it never makes the window program's
    // application object.
    if (argc > 1 && std::strcmp(argv[1], "serve") == 0)
        return serveDesk(argc, argv);
    KelvaneApplication app(argc, argv);
    QString error;
    const auto options = parseKelvaneArguments(QCoreApplication::arguments(), error);
    if (!options || options->serve)
        return refuseArguments(options ? QStringLiteral("kelvane: serve comes first") : error);
    AnnouncerSession session;
    session.desk().setDisplayOnly(options->displayOnly);
    // The desk opens even when its station cannot; the station window says
    // why as well.
    if (const store::Failure failure = session.startStation(options->station))
        std::fprintf(stderr, "kelvane: %s\n", qPrintable(failure.reason()));
    else if (options->station)
        session.printLinks();
    AnnounceIntro intro(session);
    intro.show();
    endProgram(app.exec());
}
