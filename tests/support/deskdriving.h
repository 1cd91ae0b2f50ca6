#pragma once

#include "desk/announcerdesk.h"

#include <QString>
#include <QStringList>

// Driving an announcer desk as its views do, each step waited for: the
// desk's database answers from a thread of its own.
void settle(AnnouncerDesk& desk);
// Opens the desk on path and waits for the first listing.
void openDesk(AnnouncerDesk& desk, const QString& path);
// The list's lines, as every view shows them.
QStringList lines(AnnouncerDesk& desk);
void choose(AnnouncerDesk& desk, int line, const QString& station = AnnouncerDesk::deskStation);
void dismiss(AnnouncerDesk& desk, const QString& station = AnnouncerDesk::deskStation);
void undo(AnnouncerDesk& desk, const QString& station = AnnouncerDesk::deskStation);
void refresh(AnnouncerDesk& desk);
// One of the desk's regular looks at the file.
void check(AnnouncerDesk& desk);
