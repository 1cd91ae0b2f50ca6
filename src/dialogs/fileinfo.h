#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class FileInfo;
}

// The program's own file chooser. A caller sets File_Must_Exist and the
// title, shows it modally with exec(), and reads Selected_Folder and
// Selected_File_Name. Created once through ui::loadedWindow and then only
// hidden, so it keeps its drive, folder, pattern and name box between uses.
class FileInfo : public QDialog {
    Q_OBJECT

public:
    explicit FileInfo(QWidget* parent = nullptr);
    ~FileInfo() override;

    // Active_List: where the person last worked, which OK acts on.
    enum ActiveList : qint16 { Nowhere = 0, NameBox = 1, FolderBox = 2 };
    ActiveList activeList() const { return m_activeList; }

    // The window's close control and Escape act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void load();
    void dlgButtonClick(int index);
    void ok();
    void okOnNameBox();
    void acceptFile();
    void acceptName(const QString& folder, const QString& name);
    void chooseDrive(const QString& drive);
    void fileClicked();
    bool openFolder(const QString& folder);
    bool showFolder(const QString& folder, const QString& pattern);

    std::unique_ptr<Ui::FileInfo> m_ui;
    ActiveList m_activeList = Nowhere;
    // The lists show what the folder held when it was last read; reading
    // again when the window is shown again picks up files made meanwhile.
    bool m_listingFresh = false;
};
