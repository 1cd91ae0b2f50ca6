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
        const QString message =
            QCoreApplication::translate("Usage", "kelvane: unknown argument %1").arg(unknown);
        std::fprintf(
            stderr, "%s\n%s", message.toUtf8().constData(),
            QCoreApplication::translate(cli::usageContext, kelvaneUsage).toUtf8().constData());
        return 2;
    }
    ui::loadedWindow<AnnouncerScreen>().desk().setDisplayOnly(options->displayOnly);
    AnnounceIntro intro;
    intro.show();
    endProgram(app.exec());
}
