#include "errorreport.h"

#include "announcer/announcerdatabase.h"
#include "clubrecords/clubrecordlookup.h"
#include "ui/messagebox.h"

#include <cstdlib>

namespace {

constexpr int failureStatus = 1;

std::function<void(int)>& programEnding() {
    static std::function<void(int)> ending = [](int status) { std::exit(status); };
    return ending;
}

} // namespace

QString errorReportText(int number, const QString& description) {
    return QStringLiteral("Error %1\n\n%2").arg(number).arg(description);
}

void reportErrorAndEnd(int number, const QString& description) {
    ui::showMessage(errorReportText(number, description));
    closeAnnouncerDatabase();
    if (Club_DB)
        Club_DB->close();
    programEnding()(failureStatus);
}

void setProgramEnding(std::function<void(int status)> ending) { programEnding() = std::move(ending); }
