#include "clubrecordsprogram.h"

#include "errorreport.h"

#include "clubrecords/cardprinter.h"
#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"
#include "clubrecords/records.h"
#include "dialogs/fileinfo.h"
#include "store/failure.h"
#include "store/kelvaneerror.h"
#include "ui/messagebox.h"
#include "ui/windowregistry.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace {

void closeClubDatabase() {
    if (Club_DB)
        Club_DB->close();
    Club_DB.reset();
}

// Closes the club database however the run ends.
class ClubDatabaseCloser {
public:
    ClubDatabaseCloser() = default;
    ~ClubDatabaseCloser() { closeClubDatabase(); }
    ClubDatabaseCloser(const ClubDatabaseCloser&) = delete;
    ClubDatabaseCloser& operator=(const ClubDatabaseCloser&) = delete;
};

// Opens the file as Club_DB with its setup, and makes sure that its saved
// query can run, so that Print finds everything it needs. Returns why the
// file cannot be the club database, if it cannot; Club_DB is then closed.
store::Failure openClubDatabase(const QString& path) {
    try {
        openClubDatabaseReadOnly(path);
        loadClubSetup(*Club_DB);
        Club_DB->queryDef(clubRecordQuery);
        return {};
    } catch (const store::KelvaneError& error) {
        closeClubDatabase();
        return store::Failure(error.description());
    }
}

} // namespace

int runClubRecords() {
    const ClubDatabaseCloser closer;
    // The chooser starts in the home folder, where a club keeps its file;
    // after a file that cannot be used it opens where the user left it.
    while (const auto path =
               chooseFile(QCoreApplication::translate("ClubRecordsProgram", "Select Club Database"),
                          true, QDir::homePath())) {
        if (const store::Failure failure = openClubDatabase(*path)) {
            ui::showMessage(QCoreApplication::translate("ClubRecordsProgram",
                                                        "%1 cannot be used as the club database.")
                                .arg(*path) +
                            QStringLiteral("\n\n") + failure.reason());
            continue;
        }
        setCardPrinter(systemCardPrinter());
        ui::loadedWindow<Records>().exec();
        break;
    }
    return 0;
}

void startClubRecords() {
    try {
        QCoreApplication::exit(runClubRecords());
    } catch (const std::exception& caught) {
        const store::KelvaneError error = store::errorFrom(caught);
        postErrorReport(error.number(), error.description());
    }
}
