#include "announcerfixture.h"
#include "modalwatcher.h"

#include "announcer/announcerscreen.h"
#include "ui/windowregistry.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"
#include "store/kelvaneerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// An object whose event handling fails the way a database operation can.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw store::KelvaneError(store::ErrorNumber::NotADatabase, QStringLiteral("'x' is not an announcer database"));
        return QObject::event(event);
    }
};

AnnouncerDesk& announcerDesk() { return ui::loadedWindow<AnnouncerScreen>().desk(); }

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void reportClosesTheDatabaseAndEnds();
    void errorWhileTheReportIsOpen();
};

void TestErrorReport::reportClosesTheDatabaseAndEnds() {
    AnnouncerFixture fixture;
    announcerDesk().open(fixture.path());
    int endedWith = -1;
    setProgramEnding([&](int status) { endedWith = status; });
    ModalWatcher watcher;
    FailingObject failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
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
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errorreport.moc"
