#include "clubrecordsprogram.h"
#include "kelvaneapplication.h"
#include "programinfo.h"

#include <QTimer>

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(
            argc, argv, "kelvane-records",
            QT_TRANSLATE_NOOP("Usage",
                              "usage: kelvane-records\n"
                              "Asks for a club database, then prints the club's record cards.\n")))
        return *status;
    KelvaneApplication app(argc, argv);
    QTimer::singleShot(0, &app, startClubRecords);
    return app.exec();
}
