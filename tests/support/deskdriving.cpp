#include "deskdriving.h"

#include "desk/announcerdesk.h"

#include <QDeadlineTimer>
#include <QTest>

// Polls often: the answers come within a millisecond or two, and QTRY's
// 50 ms steps would make every step of a test that much slower.
void settle(desk::AnnouncerDesk& desk) {
    QDeadlineTimer deadline(20000);
    while (!desk.isSettled() && !deadline.hasExpired())
        QTest::qWait(1);
    QVERIFY(desk.isSettled());
}

void openDesk(desk::AnnouncerDesk& desk, const QString& path) {
    desk.open(path);
    settle(desk);
}

QStringList lines(desk::AnnouncerDesk& desk) {
    QStringList result;
    const desk::MessageList* list = desk.messages();
    for (int line = 0; line < list->rowCount(); ++line)
        result << list->line(line)->text;
    return result;
}

namespace {

desk::DeskDisplay& at(desk::AnnouncerDesk& desk, desk::DeskDisplay* display) {
    return display ? *display : desk.windowDisplay();
}

} // namespace

void choose(desk::AnnouncerDesk& desk, int line, desk::DeskDisplay* display) {
    const desk::MessageList::Line* chosen = desk.messages()->line(line);
    QVERIFY(chosen);
    at(desk, display).choose(chosen->key);
    settle(desk);
}

void dismiss(desk::AnnouncerDesk& desk, desk::DeskDisplay* display) {
    at(desk, display).dismiss();
    settle(desk);
}

void undo(desk::AnnouncerDesk& desk, desk::DeskDisplay* display) {
    at(desk, display).undo();
    settle(desk);
}

void refresh(desk::AnnouncerDesk& desk) {
    desk.refresh();
    settle(desk);
}

void check(desk::AnnouncerDesk& desk) {
    desk.check();
    settle(desk);
}
