#pragma once

#include "store/failure.h"

#include <QString>

namespace station {

class StationServer;

// Starts the station where text says ("[ADDRESS][:PORT]", empty for the
// default address), over HTTPS when the desk settings name a certificate
// and a key, and remembers the choice for the next run. The reason when
// it cannot start, which the station keeps (startFailure).
store::Failure startAndRemember(StationServer& server, const QString& where);
// Stops it, and remembers that it is off.
void stopAndRemember(StationServer& server);

} // namespace station
