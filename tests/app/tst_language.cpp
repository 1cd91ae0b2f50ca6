// kelvane in the person's language: started with LANGUAGE=de, the intro,
// the announcer screen, the desk's notices and Qt's standard buttons speak
// German.
#include "announcerfixture.h"
#include "deskdriving.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "app/announceintro.h"
#include "app/kelvaneapplication.h"
#include "desk/announcerdesk.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void germanDesk();
};

void TestLanguage::germanDesk() {
    AnnouncerSession session;
    const AnnounceIntro intro(session);
    QCOMPARE(intro.windowTitle(), QStringLiteral("Sprechermodul"));
    const AnnouncerScreen screen(session.desk(), session.station());
    QCOMPARE(screen.windowTitle(), QStringLiteral("Sprecheransicht"));
    const AnnouncerFixture fixture;
    desk::AnnouncerDesk desk(session.settings());
    openDesk(desk, fixture.path());
    QSignalSpy notices(&desk.windowDisplay(), &desk::DeskDisplay::notice);
    desk.windowDisplay().undo();
    QCOMPARE(notices.value(0).value(0).toString(),
             QStringLiteral("Es gibt keine Erledigung, die sich zurücknehmen ließe."));
    const QDialogButtonBox buttons(QDialogButtonBox::Close);
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')),
             QStringLiteral("Schließen"));
}

// The language is chosen as the application starts, from its environment.
int main(int argc, char** argv) {
    qputenv("LANGUAGE", "de");
    const KelvaneApplication app(argc, argv);
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
