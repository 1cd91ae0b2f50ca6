#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class FileInfo;
}

// The program's own file chooser. Created once through ui::loadedWindow
// and then only hidden, so it keeps its drive, folder, pattern and name box
// between uses.
class FileInfo : public QDialog {
    Q_OBJECT

public:
    // Opens in startFolder (relative to the current folder), else where the
    // program was started, else the root.
    explicit FileInfo(const QString& startFolder = {}, QWidget* parent = nullptr);
    ~FileInfo() override;

    // Shows the window modally and returns the chosen file's path, or
    // nothing after Cancel. With mustExist only a listed file can be chosen;
    // otherwise a new name typed in the name box is taken too.
    std::optional<QString> choose(bool mustExist);

    // Active_List: where the person last worked, which OK acts on.
    enum ActiveList : qint16 { Nowhere = 0, NameBox = 1, FolderBox = 2 };
    [[nodiscard]] ActiveList activeList() const { return m_activeList; }

    // The window's close control and Escape act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void load(const QString& startFolder);
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
    bool m_mustExist = false;
    std::optional<QString> m_chosen;
    // The lists show what the folder held when it was last read; reading
    // again when the window is shown again picks up files made meanwhile.
    bool m_listingFresh = false;
};

// Puts the one file chooser, titled title, in front of the user, and
// returns the chosen file's path or nothing after Cancel. startFolder is
// where the chooser opens when it is first loaded; later uses open where the
// last one left it.
std::optional<QString> chooseFile(const QString& title, bool mustExist,
                                  const QString& startFolder = {});
