#include "screendriving.h"

#include "announcer/announcerscreen.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

QListView* list(AnnouncerScreen& screen) {
    return screen.findChild<QListView*>(QStringLiteral("Announcement_List"));
}

QPlainTextEdit* text(AnnouncerScreen& screen) {
    return screen.findChild<QPlainTextEdit*>(QStringLiteral("Current_Announcement"));
}

QPushButton* button(AnnouncerScreen& screen, const char* name) {
    return screen.findChild<QPushButton*>(QLatin1String(name));
}

QStringList lines(AnnouncerScreen& screen) {
    QStringList result;
    const QAbstractItemModel* model = list(screen)->model();
    for (int i = 0; i < model->rowCount(); ++i)
        result << model->index(i, 0).data().toString();
    return result;
}

int lineCount(AnnouncerScreen& screen) { return list(screen)->model()->rowCount(); }

// Polls often: the answers come within a millisecond or two, and QTRY's
// 50 ms steps would make every step of a window test that much slower.
void settle(AnnouncerScreen& screen) {
    QDeadlineTimer deadline(20000);
    while (!screen.isSettled() && !deadline.hasExpired())
        QTest::qWait(1);
    QVERIFY(screen.isSettled());
}

void choose(AnnouncerScreen& screen, int row) {
    QListView* l = list(screen);
    const QModelIndex line = l->model()->index(row, 0);
    l->scrollTo(line);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(line).center());
    settle(screen);
    QVERIFY(!l->selectionModel()->hasSelection());
}

void dismiss(AnnouncerScreen& screen) {
    QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
    settle(screen);
}

void tick(AnnouncerScreen& screen) {
    screen.desk().check();
    settle(screen);
}

void runScreen(AnnouncerScreen& screen, const QString& path, const std::function<void()>& whileOpen) {
    QTimer::singleShot(0, &screen, [&] {
        settle(screen);
        whileOpen();
        if (screen.isVisible())
            QTest::mouseClick(button(screen, "Command1"), Qt::LeftButton);
    });
    screen.showModal(path);
}
