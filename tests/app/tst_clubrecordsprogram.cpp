#include "clubdatabase.h"
#include "modalwatcher.h"
#include "testengine.h"
#include "windowdriving.h"

#include "app/clubrecordsprogram.h"
#include "clubrecords/records.h"
#include "dialogs/fileinfo.h"
#include "print/qtprinter.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"

#include <QDir>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

// The folder the file-select window shows.
QString shownFolder(QWidget* chooser) {
    return chooser->findChild<QWidget*>(QStringLiteral("PathSpec"))->toolTip();
}

} // namespace

class TestClubRecordsProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void unusableFileGoesBackToTheChooser_data();
    void unusableFileGoesBackToTheChooser();
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

void TestClubRecordsProgram::cleanup() {
    ui::unloadWindow<FileInfo>();
    ui::unloadWindow<Records>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestClubRecordsProgram::unusableFileGoesBackToTheChooser_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    QTest::newRow("cancelled at once") << QString() << QString() << QString();
    QTest::newRow("not a database") << "notes.txt" << QString() << "the file is not a database";
    QTest::newRow("no Club Record query") << "club.db"
                                          << R"(DELETE FROM "Saved Queries")"
                                          << "'Club Record'";
    QTest::newRow("setup without a count")
        << "club.db"
        << R"(DELETE FROM "Club Setup" WHERE Name = 'ACR_Card_Count')"
        << "The club setup has no 'ACR_Card_Count'.";
}

// The file and the reason are shown, the chooser asks again where the user
// left it, and Cancel then ends the program at once, with nothing printed.
void TestClubRecordsProgram::unusableFileGoesBackToTheChooser() {
    QFETCH(QString, file);
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    if (file.endsWith(QLatin1String(".db"))) {
        clubdb::createClubDatabase(path);
        execOn(path, sql);
    } else if (!file.isEmpty()) {
        QFile text(path);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Gala notes\n");
    }
    ModalWatcher watcher;
    QString shownFirst;
    QString shownAgain;
    watcher.answerNext([&](QWidget* chooser) {
        shownFirst = shownFolder(chooser);
        chooseFile(file.isEmpty() ? QString() : path)(chooser);
    });
    watcher.answerNext([&](QWidget* chooser) {
        shownAgain = shownFolder(chooser);
        chooseFile(QString())(chooser);
    });
    QCOMPARE(runClubRecords(), 0);
    QCOMPARE(shownFirst, m_home.path());
    QCOMPARE(watcher.messages().size(), file.isEmpty() ? 0 : 1);
    if (!file.isEmpty()) {
        QVERIFY2(watcher.messages().first().startsWith(
                     path + " cannot be used as the club database.\n\n") &&
                     watcher.messages().first().contains(reason),
                 qPrintable(watcher.messages().first()));
    }
    QCOMPARE(shownAgain, file.isEmpty() ? QString() : folder.path());
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    QVERIFY(!ui::isLoaded<Records>());
    QVERIFY(QDir(m_home.path()).entryList({"record-cards-*.pdf"}).isEmpty());
}

void TestClubRecordsProgram::printsTheChosenCardsToPdfInHome() {
    const QString club = m_home.filePath(QStringLiteral("club.db"));
    if (!QFile::exists(club)) {
        clubdb::createClubDatabase(club);
        clubdb::writeRecords(club, clubdb::demoRecords());
    }
    ModalWatcher watcher;
    watcher.answerNext(chooseFile(club));
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
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    const QStringList pdfs = QDir(m_home.path()).entryList({"record-cards-*.pdf"});
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(watcher.messages(),
             QStringList({"Load Pink Cards", "No printer is installed, so the record cards were saved as " +
                                                 m_home.filePath(pdfs.first())}));
    QVERIFY(QFileInfo(m_home.filePath(pdfs.first())).size() > 1000);
}

QTEST_MAIN(TestClubRecordsProgram)
#include "tst_clubrecordsprogram.moc"
