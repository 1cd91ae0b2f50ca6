#include "fileinfo.h"

#include "folderreader.h"
#include "typedpath.h"

#include "ui/flatstyle.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui/windowregistry.h"
#include "ui_fileinfo.h"

#include <QButtonGroup>
#include <QDir>
#include <QTextDocument>

namespace {

// The end of a path names the folder the user is in, so a path too long
// for the label loses its start; the tooltip holds all of it. The label
// lays its text out in whole pixels, rounding up, so the elided text is
// made a pixel narrower than the room.
void showPath(QLabel& label, const QString& path) {
    label.setText(label.fontMetrics().elidedText(path, Qt::ElideLeft, label.contentsRect().width() - 1));
    // A tooltip that looks like markup would be drawn as markup.
    label.setToolTip(Qt::mightBeRichText(path) ? Qt::convertFromPlainText(path) : path);
}

} // namespace

FileInfo::FileInfo(const QString& startFolder, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FileInfo>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    ui::makeFlat(this);

    // DlgButton: one indexed group, one handler that receives the index.
    auto* dlgButton = new QButtonGroup(this);
    dlgButton->addButton(m_ui->DlgButton_0, 0);
    dlgButton->addButton(m_ui->DlgButton_1, 1);
    connect(dlgButton, &QButtonGroup::idClicked, this, &FileInfo::dlgButtonClick);

    connect(m_ui->TextBox, &QLineEdit::textChanged, this, [this] { m_activeList = NameBox; });
    connect(m_ui->DirsBox, &ClickList::entryClicked, this, [this] { m_activeList = FolderBox; });
    connect(m_ui->DirsBox, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { openFolder(index.data(ClickList::KeyRole).toString()); });
    connect(m_ui->FileListBox, &ClickList::entryClicked, this, &FileInfo::fileClicked);
    connect(m_ui->FileListBox, &QAbstractItemView::doubleClicked, this, [this] {
        fileClicked();
        acceptFile();
    });
    connect(m_ui->DriveDropDown, &DriveList::driveChosen, this, &FileInfo::chooseDrive);
    load(startFolder);
}

FileInfo::~FileInfo() = default;

void FileInfo::load(const QString& startFolder) {
    setWindowTitle(QString());
    setWindowState(Qt::WindowNoState);
    // A folder that cannot be read is reported and the next one tried.
    QStringList candidates = {QDir::currentPath(), QDir::rootPath()};
    if (!startFolder.isEmpty())
        candidates.prepend(QDir::cleanPath(QDir::current().absoluteFilePath(startFolder)));
    for (const QString& folder : candidates) {
        if (openFolder(folder))
            break;
    }
    m_ui->TextBox->setText(m_ui->FileListBox->pattern());
    m_ui->TextBox->selectAll();
}

std::optional<QString> FileInfo::choose(bool mustExist) {
    m_mustExist = mustExist;
    m_chosen.reset();
    exec();
    return m_chosen;
}

void FileInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_listingFresh)
        return;
    const QString folder = m_ui->DirsBox->path();
    const QString selected = m_ui->FileListBox->fileName();
    const FolderContents contents = readFolder(folder);
    if (contents.error.isEmpty()) {
        // Same folder, same pattern: only the contents may differ.
        m_ui->DirsBox->setFolder(folder, contents.folders);
        m_ui->FileListBox->setContents(folder, contents.files, m_ui->FileListBox->pattern());
        m_ui->FileListBox->setCurrentKey(selected);
        m_listingFresh = true;
    }
}

void FileInfo::hideEvent(QHideEvent* event) {
    m_listingFresh = false;
    QDialog::hideEvent(event);
}

void FileInfo::dlgButtonClick(int index) {
    if (index == 0)
        ok();
    else
        reject();
}

void FileInfo::reject() {
    m_chosen.reset();
    QDialog::reject();
}

void FileInfo::ok() {
    if (m_activeList == NameBox)
        okOnNameBox();
    else if (m_activeList == FolderBox)
        openFolder(m_ui->DirsBox->highlightedPath());
    m_ui->TextBox->selectAll();
    if (isVisible())
        m_ui->TextBox->setFocus();
}

// The name box holds a listed name, a new name, a pattern, a folder, or a
// folder with a pattern.
void FileInfo::okOnNameBox() {
    const QString typed = m_ui->TextBox->text();
    if (m_ui->FileListBox->entries().contains(typed)) {
        m_ui->FileListBox->setCurrentKey(typed);
        acceptFile();
        return;
    }
    const bool folder = namesFolder(typed);
    const bool pattern = isPattern(typed);
    if (!folder && !pattern && !m_mustExist)
        acceptName(m_ui->DirsBox->path(), typed);
    const QString newPattern = pattern ? typedName(typed) : m_ui->FileListBox->pattern();
    const QString newFolder = folder ? typedFolder(typed, m_ui->DirsBox->path()) : m_ui->DirsBox->path();
    if (!showFolder(newFolder, newPattern))
        return;
    if (!pattern)
        m_ui->TextBox->setText(m_ui->FileListBox->pattern());
}

void FileInfo::acceptFile() {
    acceptName(m_ui->DirsBox->path(), m_ui->TextBox->text());
}

void FileInfo::acceptName(const QString& folder, const QString& name) {
    m_chosen = withTrailingSeparator(folder) + name;
    m_ui->FileListBox->setPattern(QStringLiteral("*.*"));
    done(QDialog::Accepted);
}

void FileInfo::fileClicked() {
    m_ui->TextBox->setText(m_ui->FileListBox->fileName());
    // Also when the name box already held this name: the person is working
    // on the file, not on the folder clicked before.
    m_activeList = NameBox;
}

// A drive that cannot be read leaves everything on the last folder that
// could, and the drive list shows that folder's drive again.
void FileInfo::chooseDrive(const QString& drive) {
    if (!openFolder(m_ui->DriveDropDown->currentFolderOf(drive)))
        m_ui->DriveDropDown->setDrive(m_ui->DriveDropDown->driveOf(m_ui->DirsBox->path()));
}

bool FileInfo::openFolder(const QString& folder) {
    return showFolder(folder, m_ui->FileListBox->pattern());
}

// Brings all three lists to folder and pattern, reading the folder only
// when it is another one. A folder that cannot be read is reported and
// changes nothing.
bool FileInfo::showFolder(const QString& folder, const QString& pattern) {
    if (folder == m_ui->DirsBox->path()) {
        if (pattern != m_ui->FileListBox->pattern())
            m_ui->FileListBox->setPattern(pattern);
        return true;
    }
    const FolderContents contents = readFolder(folder);
    if (!contents.error.isEmpty()) {
        ui::showMessage(contents.error);
        return false;
    }
    m_ui->DirsBox->setFolder(folder, contents.folders);
    showPath(*m_ui->PathSpec, folder);
    m_ui->FileListBox->setContents(folder, contents.files, pattern);
    m_ui->DriveDropDown->showDriveOf(folder);
    m_listingFresh = true;
    return true;
}

std::optional<QString> chooseFile(const QString& title, bool mustExist,
                                  const QString& startFolder) {
    FileInfo& chooser = ui::loadedWindow<FileInfo>(startFolder);
    chooser.setWindowTitle(title);
    return chooser.choose(mustExist);
}
