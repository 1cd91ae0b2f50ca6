#include "screendriving.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

QListWidget* list(AnnouncerScreen& screen) {
    return screen.findChild<QListWidget*>(QStringLiteral("Announcement_List"));
}

QPlainTextEdit* text(AnnouncerScreen& screen) {
    return screen.findChild<QPlainTextEdit*>(QStringLiteral("Current_Announcement"));
}

QPushButton* button(AnnouncerScreen& screen, const char* name) {
    return screen.findChild<QPushButton*>(QLatin1String(name));
}

QStringList lines(AnnouncerScreen& screen) {
    QStringList result;
    for (int i = 0; i < list(screen)->count(); ++i)
        result << list(screen)->item(i)->text();
    return result;
}

// Polls often: the answers come within a millisecond or two, and QTRY's
// 50 ms steps would make every step of a window test that much slower.
void settle(AnnouncerScreen& screen) {
    QDeadlineTimer deadline(20000);
    while (!screen.isSettled() && !deadline.hasExpired())
        QTest::qWait(1);
    QVERIFY(screen.isSettled());
}

void choose(AnnouncerScreen& screen, int row) {
    QListWidget* l = list(screen);
    l->scrollToItem(l->item(row));
    const QRect rect = l->visualItemRect(l->item(row));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
    settle(screen);
    QVERIFY(l->selectedItems().isEmpty());
}

void dismiss(AnnouncerScreen& screen) {
    QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
    settle(screen);
}

void refresh(AnnouncerScreen& screen) {
    screen.Refresh_Form();
    settle(screen);
}

void tick(AnnouncerScreen& screen) {
    screen.timerTick();
    settle(screen);
}

void runScreen(AnnouncerScreen& screen, const QString& path, const std::function<void()>& whileOpen) {
    Announcer_DB_Path = path;
    Screen_Entry_Mode = 2;
    QTimer::singleShot(0, &screen, [&] {
        settle(screen);
        whileOpen();
        if (screen.isVisible())
            QTest::mouseClick(button(screen, "Command1"), Qt::LeftButton);
    });
    screen.showModal();
}
