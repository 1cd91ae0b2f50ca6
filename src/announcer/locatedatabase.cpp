#include "locatedatabase.h"

#include "desk/fileprobe.h"

#include "dialogs/fileinfo.h"
#include "dialogs/yesno.h"
#include "ui/messagebox.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

constexpr int closeAfterMs = 500;

} // namespace

std::optional<QString> locateAnnouncerDatabase(const QString& remembered, QTimer& timer1) {
    QString path = remembered;
    if (!path.isEmpty() &&
        !askYesNo(QCoreApplication::translate("LocateDatabase", "Announcer DB is %1").arg(path)))
        path.clear();
    if (path.isEmpty())
        path = chooseFile(
                   QCoreApplication::translate("LocateDatabase", "Locate announcer database"), true)
                   .value_or(QString());
    if (!path.isEmpty() && desk::File_Exists(path))
        return path;
    ui::showMessage(QCoreApplication::translate("LocateDatabase", "No Announcer Database"));
    timer1.start(closeAfterMs);
    return std::nullopt;
}
