#include "demomessages.h"

#include "announcerfeed.h"

#include "store/announcerschema.h"

#include <QCoreApplication>

#include <iterator>

namespace feed {

namespace {

// What a meet-management program might leave for the announcer during a
// gala, in the person's language; its lines end in CR LF once translated.
constexpr const char* messages[] = {
    QT_TRANSLATE_NOOP("DemoMessages",
                      "Event 12 Girls 100m Freestyle\nResults are now available.\n"
                      "1st Amy Hartley 1:04.32\n2nd Chloe Barnes 1:05.10\n3rd Ruth Osei 1:06.87"),
    QT_TRANSLATE_NOOP("DemoMessages",
                      "Would the parents of Tom Fielding please come to the recording desk."),
    QT_TRANSLATE_NOOP("DemoMessages", "Marshalling\nEvent 15 Boys 50m Backstroke is now called to "
                                      "the marshalling area."),
    QT_TRANSLATE_NOOP("DemoMessages", "NEW CLUB RECORD\nEvent 9 Girls 200m Individual Medley\n"
                                      "Sophie Lindqvist 2:31.45\nprevious record 2:33.02 (2019)"),
    QT_TRANSLATE_NOOP("DemoMessages", "The cafe closes at 4 pm. Please collect lost property from "
                                      "the poolside table."),
    QT_TRANSLATE_NOOP("DemoMessages", "Event 17 Mixed 4 x 50m Medley Relay\nTeams: please hand "
                                      "relay cards to the referee."),
    QT_TRANSLATE_NOOP("DemoMessages",
                      "Session two warm-up starts at 1:15 pm.\nLanes 1-3 swimmers from Northgate, "
                      "lanes 4-6 from Riverside."),
    QT_TRANSLATE_NOOP("DemoMessages", "Disqualification\nEvent 14 Boys 100m Breaststroke, heat 2 "
                                      "lane 5: non-simultaneous touch."),
};

} // namespace

QString demoMessage(int n) {
    return store::announcer::withLineBreaks(QCoreApplication::translate(
        "DemoMessages", messages[static_cast<size_t>(n) % std::size(messages)]));
}

} // namespace feed
