#pragma once

class QTimer;

// Confirms or finds the announcer database when the screen was not opened
// by the intro screen: asks whether to keep Announcer_DB_Path, else lets
// the user pick the file. Returns true with a path to open left in
// Announcer_DB_Path; otherwise says "No Announcer Database" and sets timer1
// to close the screen half a second later.
bool locateAnnouncerDatabase(QTimer& timer1);
