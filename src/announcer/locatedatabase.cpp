#include "locatedatabase.h"

#include "desk/fileprobe.h"

#include "dialogs/fileinfo.h"
#include "dialogs/fileselection.h"
#include "dialogs/yesno.h"
#include "ui/messagebox.h"
#include "ui/windowregistry.h"

#include <QTimer>

namespace {

constexpr int closeAfterMs = 500;

} // namespace

std::optional<QString> locateAnnouncerDatabase(const QString& remembered, QTimer& timer1) {
    QString path = remembered;
    if (!path.isEmpty() && !askYesNo(QStringLiteral("Announcer DB is ") + path))
        path.clear();
    if (path.isEmpty()) {
        FileInfo& chooser = ui::loadedWindow<FileInfo>();
        chooser.setWindowTitle(QStringLiteral("Locate announcer database"));
        chooser.exec();
        path = Selected_Folder + Selected_File_Name;
    }
    if (!path.isEmpty() && File_Exists(path))
        return path;
    ui::showMessage(QStringLiteral("No Announcer Database"));
    timer1.start(closeAfterMs);
    return std::nullopt;
}
