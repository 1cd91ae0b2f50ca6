#include "errorreport.h"

#include "store/databasethread.h"
#include "ui/messagebox.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

constexpr int failureStatus = 1;

std::function<void(int)>& programEnding() {
    static std::function<void(int)> ending = [](int status) { endProgram(status); };
    return ending;
}

std::function<void()>& databaseClosing() {
    static std::function<void()> closing;
    return closing;
}

} // namespace

QString errorReportText(int number, const QString& description) {
    return QCoreApplication::translate("ErrorReport", "Error %1").arg(number) +
           QStringLiteral("\n\n") + description;
}

void reportErrorAndEnd(int number, const QString& description) {
    // The report waits for the person, and timers go on firing meanwhile:
    // let go of the announcer database first, so no tick reaches a database that has
    // just failed and stacks a second report on the first, and a writer
    // waiting for our locks can go on.
    if (databaseClosing())
        databaseClosing()();
    // An error raised while the report is open is part of the same failure;
    // the program ends once the person has read the first.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    ui::showMessage(errorReportText(number, description));
    reporting = false;
    programEnding()(failureStatus);
}

void postErrorReport(int number, const QString& description) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [number, description] { reportErrorAndEnd(number, description); }, Qt::QueuedConnection);
}

void endProgram(int status) {
    // A database thread still waiting on the network would meet the
    // program's teardown mid-call; nothing is left to save by then.
    if (store::DatabaseThread::stillRunning() > 0)
        std::_Exit(status);
    std::exit(status);
}

void setProgramEnding(std::function<void(int status)> ending) { programEnding() = std::move(ending); }

void setErrorReportClosing(std::function<void()> closing) {
    databaseClosing() = std::move(closing);
}
