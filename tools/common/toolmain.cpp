#include "toolmain.h"

#include "i18n/translations.h"
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
    i18n::installTranslations();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const ToolError& error) {
        printError(program, QString::fromUtf8(error.what()));
        return failureStatus;
    }
}

void printError(const char* program, const QString& what) {
    std::fprintf(stderr, "%s: %s\n", program, what.toUtf8().constData());
}

void printUsage(const char* usage) {
    std::fputs(QCoreApplication::translate(cli::usageContext, usage).toUtf8().constData(), stderr);
}

} // namespace tools
