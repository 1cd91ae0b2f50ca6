#pragma once

#include <QString>

namespace feed {

// A realistic message of the kind a meet-management program leaves for the
// announcer; n picks one of them, in a fixed rotation.
QString demoMessage(int n);

} // namespace feed
