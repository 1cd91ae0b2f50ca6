#pragma once

#include <QString>

#include <optional>

class QTimer;

// Confirms or finds the announcer database when the screen was not opened
// by the intro screen: asks whether to keep the remembered path, else lets
// the user pick the file. Returns the path to open; otherwise says "No
// Announcer Database" and sets timer1 to close the screen half a second
// later.
std::optional<QString> locateAnnouncerDatabase(const QString& remembered, QTimer& timer1);
