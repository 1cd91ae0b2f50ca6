#pragma once

#include <QCoreApplication>

namespace desk {

// The texts of the desk's parts that are no QObject, in the person's
// language (translation context "Desk").
struct DeskTexts {
    Q_DECLARE_TR_FUNCTIONS(Desk)
};

} // namespace desk
