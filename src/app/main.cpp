#include "kelvaneapplication.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"

#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    Announcer_DB_Path = QDir::homePath() + QStringLiteral("/announcer.mdb");
    Screen_Entry_Mode = 2;
    AnnouncerScreen screen;
    QTimer::singleShot(0, &app, [&] {
        screen.showModal();
        app.quit();
    });
    return app.exec();
}
