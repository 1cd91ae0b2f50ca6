#pragma once

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Waits until the screen has shown the answer to everything it asked of
// its database (which works on a thread of its own).
inline void waitUntilSettled(AnnouncerScreen& screen) {
    while (!screen.isSettled())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// Milliseconds from a Refresh_Form call until its list is on the screen.
inline double refreshMs(AnnouncerScreen& screen) {
    waitUntilSettled(screen);
    QElapsedTimer clock;
    clock.start();
    screen.Refresh_Form();
    waitUntilSettled(screen);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Opens the announcer screen on the database at path as Enter does, runs
// measure once it is up, then closes it with its Exit button.
inline void runOnScreen(const QString& path, const std::function<void(AnnouncerScreen&)>& measure) {
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    QTimer::singleShot(0, &screen, [&] {
        measure(screen);
        screen.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    screen.showModal(path);
}
