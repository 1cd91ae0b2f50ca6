#include "clubrecordsprogram.h"
#include "kelvaneapplication.h"

#include <QTimer>

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    // Inside the event loop, so that an error reaches the general report.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(runClubRecords()); });
    return app.exec();
}
