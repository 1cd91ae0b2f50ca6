#include "announcersession.h"

#include "errorreport.h"

#include "station/stationstart.h"

#include <cstdio>

AnnouncerSession::AnnouncerSession(const QString& settingsPath)
    : m_settings(settingsPath) {
    setErrorReportClosing([this] { m_desk.close(); });
}

AnnouncerSession::~AnnouncerSession() {
    setErrorReportClosing({});
}

store::Failure AnnouncerSession::startStation(const std::optional<QString>& asked, bool always) {
    const desk::StationChoice remembered = m_settings.stationChoice();
    if (!asked && !remembered.on && !always)
        return {};
    return station::startAndRemember(m_station, asked.value_or(remembered.address));
}

void AnnouncerSession::printLinks() const {
    for (const station::Role role : m_station.roles())
        std::printf("%s %s\n", qPrintable(station::roleName(role)),
                    m_station.link(role).toEncoded().constData());
    std::fflush(stdout);
}
