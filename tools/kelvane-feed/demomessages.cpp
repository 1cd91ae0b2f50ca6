#include "demomessages.h"

#include <QCoreApplication>

#include <iterator>

namespace feed {

namespace {

// What a meet-management program might leave for the announcer during a
// gala, in the person's language.
constexpr const char* messages[] = {
    QT_TRANSLATE_NOOP(
        "DemoMessages",
        "Event 12 Girls 100m Freestyle\r\nResults are now available.\r\n"
        "1st Amy Hartley 1:04.32\r\n2nd Chloe Barnes 1:05.10\r\n3rd Ruth Osei 1:06.87"),
    QT_TRANSLATE_NOOP("DemoMessages",
                      "Would the parents of Tom Fielding please come to the recording desk."),
    QT_TRANSLATE_NOOP("DemoMessages",
                      "Marshalling\r\nEvent 15 Boys 50m Backstroke is now called to "
                      "the marshalling area."),
    QT_TRANSLATE_NOOP("DemoMessages", "NEW CLUB RECORD\r\nEvent 9 Girls 200m Individual Medley\r\n"
                                      "Sophie Lindqvist 2:31.45\r\nprevious record 2:33.02 (2019)"),
    QT_TRANSLATE_NOOP("DemoMessages", "The cafe closes at 4 pm. Please collect lost property from "
                                      "the poolside table."),
    QT_TRANSLATE_NOOP("DemoMessages", "Event 17 Mixed 4 x 50m Medley Relay\r\nTeams: please hand "
                                      "relay cards to the referee."),
    QT_TRANSLATE_NOOP(
        "DemoMessages",
        "Session two warm-up starts at 1:15 pm.\r\nLanes 1-3 swimmers from Northgate, "
        "lanes 4-6 from Riverside."),
    QT_TRANSLATE_NOOP("DemoMessages", "Disqualification\r\nEvent 14 Boys 100m Breaststroke, heat 2 "
                                      "lane 5: non-simultaneous touch."),
};

} // namespace

QString demoMessage(int n) {
    return QCoreApplication::translate("DemoMessages",
                                       messages[static_cast<size_t>(n) % std::size(messages)]);
}

} // namespace feed
