#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

namespace tools {

// The tools' texts in the person's language (translation context "Tools").
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Tools)
};

// Exit statuses of the command-line tools.
constexpr int failureStatus = 1;
constexpr int usageStatus = 2;

// The frame every command-line tool runs in: --help and --version answered
// before Qt starts, then run with the arguments after the program name. A
// ToolError is printed as "program: what" and ends with failureStatus.
int runTool(int argc, char** argv, const char* program, const char* usage,
            const std::function<int(const QStringList& args)>& run);

// "program: what" on standard error.
void printError(const char* program, const QString& what);
// A usage text marked with QT_TRANSLATE_NOOP("Usage", ...), in the
// person's language, on standard error.
void printUsage(const char* usage);

} // namespace tools
