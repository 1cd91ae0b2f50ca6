#include "announceintro.h"
#include "commandline.h"
#include "errorreport.h"
#include "kelvaneapplication.h"
#include "programinfo.h"

#include "announcer/announcerscreen.h"
#include "ui/windowregistry.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(argc, argv, "kelvane", kelvaneUsage))
        return *status;
    KelvaneApplication app(argc, argv);
    QString unknown;
    const auto options = parseKelvaneArguments(QCoreApplication::arguments(), unknown);
    if (!options) {
        std::fprintf(stderr, "kelvane: unknown argument %s\n%s", qPrintable(unknown), kelvaneUsage);
        return 2;
    }
    ui::loadedWindow<AnnouncerScreen>().desk().setDisplayOnly(options->displayOnly);
    AnnounceIntro intro;
    intro.show();
    endProgram(app.exec());
}
