#include "announceintro.h"
#include "errorreport.h"
#include "kelvaneapplication.h"
#include "programinfo.h"

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(
            argc, argv, "kelvane",
            "usage: kelvane\n"
            "Opens the intro screen on the announcer database remembered in ~/kelvane.ini.\n"))
        return *status;
    KelvaneApplication app(argc, argv);
    AnnounceIntro intro;
    intro.show();
    endProgram(app.exec());
}
