#pragma once

#include <QCoreApplication>

namespace station {

// The station's texts in the person's language (translation context
// "Station").
struct StationTexts {
    Q_DECLARE_TR_FUNCTIONS(Station)
};

} // namespace station
