// The announcer screen as a view of the desk: what needs a window (clicks,
// keys, fonts, tooltips, the caption, closing). What the desk does with
// the database is tested on the desk itself (tests/desk).
#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "testengine.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "app/kelvaneapplication.h"
#include "desk/desksettings.h"
#include "desk/readoutlog.h"

#include <QDir>
#include <QHelpEvent>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

// A key pressed where the announcer's focus is, on the list, and its
// outcome waited for.
void press(AnnouncerScreen& screen, QKeyCombination key) {
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    list(screen)->setFocus();
    QTest::keyClick(list(screen), key.key(), key.keyboardModifiers());
    settle(screen);
}

// How a list line looks on the screen now.
QImage lineImage(AnnouncerScreen& screen, int row) {
    const QRect line = list(screen)->visualRect(list(screen)->model()->index(row, 0));
    return list(screen)->viewport()->grab(line).toImage();
}

} // namespace

class TestAnnouncerScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void opensAsDesignedAndDismissesByClick();
    void keyboardChoosesLikeAClick();
    void typingDoesNotChangeTheDatabase();
    void newLineIsBoldWithItsArrivalInTheTooltip_data();
    void newLineIsBoldWithItsArrivalInTheTooltip();
    void urgentLineIsMarkedUntilShown();
    void cursorAndScrollStayWithTheirLines();
    void undoAndReadOutTodayByKeys();
    void readingSizeKeys();
    void plannedMessagesByKeys();
    void displayOnlyNeverDeletes();
    void noticesAreShown();
    void closingKeepsTheDatabaseOpen();
    void closedByTheDeskSaysWhy_data();
    void closedByTheDeskSaysWhy();

private:
    QTemporaryDir m_home;
    const QString m_settingsPath = m_home.filePath("desk.ini");
};

void TestAnnouncerScreen::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
}

void TestAnnouncerScreen::cleanup() {
    QDir(desk::readoutlog::folder()).removeRecursively();
    QFile::remove(m_settingsPath);
}

void TestAnnouncerScreen::opensAsDesignedAndDismissesByClick() {
    AnnouncerFixture fixture;
    fixture.addRow(12, QStringLiteral("Event 3 results\r\n1st Amy"));
    fixture.addRow(3, QStringLiteral("Parents of Tom"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({"3:Parents of Tom", "12:Event 3 results"}));
        // The arrows and Delete work from the start.
        QCOMPARE(screen.focusWidget(), list(screen));
        QCOMPARE(screen.desk().lookTimer().interval(), 5000);
        QVERIFY(screen.desk().isLooking());
        choose(screen, 1);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("Event 3 results\n1st Amy"));
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"3:Parents of Tom"}));
        QVERIFY(text(screen)->toPlainText().isEmpty());
    });
    QVERIFY(!screen.desk().isOpen());
    QVERIFY(!screen.desk().isLooking());
    QCOMPARE(fixture.rowCount(), 1);
}

// The arrows choose as they move; Enter and Space choose the line at the
// cursor; Delete dismisses only what Dismiss would, in the message box too
// until the announcer edits there; F5 reads at once.
void TestAnnouncerScreen::keyboardChoosesLikeAClick() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        // Focus puts the cursor on the first line without choosing it.
        press(screen, Qt::Key_Delete);
        QCOMPARE(fixture.rowCount(), 2);
        press(screen, Qt::Key_Return);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        QTest::keyClick(list(screen), Qt::Key_Down);
        QTRY_COMPARE(text(screen)->toPlainText(), QStringLiteral("two"));
        QTest::keyClick(list(screen), Qt::Key_Up);
        QTRY_COMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        settle(screen);
        QVERIFY(!list(screen)->selectionModel()->hasSelection());
        press(screen, Qt::Key_Delete);
        QCOMPARE(lines(screen), QStringList({"2:two"}));
        press(screen, Qt::Key_Delete);
        QCOMPARE(fixture.rowCount(), 1);
        screen.desk().lookTimer().stop();
        fixture.addRow(3, QStringLiteral("three"));
        press(screen, Qt::Key_F5);
        QTRY_COMPARE(lines(screen), QStringList({"2:two", "3:three"}));
        press(screen, Qt::Key_Space);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("two"));
        text(screen)->setFocus();
        QTest::keyClick(text(screen), Qt::Key_X);
        QTest::keyClick(text(screen), Qt::Key_Delete);
        settle(screen);
        QCOMPARE(lines(screen), QStringList({"2:two", "3:three"}));
        choose(screen, 0);
        text(screen)->setFocus();
        QTest::keyClick(text(screen), Qt::Key_Delete);
        settle(screen);
        QCOMPARE(lines(screen), QStringList({"3:three"}));
    });
}

void TestAnnouncerScreen::typingDoesNotChangeTheDatabase() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("original"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 0);
        QTest::keyClicks(text(screen), QStringLiteral(" edited"));
        tick(screen);
    });
    QCOMPARE(fixture.rows().front().second, QStringLiteral("original"));
}

void TestAnnouncerScreen::newLineIsBoldWithItsArrivalInTheTooltip_data() {
    QTest::addColumn<int>("sequence");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("unseen");
    QTest::newRow("at the end, the list at the top") << 31 << 30 << " \u2014 1 new below";
    QTest::newRow("urgent at the top, the list at the end") << 0 << 0 << " \u2014 1 new above";
}

// A new line is bold, tells its arrival in its tooltip, and while it is out
// of sight the caption counts it on its side.
void TestAnnouncerScreen::newLineIsBoldWithItsArrivalInTheTooltip() {
    QFETCH(int, sequence);
    QFETCH(int, row);
    QFETCH(QString, unseen);
    AnnouncerFixture fixture;
    for (int n = 1; n <= 60; ++n)
        fixture.addRow(n, QStringLiteral("message %1").arg(n));
    const QDateTime now(QDate(2025, 6, 14), QTime(14, 0));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    screen.desk().setClock([&] { return now; });
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        if (row == 0)
            list(screen)->scrollToBottom();
        fixture.addRow(sequence, QStringLiteral("new"));
        tick(screen);
        QVERIFY2(screen.windowTitle().endsWith(unseen), qPrintable(screen.windowTitle()));
        const QModelIndex line = list(screen)->model()->index(row, 0);
        list(screen)->scrollTo(line);
        QVERIFY(!screen.windowTitle().contains(QStringLiteral(" new ")));
        const QImage bold = lineImage(screen, row);
        const QRect place = list(screen)->visualRect(line);
        QHelpEvent help(QEvent::ToolTip, place.center(),
                        list(screen)->viewport()->mapToGlobal(place.center()));
        QApplication::sendEvent(list(screen)->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("arrived 14:00, just now"));
        choose(screen, row);
        QVERIFY(lineImage(screen, row) != bold);
    });
}

// An urgent line says so on the line, in red on pink, and the caption
// counts it until it is shown, wherever the list is scrolled.
void TestAnnouncerScreen::urgentLineIsMarkedUntilShown() {
    AnnouncerFixture fixture;
    for (int n = 1; n <= 60; ++n)
        fixture.addRow(n, QStringLiteral("message %1").arg(n));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        choose(screen, 59);
        fixture.addRow(-1, QStringLiteral("From Referee: stop the race"));
        tick(screen);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Announcers Screen \u2014 URGENT, not yet "
                                                      "shown: 1 \u2014 1 new above"));
        press(screen, Qt::Key_PageUp);
        QVERIFY2(screen.windowTitle().endsWith(QStringLiteral(" \u2014 1 new above")),
                 qPrintable(screen.windowTitle()));
        list(screen)->scrollToTop();
        QCOMPARE(lineImage(screen, 0).pixelColor(1, 1), QColor(0xfd, 0xe2, 0xde));
        choose(screen, 0);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Announcers Screen"));
    });
}

// Lines that come and go above the ones in view move neither the lines
// in view nor the cursor off their lines.
void TestAnnouncerScreen::cursorAndScrollStayWithTheirLines() {
    AnnouncerFixture fixture;
    for (int n = 1; n <= 60; ++n)
        fixture.addRow(n, QStringLiteral("message %1").arg(n));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        choose(screen, 45);
        list(screen)->scrollTo(list(screen)->model()->index(40, 0), QListView::PositionAtTop);
        const auto atTop = [&] { return list(screen)->indexAt(QPoint(1, 1)).data().toString(); };
        QCOMPARE(atTop(), QStringLiteral("41:message 41"));
        execOn(fixture.path(), QStringLiteral("DELETE FROM Announcements WHERE Sequence < 4"));
        fixture.addRow(10, QStringLiteral("between"));
        fixture.addRow(0, QStringLiteral("urgent"));
        tick(screen);
        QCOMPARE(atTop(), QStringLiteral("41:message 41"));
        QCOMPARE(list(screen)->currentIndex().data().toString(), QStringLiteral("46:message 46"));
    });
}

// Delete and Ctrl+Z, then Ctrl+H lists what was read out. The list's
// cursor stays on the message on display, which is what Delete dismisses;
// after Ctrl+Z that is the message it put back.
void TestAnnouncerScreen::undoAndReadOutTodayByKeys() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    fixture.addRow(3, QStringLiteral("three"));
    const QDateTime galaTime(QDate(2025, 6, 14), QTime(14, 0));
    ModalWatcher watcher;
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    screen.desk().setClock([&] { return galaTime; });
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 0);
        press(screen, Qt::Key_Delete);
        choose(screen, 0);
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen), QStringList({"1:one", "2:two", "3:three"}));
        QCOMPARE(list(screen)->currentIndex().row(), 0);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        press(screen, Qt::Key_Delete);
        QCOMPARE(lines(screen), QStringList({"2:two", "3:three"}));
        QStringList readOut;
        watcher.answerNext([&](QWidget* window) {
            const auto* shown = window->findChild<QListWidget*>(QStringLiteral("ReadOutList"));
            for (int line = 0; line < shown->count(); ++line)
                readOut << shown->item(line)->text();
            window->close();
        });
        press(screen, Qt::CTRL | Qt::Key_H);
        QCOMPARE(readOut, QStringList({"14:00:00  1:one", "14:00:00  (undone 14:00:00)  1:one"}));
    });
    QCOMPARE(fixture.rowCount(), 2);
    QVERIFY(watcher.messages().isEmpty());
}

// F8 opens the planned messages beside the screen; Insert in the table
// plans the form's message, which is due and listed at once, and Delete
// takes it off the sheet (its row stays listed, as any message).
void TestAnnouncerScreen::plannedMessagesByKeys() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station(), &session.planned());
    screen.desk().setClock([] { return QDateTime(QDate(2025, 6, 14), QTime(14, 0)); });
    runScreen(screen, fixture.path(), [&] {
        press(screen, Qt::Key_F8);
        auto* window = screen.findChild<QDialog*>(QStringLiteral("PlannedMessages"));
        QVERIFY(window && window->isVisible());
        auto* table = window->findChild<QTableView*>(QStringLiteral("PlannedTable"));
        window->findChild<QPlainTextEdit*>(QStringLiteral("PlannedText"))->setPlainText("Raffle");
        QApplication::setActiveWindow(window);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(table->model()->rowCount(), 1);
        QTRY_COMPARE(lines(screen), QStringList({"Raffle", "1:one"}));
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->model()->rowCount(), 0);
    });
    QCOMPARE(fixture.rowCount(), 2);
}

// Ctrl+Plus, Ctrl+Minus and Ctrl+0 size the message and the list together;
// enlarged, the message wraps at word boundaries.
void TestAnnouncerScreen::readingSizeKeys() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    const auto sizes = [&] {
        return std::pair(text(screen)->font().pointSizeF(), list(screen)->font().pointSizeF());
    };
    runScreen(screen, fixture.path(), [&] {
        press(screen, Qt::CTRL | Qt::Key_Plus);
        press(screen, Qt::CTRL | Qt::Key_Equal);
        QCOMPARE(sizes(), std::pair(14.0, 14.0));
        QCOMPARE(text(screen)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        press(screen, Qt::CTRL | Qt::Key_0);
        QCOMPARE(sizes(), std::pair(9.75, 9.75));
        QCOMPARE(text(screen)->lineWrapMode(), QPlainTextEdit::NoWrap);
        press(screen, Qt::CTRL | Qt::Key_Minus);
    });
    runScreen(screen, fixture.path(), [&] { QCOMPARE(sizes(), std::pair(8.0, 8.0)); });
}

void TestAnnouncerScreen::displayOnlyNeverDeletes() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    screen.desk().setDisplayOnly(true);
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(screen.windowTitle().endsWith("display only"));
        QVERIFY(!button(screen, "Command2")->isEnabled());
        choose(screen, 0);
        press(screen, Qt::Key_Delete);
        press(screen, Qt::CTRL | Qt::Key_Z);
    });
    QCOMPARE(fixture.rowCount(), 1);
}

// What the desk has to say reaches the announcer as a message over the
// screen, without holding the window's events (no nested event loop).
void TestAnnouncerScreen::noticesAreShown() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    ModalWatcher watcher;
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        press(screen, Qt::CTRL | Qt::Key_Z);
        QTRY_COMPARE(watcher.messages(), QStringList({"There is no dismissal to undo."}));
        QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    });
}

// Escape does nothing; the close control closes the screen but keeps the
// database open for the next opening.
void TestAnnouncerScreen::closingKeepsTheDatabaseOpen() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    runScreen(screen, fixture.path(), [&] {
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        screen.close();
    });
    QVERIFY(screen.desk().isFileAt(fixture.path()));
}

void TestAnnouncerScreen::closedByTheDeskSaysWhy_data() {
    QTest::addColumn<QString>("cause");
    QTest::newRow("the file vanished") << "vanished";
    QTest::newRow("a server that cannot be reached") << "server down";
}

// When the desk lets go of its database, the screen closes and then says
// why, naming the file or the server.
void TestAnnouncerScreen::closedByTheDeskSaysWhy() {
    QFETCH(QString, cause);
    AnnouncerFixture fixture;
    QString path = fixture.path();
    if (cause == "server down") {
        path = fixture.dir() + QStringLiteral("/gala.conn");
        QFile connection(path);
        QVERIFY(connection.open(QIODevice::WriteOnly));
        connection.write("postgresql://announcer@127.0.0.1:1/gala?sslmode=disable\n");
    }
    ModalWatcher watcher;
    AnnouncerSession session(m_settingsPath);
    AnnouncerScreen screen(session.desk(), session.station());
    bool stayedOpen = true;
    runScreen(screen, path, [&] {
        if (cause == "vanished") {
            QVERIFY(QFile::remove(path));
            tick(screen);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!screen.isVisible(), 10000);
        stayedOpen = false;
    });
    QVERIFY(!stayedOpen);
    QTRY_COMPARE(watcher.messages().size(), 1);
    const QString message = watcher.messages().front();
    QVERIFY2(message.contains(cause == "vanished" ? path : QStringLiteral("127.0.0.1:1")),
             qPrintable(message));
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    TestAnnouncerScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_announcerscreen.moc"
