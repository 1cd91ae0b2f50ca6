#pragma once

#include "desk/announcerdesk.h"
#include "desk/plannedsheet.h"
#include "station/stationserver.h"
#include "store/failure.h"

#include <optional>

// One run of the announcer's desk, whatever shows it: the desk and its
// browser station, and the settings they go by. main builds one for the window program and one for
// kelvane serve and hands its parts to the views (the intro screen, the
// announcer screen, the station window); while it lives, the general error
// report lets go of its database first.
class AnnouncerSession {
public:
    // The desk's settings are kept in the file at settingsPath.
    explicit AnnouncerSession(const QString& settingsPath = desk::DeskSettings::defaultPath());
    ~AnnouncerSession();
    AnnouncerSession(const AnnouncerSession&) = delete;
    AnnouncerSession& operator=(const AnnouncerSession&) = delete;

    desk::DeskSettings& settings() { return m_settings; }
    desk::AnnouncerDesk& desk() { return m_desk; }
    desk::PlannedSheet& planned() { return m_planned; }
    station::StationServer& station() { return m_station; }

    // Starts the station where asked ("[ADDRESS][:PORT]"), or where it
    // listened last when it was on then or always is true; nothing is done
    // when neither. The reason when it cannot start, which the station
    // keeps for its window too.
    store::Failure startStation(const std::optional<QString>& asked, bool always = false);
    // Prints each of the station's links as a line ROLE URL, for whoever
    // started the desk.
    void printLinks() const;

private:
    desk::DeskSettings m_settings;
    desk::AnnouncerDesk m_desk{m_settings};
    desk::PlannedSheet m_planned{m_desk};
    station::StationServer m_station{m_desk, &m_planned};
};
