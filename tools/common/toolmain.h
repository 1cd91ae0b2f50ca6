#pragma once

#include <QStringList>

#include <functional>

namespace tools {

// Exit statuses of the command-line tools.
constexpr int failureStatus = 1;
constexpr int usageStatus = 2;

// The frame every command-line tool runs in: --help and --version answered
// before Qt starts, then run with the arguments after the program name. A
// ToolError is printed as "program: what" and ends with failureStatus.
int runTool(int argc, char** argv, const char* program, const char* usage,
            const std::function<int(const QStringList& args)>& run);

} // namespace tools
