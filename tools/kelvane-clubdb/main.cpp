// kelvane-clubdb: creates club databases for kelvane-records, empty or
// filled with a realistic demo club's records.
#include "clubdatabase.h"
#include "programinfo.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int usageStatus = 2;
constexpr int failureStatus = 1;

constexpr const char* usage =
    "usage: kelvane-clubdb init FILE   (a new club database with no records)\n"
    "       kelvane-clubdb demo FILE   (a new club database with a demo club's records)\n"
    "       kelvane-clubdb --help | --version\n";

int run(const QStringList& args) {
    const QString command = args.value(0);
    if (args.size() != 2 || (command != QLatin1String("init") && command != QLatin1String("demo"))) {
        std::fputs(usage, stderr);
        return usageStatus;
    }
    clubdb::createClubDatabase(args[1]);
    if (command == QLatin1String("demo"))
        clubdb::writeRecords(args[1], clubdb::demoRecords());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(argc, argv, "kelvane-clubdb", usage))
        return *status;
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const clubdb::ClubDbError& error) {
        std::fprintf(stderr, "kelvane-clubdb: %s\n", error.what());
        return failureStatus;
    }
}
