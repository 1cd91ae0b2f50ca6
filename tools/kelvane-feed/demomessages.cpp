#include "demomessages.h"

#include <QStringList>

namespace feed {

QString demoMessage(int n) {
    static const QStringList messages = {
        QStringLiteral("Event 12 Girls 100m Freestyle\r\nResults are now available.\r\n"
                       "1st Amy Hartley 1:04.32\r\n2nd Chloe Barnes 1:05.10\r\n3rd Ruth Osei 1:06.87"),
        QStringLiteral("Would the parents of Tom Fielding please come to the recording desk."),
        QStringLiteral("Marshalling\r\nEvent 15 Boys 50m Backstroke is now called to the marshalling area."),
        QStringLiteral("NEW CLUB RECORD\r\nEvent 9 Girls 200m Individual Medley\r\n"
                       "Sophie Lindqvist 2:31.45\r\nprevious record 2:33.02 (2019)"),
        QStringLiteral("The cafe closes at 4 pm. Please collect lost property from the poolside table."),
        QStringLiteral("Event 17 Mixed 4 x 50m Medley Relay\r\nTeams: please hand relay cards to the referee."),
        QStringLiteral("Session two warm-up starts at 1:15 pm.\r\nLanes 1-3 swimmers from Northgate, "
                       "lanes 4-6 from Riverside."),
        QStringLiteral("Disqualification\r\nEvent 14 Boys 100m Breaststroke, heat 2 lane 5: "
                       "non-simultaneous touch."),
    };
    return messages.at(n % messages.size());
}

} // namespace feed
