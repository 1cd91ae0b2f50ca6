// kelvane-clubdb: creates club databases for kelvane-records, empty or
// filled with a realistic demo club's records.
#include "clubdatabase.h"
#include "toolmain.h"


#include <cstdio>

namespace {

using tools::usageStatus;

constexpr const char* usage = QT_TRANSLATE_NOOP(
    "Usage", "usage: kelvane-clubdb init FILE   (a new club database with no records)\n"
             "       kelvane-clubdb demo FILE   (a new club database with a demo club's records)\n"
             "       kelvane-clubdb --help | --version\n");

int run(const QStringList& args) {
    const QString command = args.value(0);
    if (args.size() != 2 || (command != QLatin1String("init") && command != QLatin1String("demo"))) {
        tools::printUsage(usage);
        return usageStatus;
    }
    clubdb::createClubDatabase(args[1]);
    if (command == QLatin1String("demo"))
        clubdb::writeRecords(args[1], clubdb::demoRecords());
    return 0;
}

} // namespace

int main(int argc, char** argv) { return tools::runTool(argc, argv, "kelvane-clubdb", usage, run); }
