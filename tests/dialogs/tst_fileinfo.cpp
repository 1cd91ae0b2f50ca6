#include "modalwatcher.h"

#include "dialogs/drivelist.h"
#include "dialogs/fileinfo.h"
#include "dialogs/filelist.h"
#include "dialogs/folderlist.h"

#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

#include <unistd.h>

namespace {

// A temporary folder tree:
//   data/  gala1.mdb gala2.mdb Gala3.mdb gala10.mdb notes.txt README .hidden.mdb
//   data/Old/  old.mdb
//   data/new/
class Tree {
public:
    Tree() {
        mkdir("data/Old");
        mkdir("data/new");
        for (const char* name : {"gala1.mdb", "gala2.mdb", "Gala3.mdb", "gala10.mdb", "notes.txt", "README",
                                 ".hidden.mdb", "Old/old.mdb"})
            touch(QStringLiteral("data/") + QString::fromUtf8(name));
    }
    [[nodiscard]] QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
    }
    void mkdir(const QString& relative) const { QVERIFY(QDir().mkpath(path(relative))); }
    void touch(const QString& relative) const {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir m_dir;
};

QLineEdit* textBox(QWidget& w) { return w.findChild<QLineEdit*>(QStringLiteral("TextBox")); }
QLabel* pathSpec(QWidget& w) { return w.findChild<QLabel*>(QStringLiteral("PathSpec")); }
// The whole path, which the label may show only the end of.
QString shownPath(QWidget& w) { return pathSpec(w)->toolTip(); }
FileList* fileList(QWidget& w) { return w.findChild<FileList*>(QStringLiteral("FileListBox")); }
FolderList* folderList(QWidget& w) { return w.findChild<FolderList*>(QStringLiteral("DirsBox")); }
DriveList* driveList(QWidget& w) { return w.findChild<DriveList*>(QStringLiteral("DriveDropDown")); }
QPushButton* okButton(QWidget& w) { return w.findChild<QPushButton*>(QStringLiteral("DlgButton_0")); }
QPushButton* cancelButton(QWidget& w) { return w.findChild<QPushButton*>(QStringLiteral("DlgButton_1")); }

// Shows the window modally as a caller does, runs whileOpen inside it and
// returns what was chosen. A window that whileOpen leaves open is then
// hidden, which chooses nothing.
std::optional<QString> use(FileInfo& window, bool mustExist,
                           const std::function<void()>& whileOpen) {
    QTimer::singleShot(0, &window, [&] {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        whileOpen();
        if (window.isVisible())
            window.hide();
    });
    return window.choose(mustExist);
}

std::optional<QString> use(FileInfo& window, const std::function<void()>& whileOpen) {
    return use(window, false, whileOpen);
}

void type(FileInfo& window, const QString& text) {
    textBox(window)->selectAll();
    QTest::keyClicks(textBox(window), text);
    QCOMPARE(textBox(window)->text(), text);
}

void pressOk(FileInfo& window) { QTest::mouseClick(okButton(window), Qt::LeftButton); }

void clickEntry(ClickList* list, const QString& key, bool doubleClick = false) {
    const int row = list->keys().indexOf(key);
    QVERIFY2(row >= 0, qPrintable(key));
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A double-click starts with an ordinary click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (doubleClick)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

const QStringList everyDataFile = {"gala1.mdb", "gala2.mdb", "Gala3.mdb", "gala10.mdb", "notes.txt", "README"};

} // namespace

class TestFileInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::registerFontSubstitutes(); }
    void init();
    void loadOpensTheGivenFolder();
    void loadTakesAnUncleanFolder();
    void loadFallsBackWhenTheFolderIsGone();
    void longPathShowsItsEnd();
    void chooseListedFile_data();
    void chooseListedFile();
    void oddNamesComeBackExactly_data();
    void oddNamesComeBackExactly();
    void typedNameNotListed_data();
    void typedNameNotListed();
    void typedText_data();
    void typedText();
    void folderListAndOk();
    void folderDoubleClickOpens();
    void unreadableFolder_data();
    void unreadableFolder();
    void folderWithoutPermission();
    void unreadableDriveGoesBack();
    void secondUseShowsFirstUsesState();
    void cancelAfterAnAccept_data();
    void cancelAfterAnAccept();
    void newFilesShowOnTheNextUse();

private:
    // The folder every chooser of the test opens in.
    [[nodiscard]] QString data() const { return m_tree->path(QStringLiteral("data")); }

    std::unique_ptr<Tree> m_tree;
    std::unique_ptr<ModalWatcher> m_watcher;
};

void TestFileInfo::init() {
    m_tree = std::make_unique<Tree>();
    m_watcher = std::make_unique<ModalWatcher>();
}

void TestFileInfo::loadOpensTheGivenFolder() {
    FileInfo window(data());
    const QString data = m_tree->path(QStringLiteral("data"));
    QCOMPARE(folderList(window)->path(), data);
    QCOMPARE(fileList(window)->path(), data);
    QCOMPARE(shownPath(window), data);
    QCOMPARE(driveList(window)->drive(), driveOfPath(data, browsableDrives()));
    QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.*"));
    QCOMPARE(fileList(window)->entries(), everyDataFile);
    QCOMPARE(textBox(window)->text(), QStringLiteral("*.*"));
    QCOMPARE(textBox(window)->selectedText(), QStringLiteral("*.*"));
    QCOMPARE(window.activeList(), FileInfo::NameBox);
    // The folders above and below, each by its full path; the folder itself highlighted.
    const QStringList entries = folderList(window)->keys();
    QCOMPARE(entries.first(), QStringLiteral("/"));
    QCOMPARE(entries.mid(entries.indexOf(data)), QStringList({data, data + "/new", data + "/Old"}));
    QCOMPARE(folderList(window)->highlightedPath(), data);
}

void TestFileInfo::loadTakesAnUncleanFolder() {
    const QString started = QDir::currentPath();
    QDir::setCurrent(m_tree->path());
    FileInfo window(QStringLiteral("data//Old/../"));
    QDir::setCurrent(started);
    QCOMPARE(folderList(window)->path(), m_tree->path(QStringLiteral("data")));
    QCOMPARE(folderList(window)->keys().first(), QStringLiteral("/"));
}

void TestFileInfo::loadFallsBackWhenTheFolderIsGone() {
    FileInfo window(m_tree->path(QStringLiteral("gone/")));
    QCOMPARE(m_watcher->messages(), QStringList({"No such file or directory"}));
    QCOMPARE(m_watcher->titles(), QStringList({"kelvane"}));
    QCOMPARE(folderList(window)->path(), QDir::currentPath());
}

// The end of a path names the folder the user is in: a path too long for
// the label loses its start, and the tooltip holds all of it.
void TestFileInfo::longPathShowsItsEnd() {
    const QString deep = m_tree->path(QStringLiteral("data/Documents/Club Galas/Gala 2005"));
    m_tree->mkdir(QStringLiteral("data/Documents/Club Galas/Gala 2005"));
    for (const QString& folder : {QStringLiteral("/"), deep}) {
        FileInfo window(folder);
        QLabel* label = pathSpec(window);
        QCOMPARE(label->toolTip(), folder);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->text()));
        if (folder == deep) {
            QVERIFY2(label->text().startsWith(QChar(0x2026)) && label->text().endsWith("/Club Galas/Gala 2005"),
                     qPrintable(label->text()));
        } else {
            QCOMPARE(label->text(), folder);
        }
    }
}

void TestFileInfo::chooseListedFile_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("folder");
    QTest::newRow("double-click") << "double-click" << QString();
    QTest::newRow("click, then OK") << "click" << QString();
    QTest::newRow("typed exactly, then Enter") << "type" << QString();
    QTest::newRow("arrow keys, then Enter") << "keys" << QString();
    QTest::newRow("double-click in the root folder") << "double-click"
                                                     << "/";
}

// The chosen folder always ends in one separator: the root's own, in "/".
void TestFileInfo::chooseListedFile() {
    QFETCH(QString, how);
    QFETCH(QString, folder);
    FileInfo window(folder.isEmpty() ? data() : folder);
    const QString name =
        folder.isEmpty() ? QStringLiteral("gala2.mdb") : fileList(window)->entries().value(0);
    if (name.isEmpty())
        QSKIP("the root folder holds no file to choose here");
    const auto chosen = use(window, true, [&] {
        if (how == QLatin1String("double-click")) {
            clickEntry(fileList(window), name, true);
        } else if (how == QLatin1String("click")) {
            clickEntry(fileList(window), name);
            QCOMPARE(textBox(window)->text(), name);
            pressOk(window);
        } else if (how == QLatin1String("type")) {
            type(window, name);
            QTest::keyClick(textBox(window), Qt::Key_Return);
        } else {
            fileList(window)->setFocus();
            QTest::keyClick(fileList(window), Qt::Key_End);
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(fileList(window), Qt::Key_Up);
            QCOMPARE(textBox(window)->text(), name);
            QTest::keyClick(fileList(window), Qt::Key_Return);
        }
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(chosen, (folder.isEmpty() ? data() + "/" : folder) + name);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.*"));
    QCOMPARE(textBox(window)->text(), name);
}

void TestFileInfo::oddNamesComeBackExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << " my gala  final .mdb";
    QTest::newRow("commas") << "gala,2005,final.mdb";
    QTest::newRow("quotes") << "\"gala\" 'final'.mdb";
    QTest::newRow("non-ASCII letters") << "Gäla Ünïcode Ωμέγα.mdb";
    QTest::newRow("a line break") << "gala\nfinal.mdb";
    QTest::newRow("colon and backslash") << "c:\\gala.mdb";
    QTest::newRow("wildcard characters") << "gala*?.mdb";
}

// Clicking an odd name and pressing OK hands back exactly that name; each
// entry still takes one line.
void TestFileInfo::oddNamesComeBackExactly() {
    QFETCH(QString, name);
    m_tree->touch(QStringLiteral("data/") + name);
    FileInfo window(data());
    const int row = fileList(window)->entries().indexOf(name);
    QVERIFY(row >= 0);
    QVERIFY(!fileList(window)->item(row)->text().contains(QLatin1Char('\n')));
    const auto chosen = use(window, true, [&] {
        clickEntry(fileList(window), name);
        pressOk(window);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(chosen, m_tree->path(QStringLiteral("data/")) + name);
    QVERIFY(QFile::exists(*chosen));
}

void TestFileInfo::typedNameNotListed_data() {
    QTest::addColumn<bool>("mustExist");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("other letter case, must exist") << true << "GALA1.MDB" << false;
    QTest::newRow("other letter case, may be new") << false << "GALA1.MDB" << true;
    QTest::newRow("new name, must exist") << true << "results.mdb" << false;
    QTest::newRow("new name, may be new") << false << "results.mdb" << true;
    QTest::newRow("hidden file is not listed") << true << ".hidden.mdb" << false;
    QTest::newRow("colon is an ordinary character") << false << "c:results.mdb" << true;
}

void TestFileInfo::typedNameNotListed() {
    QFETCH(bool, mustExist);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    FileInfo window(data());
    const auto chosen = use(window, mustExist, [&] {
        type(window, typed);
        pressOk(window);
        QCOMPARE(window.isVisible(), !accepted);
        // Refused or accepted, the name box shows the pattern again.
        QCOMPARE(textBox(window)->text(), QStringLiteral("*.*"));
        if (!accepted)
            QCOMPARE(QApplication::focusWidget(), textBox(window));
    });
    QVERIFY(m_watcher->messages().isEmpty());
    QCOMPARE(chosen, accepted ? std::optional(m_tree->path(QStringLiteral("data/")) + typed)
                              : std::nullopt);
    QCOMPARE(fileList(window)->path(), m_tree->path(QStringLiteral("data")));
}

void TestFileInfo::typedText_data() {
    // "@" stands for the temporary tree's path.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("nameBox");
    QTest::addColumn<QStringList>("entries");
    const QStringList mdb = {"gala1.mdb", "gala2.mdb"};
    QTest::newRow("pattern") << "gala?.mdb" << "@/data" << "gala?.mdb" << "gala?.mdb" << mdb;
    QTest::newRow("several patterns") << "*.txt;README" << "@/data" << "*.txt;README" << "*.txt;README"
                                      << QStringList{"notes.txt", "README"};
    QTest::newRow("pattern matching nothing") << "*.xyz" << "@/data" << "*.xyz" << "*.xyz" << QStringList{};
    QTest::newRow("full path with a pattern") << "@/data/Old/*.mdb" << "@/data/Old" << "*.mdb" << "@/data/Old/*.mdb"
                                              << QStringList{"old.mdb"};
    QTest::newRow("folder path without a pattern") << "@/data/Old" << "@/data" << "*.*" << "*.*" << everyDataFile;
    QTest::newRow("folder path with a final separator") << "@/data/Old/" << "@/data/Old" << "*.*" << "*.*"
                                                        << QStringList{"old.mdb"};
    QTest::newRow("relative folder") << "Old/*.*" << "@/data/Old" << "*.*" << "Old/*.*" << QStringList{"old.mdb"};
    QTest::newRow("parent folder") << "../*.*" << "@" << "*.*" << "../*.*" << QStringList{};
    QTest::newRow("root folder") << "/" << "/" << "*.*" << "*.*" << QStringList{"*"};
    QTest::newRow("pattern in the root folder") << "/*.none" << "/" << "*.none" << "/*.none" << QStringList{};
}

// Typed text that is no listed name: patterns and folders change the lists
// and leave the window open.
void TestFileInfo::typedText() {
    QFETCH(QString, typed);
    QFETCH(QString, folder);
    QFETCH(QString, pattern);
    QFETCH(QString, nameBox);
    QFETCH(QStringList, entries);
    const QString tree = m_tree->path();
    typed.replace(QLatin1Char('@'), tree);
    folder.replace(QLatin1Char('@'), tree);
    nameBox.replace(QLatin1Char('@'), tree);
    FileInfo window(data());
    use(window, true, [&] {
        type(window, typed);
        pressOk(window);
        QVERIFY(window.isVisible());
        QCOMPARE(folderList(window)->path(), folder);
        QCOMPARE(fileList(window)->path(), folder);
        QCOMPARE(shownPath(window), folder);
        QCOMPARE(driveList(window)->drive(), driveOfPath(folder, browsableDrives()));
        QCOMPARE(fileList(window)->pattern(), pattern);
        QCOMPARE(textBox(window)->text(), nameBox);
        QCOMPARE(textBox(window)->selectedText(), nameBox);
        if (entries != QStringList{"*"})
            QCOMPARE(fileList(window)->entries(), entries);
    });
    QVERIFY(m_watcher->messages().isEmpty());
}

void TestFileInfo::folderListAndOk() {
    FileInfo window(data());
    const QString old = m_tree->path(QStringLiteral("data/Old"));
    const auto chosen = use(window, true, [&] {
        clickEntry(folderList(window), old);
        QCOMPARE(window.activeList(), FileInfo::FolderBox);
        pressOk(window);
        QCOMPARE(shownPath(window), old);
        QCOMPARE(fileList(window)->entries(), QStringList({"old.mdb"}));
        QCOMPARE(folderList(window)->highlightedPath(), old);
        // Typing makes OK act on the name box again.
        type(window, QStringLiteral("old.mdb"));
        QCOMPARE(window.activeList(), FileInfo::NameBox);
        pressOk(window);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(chosen, old + QStringLiteral("/old.mdb"));
}

void TestFileInfo::folderDoubleClickOpens() {
    FileInfo window(data());
    const QString data = m_tree->path(QStringLiteral("data"));
    const auto chosen = use(window, [&] {
        clickEntry(folderList(window), data + QStringLiteral("/new"), true);
        QCOMPARE(shownPath(window), data + QStringLiteral("/new"));
        QVERIFY(fileList(window)->entries().isEmpty());
        // Up again through the entry of the folder above.
        clickEntry(folderList(window), data, true);
        QCOMPARE(fileList(window)->entries(), everyDataFile);
        // A file clicked after a folder: OK acts on the file.
        clickEntry(folderList(window), data + QStringLiteral("/Old"));
        clickEntry(fileList(window), QStringLiteral("README"));
        QCOMPARE(window.activeList(), FileInfo::NameBox);
        pressOk(window);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(chosen, data + QStringLiteral("/README"));
}

void TestFileInfo::unreadableFolder_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder removed after it was listed") << "removed" << "No such file or directory";
    QTest::newRow("typed folder that does not exist") << "missing" << "No such file or directory";
    QTest::newRow("typed path through a file") << "file" << "Not a directory";
}

// A folder that cannot be read is reported with the system's reason and the
// lists stay on the last folder that could be read.
void TestFileInfo::unreadableFolder() {
    QFETCH(QString, how);
    QFETCH(QString, message);
    FileInfo window(data());
    const QString data = m_tree->path(QStringLiteral("data"));
    use(window, [&] {
        type(window, QStringLiteral("*.mdb"));
        pressOk(window);
        if (how == QLatin1String("removed")) {
            QVERIFY(QDir(data + QStringLiteral("/new")).removeRecursively());
            clickEntry(folderList(window), data + QStringLiteral("/new"), true);
        } else {
            type(window, how == QLatin1String("missing") ? data + QStringLiteral("/gone/x/*.mdb")
                                                         : data + QStringLiteral("/README/*.mdb"));
            pressOk(window);
        }
        QVERIFY(window.isVisible());
        QCOMPARE(m_watcher->messages(), QStringList({message}));
        QCOMPARE(m_watcher->titles(), QStringList({"kelvane"}));
        QCOMPARE(shownPath(window), data);
        QCOMPARE(folderList(window)->path(), data);
        QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.mdb"));
        QCOMPARE(fileList(window)->entries(), QStringList({"gala1.mdb", "gala2.mdb", "Gala3.mdb", "gala10.mdb"}));
    });
}

void TestFileInfo::folderWithoutPermission() {
    if (::geteuid() == 0)
        QSKIP("the superuser can read every folder; the removed-folder case covers this");
    const QString locked = m_tree->path(QStringLiteral("data/new"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    FileInfo window(data());
    use(window, [&] { clickEntry(folderList(window), locked, true); });
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(m_watcher->messages(), QStringList({"Permission denied"}));
    QCOMPARE(folderList(window)->path(), m_tree->path(QStringLiteral("data")));
}

void TestFileInfo::unreadableDriveGoesBack() {
    FileInfo window(data());
    const QString data = m_tree->path(QStringLiteral("data"));
    const QString drive = driveList(window)->drive();
    use(window, [&] {
        emit driveList(window)->driveChosen(m_tree->path(QStringLiteral("unplugged")));
        QCOMPARE(m_watcher->messages(), QStringList({"No such file or directory"}));
        QCOMPARE(driveList(window)->drive(), drive);
        QCOMPARE(folderList(window)->path(), data);
        // Back on a readable drive, the folder last shown there comes back.
        emit driveList(window)->driveChosen(drive);
        QCOMPARE(folderList(window)->path(), data);
    });
}

void TestFileInfo::secondUseShowsFirstUsesState() {
    FileInfo& window = ui::loadedWindow<FileInfo>(data());
    window.setWindowTitle(QStringLiteral("First caller"));
    const QString old = m_tree->path(QStringLiteral("data/Old"));
    use(window, [&] {
        type(window, old + QStringLiteral("/*.mdb"));
        pressOk(window);
        QTest::mouseClick(cancelButton(window), Qt::LeftButton);
    });
    QCOMPARE(&ui::loadedWindow<FileInfo>(), &window);
    window.setWindowTitle(QStringLiteral("Second caller"));
    const auto chosen = use(window, [&] {
        QCOMPARE(window.windowTitle(), QStringLiteral("Second caller"));
        QCOMPARE(shownPath(window), old);
        QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.mdb"));
        QCOMPARE(textBox(window)->text(), old + QStringLiteral("/*.mdb"));
        QCOMPARE(window.activeList(), FileInfo::NameBox);
        clickEntry(fileList(window), QStringLiteral("old.mdb"), true);
    });
    QCOMPARE(chosen, old + QStringLiteral("/old.mdb"));
    use(window, [&] {
        QCOMPARE(textBox(window)->text(), QStringLiteral("old.mdb"));
        QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.*"));
    });
    ui::unloadWindow<FileInfo>();
}

void TestFileInfo::cancelAfterAnAccept_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("window's close control") << "close";
    QTest::newRow("Escape") << "escape";
}

void TestFileInfo::cancelAfterAnAccept() {
    QFETCH(QString, how);
    FileInfo window(data());
    QCOMPARE(use(window, [&] { clickEntry(fileList(window), QStringLiteral("gala1.mdb"), true); }),
             m_tree->path(QStringLiteral("data/gala1.mdb")));
    const auto chosen = use(window, [&] {
        type(window, QStringLiteral("*.txt"));
        pressOk(window);
        if (how == QLatin1String("button"))
            QTest::mouseClick(cancelButton(window), Qt::LeftButton);
        else if (how == QLatin1String("close"))
            QVERIFY(window.close());
        else
            QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(chosen, std::nullopt);
    // The window itself is as Cancel found it.
    QCOMPARE(fileList(window)->pattern(), QStringLiteral("*.txt"));
    QCOMPARE(textBox(window)->text(), QStringLiteral("*.txt"));
}

void TestFileInfo::newFilesShowOnTheNextUse() {
    FileInfo window(data());
    use(window, [&] { clickEntry(fileList(window), QStringLiteral("notes.txt")); });
    m_tree->touch(QStringLiteral("data/announcer.mdb"));
    const auto chosen = use(window, true, [&] {
        QVERIFY(fileList(window)->entries().contains(QStringLiteral("announcer.mdb")));
        QCOMPARE(fileList(window)->fileName(), QStringLiteral("notes.txt"));
        type(window, QStringLiteral("announcer.mdb"));
        pressOk(window);
    });
    QCOMPARE(chosen, m_tree->path(QStringLiteral("data/announcer.mdb")));
}

QTEST_MAIN(TestFileInfo)
#include "tst_fileinfo.moc"
