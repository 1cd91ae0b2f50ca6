#include "drivelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Kernel and service filesystems: nothing a person keeps files on.
bool isPseudo(const QStorageInfo& volume) {
    static const QList<QByteArray> pseudoTypes = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "debugfs",
        "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs", "fusectl", "binfmt_misc",
        "autofs", "efivarfs", "rpc_pipefs", "nsfs", "squashfs", "overlay"};
    static const QStringList pseudoRoots = {
        QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"), QStringLiteral("/run")};
    const QString root = volume.rootPath();
    if (root == QDir::rootPath())
        return false;
    if (pseudoTypes.contains(volume.fileSystemType()))
        return true;
    return std::any_of(pseudoRoots.begin(), pseudoRoots.end(), [&](const QString& pseudoRoot) {
        return root == pseudoRoot || root.startsWith(pseudoRoot + QLatin1Char('/'));
    });
}

bool isInside(const QString& path, const QString& folder) {
    if (folder == QDir::rootPath())
        return path.startsWith(folder);
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

QString label(const QString& drive) {
    const QString name = QStorageInfo(drive).name();
    return name.isEmpty() ? drive : QStringLiteral("%1 [%2]").arg(drive, name);
}

} // namespace

QStringList browsableDrives() {
    QStringList others;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !isPseudo(volume) && QFileInfo(volume.rootPath()).isDir())
            others.append(volume.rootPath());
    }
    others.removeAll(QDir::rootPath());
    others.sort();
    others.removeDuplicates();
    return QStringList{QDir::rootPath()} + others;
}

QString driveOfPath(const QString& path, const QStringList& drives) {
    QString best;
    for (const QString& drive : drives) {
        if (drive.size() > best.size() && isInside(path, drive))
            best = drive;
    }
    return best;
}

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent) {
    fill(browsableDrives());
    connect(this, &QComboBox::activated, this, &DriveList::onActivated);
}

void DriveList::showDriveOf(const QString& folder) {
    const QString drive = driveOf(folder);
    m_currentFolders.insert(drive, folder);
    setDrive(drive);
}

void DriveList::setDrive(const QString& drive) {
    m_drive = drive;
    int index = findData(drive);
    if (index < 0) {
        addItem(label(drive), drive);
        index = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

QString DriveList::currentFolderOf(const QString& drive) const {
    return m_currentFolders.value(drive, drive);
}

void DriveList::showPopup() {
    QStringList current = browsableDrives();
    if (!m_drive.isEmpty() && !current.contains(m_drive))
        current.append(m_drive);
    fill(current);
    QComboBox::showPopup();
}

QStringList DriveList::drives() const {
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(itemData(i).toString());
    return result;
}

void DriveList::fill(const QStringList& drives) {
    {
        const QSignalBlocker quiet(this);
        clear();
        for (const QString& drive : drives)
            addItem(label(drive), drive);
    }
    if (!m_drive.isEmpty())
        setDrive(m_drive);
}

void DriveList::onActivated(int index) {
    const QString chosen = itemData(index).toString();
    if (chosen == m_drive)
        return;
    m_drive = chosen;
    emit driveChosen(chosen);
}
