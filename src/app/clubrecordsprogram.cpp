#include "clubrecordsprogram.h"

#include "errorreport.h"

#include "clubrecords/cardprinter.h"
#include "clubrecords/records.h"
#include "dialogs/fileinfo.h"
#include "store/kelvaneerror.h"
#include "ui/messagebox.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace {

// The club's record book from the file, or none when the file cannot be
// the club database: the user has then been told why.
std::optional<RecordBook> openBook(const QString& path) {
    try {
        return RecordBook::open(path);
    } catch (const store::KelvaneError& error) {
        ui::showMessage(QCoreApplication::translate("ClubRecordsProgram",
                                                    "%1 cannot be used as the club database.")
                            .arg(path) +
                        QStringLiteral("\n\n") + error.description());
        return std::nullopt;
    }
}

} // namespace

// The window owns the book and the printer: the club database is closed
// when the run ends, however it ends.
int runClubRecords() {
    // The chooser starts in the home folder, where a club keeps its file;
    // after a file that cannot be used it opens where the user left it.
    while (const auto path =
               chooseFile(QCoreApplication::translate("ClubRecordsProgram", "Select Club Database"),
                          true, QDir::homePath())) {
        std::optional<RecordBook> book = openBook(*path);
        if (!book)
            continue;
        Records window(std::move(*book), systemCardPrinter());
        window.exec();
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
