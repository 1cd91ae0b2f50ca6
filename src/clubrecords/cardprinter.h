#pragma once

#include "store/printer.h"

#include <memory>

// The printer the record cards go to, set up once by the program that
// shows the Print Club Records window (and by tests).
void setCardPrinter(std::unique_ptr<store::Printer> printer);
// A "Printer error" when none was set up.
store::Printer& cardPrinter();

// The printer of this machine: the system's default printer when one is
// installed; otherwise every job becomes a PDF file in the home folder, and
// a message names the file when the job ends.
std::unique_ptr<store::Printer> systemCardPrinter();
