#pragma once

#include "desk/announcerdesk.h"

#include <QString>
#include <QStringList>

// Driving an announcer desk as its views do, each step waited for: the
// desk's database answers from a thread of its own.
void settle(desk::AnnouncerDesk& desk);
// Opens the desk on path and waits for the first listing.
void openDesk(desk::AnnouncerDesk& desk, const QString& path);
// The list's lines, as every view shows them.
QStringList lines(desk::AnnouncerDesk& desk);
// At the given display, or the window's.
void choose(desk::AnnouncerDesk& desk, int line, desk::DeskDisplay* display = nullptr);
void dismiss(desk::AnnouncerDesk& desk, desk::DeskDisplay* display = nullptr);
void undo(desk::AnnouncerDesk& desk, desk::DeskDisplay* display = nullptr);
void refresh(desk::AnnouncerDesk& desk);
// One of the desk's regular looks at the file.
void check(desk::AnnouncerDesk& desk);
