#include "stationstart.h"

#include "stationserver.h"
#include "stationtexts.h"
#include "stationtls.h"

#include "desk/desksettings.h"

namespace station {

store::Failure startAndRemember(StationServer& server, const QString& where) {
    QString error;
    const std::optional<Address> address = parseAddress(where, error);
    if (!address)
        return store::Failure(error);
    std::optional<QSslConfiguration> tls;
    const QString certificate = desk::stationCertificateFile();
    const QString key = desk::stationKeyFile();
    if (!certificate.isEmpty() || !key.isEmpty()) {
        tls = tlsConfiguration(certificate, key, error);
        if (!tls)
            return store::Failure(
                StationTexts::tr("The browser station cannot use its certificate: %1").arg(error));
    }
    if (store::Failure failure = server.start(*address, tls))
        return failure;
    desk::rememberStationChoice({true, where});
    return {};
}

void stopAndRemember(StationServer& server) {
    server.stop();
    desk::rememberStationChoice({false, desk::stationChoice().address});
}

} // namespace station
