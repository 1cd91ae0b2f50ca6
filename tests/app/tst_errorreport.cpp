#include "announcerfixture.h"
#include "modalwatcher.h"

#include "announcer/announcerdatabase.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"
#include "store/kelvaneerror.h"

#include <QTest>

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

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void reportClosesTheDatabaseAndEnds();
};

void TestErrorReport::reportClosesTheDatabaseAndEnds() {
    AnnouncerFixture fixture;
    Announcer_DB_Path = fixture.path();
    openAnnouncerDatabase();
    int endedWith = -1;
    setProgramEnding([&](int status) { endedWith = status; });
    ModalWatcher watcher;
    FailingObject failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTRY_COMPARE(endedWith, 1);
    QCOMPARE(watcher.messages(), QStringList({errorReportText(3343, "'x' is not an announcer database")}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    QVERIFY(!Announcer_DB_Open);
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errorreport.moc"
