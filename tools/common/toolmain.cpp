#include "toolmain.h"

#include "programinfo.h"
#include "toolconnection.h"

#include <QCoreApplication>

#include <cstdio>

namespace tools {

int runTool(int argc, char** argv, const char* program, const char* usage,
            const std::function<int(const QStringList& args)>& run) {
    if (const auto status = cli::answerInfoRequest(argc, argv, program, usage))
        return *status;
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const ToolError& error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
        return failureStatus;
    }
}

} // namespace tools
