#pragma once

#include "print/printer.h"

#include <QPageSize>

#include <functional>
#include <memory>

// The printer of this machine: the system's default printer when one is
// installed, on A4; otherwise every job becomes an A4 PDF file in the home
// folder, and a message names the file when the job ends.
std::unique_ptr<print::Printer> systemCardPrinter();

// What runs as each job on a printer begins: the first time, when the
// printer's own paper is not A4, a message says that the cards go out as A4
// pages. Nothing for A4, or for a paper the printer does not name.
std::function<void()> paperNotice(const QPageSize& printerPaper);
