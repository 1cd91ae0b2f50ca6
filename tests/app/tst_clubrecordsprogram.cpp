#include "clubdatabase.h"
#include "modalwatcher.h"

#include "app/clubrecordsprogram.h"
#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"
#include "clubrecords/records.h"
#include "dialogs/fileinfo.h"
#include "dialogs/fileselection.h"
#include "print/qtprinter.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

// Answers the file-select window with a name typed in the folder it shows,
// or Cancel when the name is empty.
ModalWatcher::Answer chooseFile(const QString& name) {
    return [name](QWidget* modal) {
        QVERIFY(qobject_cast<FileInfo*>(modal));
        QTimer::singleShot(0, modal, [modal, name] {
            if (name.isEmpty()) {
                click(modal, "DlgButton_1");
                return;
            }
            modal->findChild<QLineEdit*>(QStringLiteral("TextBox"))->setText(name);
            click(modal, "DlgButton_0");
        });
    };
}

} // namespace

class TestClubRecordsProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cancelEndsAtOnce();
    void printsTheChosenCardsToPdfInHome();

private:
    QTemporaryDir m_home;
};

void TestClubRecordsProgram::initTestCase() {
    ui::registerFontSubstitutes();
    qputenv("HOME", m_home.path().toLocal8Bit());
    if (print::QtPrinter::hasDefaultPrinter())
        QSKIP("a default printer is installed: cards would go to paper");
}

void TestClubRecordsProgram::init() {
    Selected_Folder.clear();
    Selected_File_Name.clear();
    Card_Keys.clear();
}

void TestClubRecordsProgram::cleanup() {
    ui::unloadWindow<FileInfo>();
    ui::unloadWindow<Records>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestClubRecordsProgram::cancelEndsAtOnce() {
    ModalWatcher watcher;
    watcher.answerNext(chooseFile(QString()));
    QCOMPARE(runClubRecords(), 0);
    QVERIFY(!Club_DB);
    QVERIFY(!ui::isLoaded<Records>());
    QVERIFY(Card_Keys.empty());
    QVERIFY(File_Must_Exist);
}

void TestClubRecordsProgram::printsTheChosenCardsToPdfInHome() {
    const QString club = m_home.filePath(QStringLiteral("club.db"));
    if (!QFile::exists(club)) {
        clubdb::createClubDatabase(club);
        clubdb::writeRecords(club, clubdb::demoRecords());
    }
    ModalWatcher watcher;
    watcher.answerNext(chooseFile(QStringLiteral("club.db")));
    watcher.answerNext([](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("Records"));
        QTimer::singleShot(0, modal, [modal] {
            click(modal, "FemaleOption");
            click(modal, "Option1");
            click(modal, "UndatedRecs");
            click(modal, "PrintCommand");
            click(modal, "Command3");
        });
    });
    QCOMPARE(runClubRecords(), 0);
    QCOMPARE(Selected_Folder + Selected_File_Name, club);
    QCOMPARE(Card_Keys.size(), size_t(104));
    QVERIFY(!Club_DB);
    const QStringList pdfs = QDir(m_home.path()).entryList({"record-cards-*.pdf"});
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(watcher.messages(),
             QStringList({"Load Pink Cards", "No printer is installed, so the record cards were saved as " +
                                                 m_home.filePath(pdfs.first())}));
    QVERIFY(QFileInfo(m_home.filePath(pdfs.first())).size() > 1000);
}

QTEST_MAIN(TestClubRecordsProgram)
#include "tst_clubrecordsprogram.moc"
