#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class AnnouncerScreen;
class QListView;
class QPlainTextEdit;
class QPushButton;

// Reaching and driving the announcer screen's controls as the announcer does.
QListView* list(AnnouncerScreen& screen);
QPlainTextEdit* text(AnnouncerScreen& screen);
QPushButton* button(AnnouncerScreen& screen, const char* name);
QStringList lines(AnnouncerScreen& screen);
int lineCount(AnnouncerScreen& screen);

// Waits until the screen has shown the answer to everything it asked of
// the database (the database works on a thread of its own).
void settle(AnnouncerScreen& screen);
// Clicks a list line (scrolled into view first) and waits for the choice.
void choose(AnnouncerScreen& screen, int row);
// Presses "Dismiss This Message" and waits for the dismissal.
void dismiss(AnnouncerScreen& screen);
// One of the desk's regular looks at the file, and waits for what it reads.
void tick(AnnouncerScreen& screen);

// Opens the screen on path as the intro screen does and runs whileOpen
// inside it, once the load has been answered.
// whileOpen ends with the screen still open unless it closed it itself;
// it is then closed with Exit.
void runScreen(AnnouncerScreen& screen, const QString& path, const std::function<void()>& whileOpen);
