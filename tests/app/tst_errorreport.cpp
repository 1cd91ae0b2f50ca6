#include "announcerfixture.h"
#include "modalwatcher.h"

#include "app/announcersession.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"
#include "store/kelvaneerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

// An object whose event handling fails the way a database operation can:
// the error escapes the handler, or the handler posts the report itself.
class FailingObject : public QObject {
public:
    bool posts = false;

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const store::KelvaneError error(store::ErrorNumber::NotADatabase,
                                        QStringLiteral("'x' is not an announcer database"));
        if (!posts)
            throw error;
        postErrorReport(error.number(), error.description());
        return true;
    }
};

// The program's session, whose database the report lets go of.
AnnouncerSession* session = nullptr;
desk::AnnouncerDesk& announcerDesk() {
    return session->desk();
}

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void reportClosesTheDatabaseAndEnds_data();
    void reportClosesTheDatabaseAndEnds();
    void errorWhileTheReportIsOpen();
};

void TestErrorReport::reportClosesTheDatabaseAndEnds_data() {
    QTest::addColumn<bool>("posted");
    QTest::newRow("error escaped its handler") << false;
    QTest::newRow("report posted by the handler") << true;
}

// Only an escaped error is logged as one; a posted report is shown once its
// handler has returned.
void TestErrorReport::reportClosesTheDatabaseAndEnds() {
    QFETCH(bool, posted);
    AnnouncerFixture fixture;
    announcerDesk().open(fixture.path());
    int endedWith = -1;
    setProgramEnding([&](int status) { endedWith = status; });
    ModalWatcher watcher;
    FailingObject failing;
    failing.posts = posted;
    if (posted)
        QTest::failOnWarning(QRegularExpression(escapedErrorWarning));
    else
        QTest::ignoreMessage(
            QtWarningMsg, qPrintable(escapedErrorWarning + ": 'x' is not an announcer database"));
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&failing, QEvent::User);
    QCOMPARE(endedWith, posted ? -1 : 1);
    QTRY_COMPARE(endedWith, 1);
    QCOMPARE(watcher.messages(), QStringList({errorReportText(3343, "'x' is not an announcer database")}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    QVERIFY(!announcerDesk().isOpen());
}

// Timers keep firing while the report waits for the person. A second error
// meanwhile belongs to the same failure: one report, one ending, and the
// database is already closed so nothing else can reach it.
void TestErrorReport::errorWhileTheReportIsOpen() {
    AnnouncerFixture fixture;
    announcerDesk().open(fixture.path());
    int endings = 0;
    setProgramEnding([&](int) { ++endings; });
    FailingObject failing;
    int reports = 0;
    bool openDuringReport = true;
    QTimer person;
    connect(&person, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (++reports == 1) {
            openDuringReport = announcerDesk().isOpen();
            QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
            QCoreApplication::sendPostedEvents(&failing, QEvent::User);
        }
        box->button(QMessageBox::Ok)->click();
    });
    person.start(10);
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTRY_COMPARE(endings, 1);
    QTest::qWait(100);
    QCOMPARE(endings, 1);
    QCOMPARE(reports, 1);
    QVERIFY(!openDuringReport);
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    AnnouncerSession programSession;
    session = &programSession;
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errorreport.moc"
