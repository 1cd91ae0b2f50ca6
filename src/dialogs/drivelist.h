#pragma once

#include <QComboBox>
#include <QHash>
#include <QStringList>

// The mounted filesystems a person would browse (the root "/" first, then
// the others by mount point), each shown by its mount point and label.
QStringList browsableDrives();

// The drive that holds path: the longest of drives that is path itself or
// a folder above it. Empty when none is.
QString driveOfPath(const QString& path, const QStringList& drives);

// A drop-down list of drives. Each drive keeps a current folder, the last
// folder shown on it, so returning to a drive returns to where one was.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    [[nodiscard]] QString drive() const { return m_drive; }
    // Shows the drive of folder and makes folder that drive's current
    // folder. Raises no driveChosen.
    void showDriveOf(const QString& folder);
    // Shows drive (added to the list if it is not there). Raises no driveChosen.
    void setDrive(const QString& drive);
    // The folder last shown on drive, or the drive's own root folder.
    [[nodiscard]] QString currentFolderOf(const QString& drive) const;
    [[nodiscard]] QString driveOf(const QString& path) const { return driveOfPath(path, drives()); }

signals:
    // The person picked a drive other than the one shown.
    void driveChosen(const QString& drive);

protected:
    // A stick plugged in since the list was filled shows up when it opens.
    void showPopup() override;

private:
    [[nodiscard]] QStringList drives() const;
    void fill(const QStringList& drives);
    void onActivated(int index);

    QString m_drive;
    QHash<QString, QString> m_currentFolders;
};
