// kelvane-gallery: shows one of the program's windows with sample content,
// so its look can be checked or photographed (scripts/screenshots.sh).
// Usage: kelvane-gallery WINDOW   (the window's object name)
#include "announcerfeed.h"
#include "demomessages.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "clubrecords/records.h"
#include "app/announceintro.h"
#include "app/kelvaneapplication.h"
#include "dialogs/filedialogue.h"
#include "dialogs/fileinfo.h"
#include "dialogs/yesno.h"
#include "swimtime/conversion.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>

namespace {

void showAnnouncerScreen(const QString& folder) {
    Announcer_DB_Path = folder + QStringLiteral("/announcer.mdb");
    feed::initDatabase(Announcer_DB_Path);
    for (int n = 0; n < 6; ++n)
        feed::addAnnouncement(Announcer_DB_Path, n + 11, feed::demoMessage(n));
    Screen_Entry_Mode = 2;
    auto* screen = new AnnouncerScreen;
    QTimer::singleShot(0, screen, [screen] { screen->showModal(); });
}

void showYesNo() {
    auto* window = new YesNo;
    window->setQuestion(QStringLiteral("Announcer DB is ") + QDir::homePath() + QStringLiteral("/announcer.mdb"));
    window->show();
}

void showFileInfo() {
    auto* window = new FileInfo;
    window->setWindowTitle(QStringLiteral("Select Database for Announcer Messages"));
    window->show();
}

void showConversion() {
    auto* window = new Conversion;
    window->setConversion(QStringLiteral("1:05.30"), QStringLiteral("100 yards"), QStringLiteral("1:11.52"),
                          QStringLiteral("100 metres"));
    window->show();
}

} // namespace

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    QTemporaryDir folder;
    const std::map<QString, std::function<void()>> windows = {
        {QStringLiteral("Announce_Intro"), [] { (new AnnounceIntro)->show(); }},
        {QStringLiteral("Announcer_Screen_New"), [&] { showAnnouncerScreen(folder.path()); }},
        {QStringLiteral("YesNo"), showYesNo},
        {QStringLiteral("FileInfo"), showFileInfo},
        {QStringLiteral("FileDialogue"), [] { (new FileDialogue)->show(); }},
        {QStringLiteral("Conversion"), showConversion},
        {QStringLiteral("Records"), [] { (new Records)->show(); }},
    };
    const auto window = windows.find(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (window == windows.end()) {
        std::fputs("usage: kelvane-gallery WINDOW\nwindows:", stderr);
        for (const auto& [name, show] : windows)
            std::fprintf(stderr, " %s", qPrintable(name));
        std::fputs("\n", stderr);
        return 2;
    }
    window->second();
    return app.exec();
}
