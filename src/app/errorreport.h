#pragma once

#include <QString>

#include <functional>

// The general error report: what the person sees when an operation fails
// in a way no window handles itself.
QString errorReportText(int number, const QString& description);

// Shows the report, closes the announcer database (through what the
// session gave setErrorReportClosing) and ends the program with a non-zero
// status. Tests replace the ending.
void reportErrorAndEnd(int number, const QString& description);
// The same for an event handler that cannot go on: the report is shown from
// the event loop once the handler has returned, so no error unwinds
// through Qt.
void postErrorReport(int number, const QString& description);
void setProgramEnding(std::function<void(int status)> ending);
// What lets go of the announcer database before the report; nothing for
// none.
void setErrorReportClosing(std::function<void()> closing);

// Ends the program with status, without waiting for a database thread
// that is stuck on the network.
[[noreturn]] void endProgram(int status);
