#include "clubrecordsprogram.h"

#include "clubrecords/cardprinter.h"
#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"
#include "clubrecords/records.h"
#include "dialogs/fileinfo.h"
#include "dialogs/fileselection.h"
#include "ui/windowregistry.h"

#include <QDir>

namespace {

// Closes the club database however the run ends.
class OpenClubDatabase {
public:
    explicit OpenClubDatabase(const QString& path) {
        Club_DB = store::openDatabase(path, QStringLiteral("club database"));
    }
    ~OpenClubDatabase() {
        if (Club_DB)
            Club_DB->close();
        Club_DB.reset();
    }
    OpenClubDatabase(const OpenClubDatabase&) = delete;
    OpenClubDatabase& operator=(const OpenClubDatabase&) = delete;
};

} // namespace

int runClubRecords() {
    // The chooser starts in the home folder, where a club keeps its file.
    if (Selected_Folder.isEmpty())
        Selected_Folder = QDir::homePath() + QLatin1Char('/');
    File_Must_Exist = true;
    FileInfo& chooser = ui::loadedWindow<FileInfo>();
    chooser.setWindowTitle(QStringLiteral("Select Club Database"));
    chooser.exec();
    if (Selected_File_Name.isEmpty())
        return 0;

    const OpenClubDatabase club(Selected_Folder + Selected_File_Name);
    loadClubSetup(*Club_DB);
    setCardPrinter(systemCardPrinter());
    ui::loadedWindow<Records>().exec();
    return 0;
}
