#include "locatedatabase.h"

#include "announcerdatabase.h"
#include "fileprobe.h"

#include "dialogs/fileinfo.h"
#include "dialogs/fileselection.h"
#include "dialogs/yesno.h"
#include "ui/messagebox.h"
#include "ui/windowregistry.h"

#include <QTimer>

namespace {

constexpr int closeAfterMs = 500;

} // namespace

bool locateAnnouncerDatabase(QTimer& timer1) {
    if (!Announcer_DB_Path.isEmpty() && !askYesNo(QStringLiteral("Announcer DB is ") + Announcer_DB_Path))
        Announcer_DB_Path.clear();
    if (Announcer_DB_Path.isEmpty()) {
        FileInfo& chooser = ui::loadedWindow<FileInfo>();
        chooser.setWindowTitle(QStringLiteral("Locate announcer database"));
        chooser.exec();
        Announcer_DB_Path = Selected_Folder + Selected_File_Name;
    }
    if (!Announcer_DB_Path.isEmpty() && File_Exists(Announcer_DB_Path))
        return true;
    ui::showMessage(QStringLiteral("No Announcer Database"));
    timer1.start(closeAfterMs);
    return false;
}
