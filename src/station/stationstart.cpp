#include "stationstart.h"

#include "stationserver.h"
#include "stationtexts.h"
#include "stationtls.h"

#include "desk/desksettings.h"

namespace station {

using store::Failure;

namespace {

Failure start(StationServer& server, const QString& where) {
    QString error;
    const std::optional<Address> address = parseAddress(where, error);
    if (!address)
        return Failure(error);
    std::optional<QSslConfiguration> tls;
    const QString certificate = server.settings().stationCertificateFile();
    const QString key = server.settings().stationKeyFile();
    if (!certificate.isEmpty() || !key.isEmpty()) {
        tls = tlsConfiguration(certificate, key, error);
        if (!tls)
            return Failure(
                StationTexts::tr("The browser station cannot use its certificate: %1").arg(error));
    }
    if (Failure failure = server.start(*address, tls))
        return failure;
    server.settings().rememberStationChoice({true, where});
    return {};
}

} // namespace

Failure startAndRemember(StationServer& server, const QString& where) {
    Failure failure = start(server, where);
    if (failure)
        server.failedToStart(failure.reason());
    return failure;
}

void stopAndRemember(StationServer& server) {
    server.stop();
    desk::DeskSettings& settings = server.settings();
    settings.rememberStationChoice({false, settings.stationChoice().address});
}

} // namespace station
