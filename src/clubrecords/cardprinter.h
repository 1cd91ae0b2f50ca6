#pragma once

#include "store/printer.h"

#include <memory>

// The printer the record cards go to, set up once by the program that
// shows the Print Club Records window (and by tests).
void setCardPrinter(std::unique_ptr<store::Printer> printer);
// A "Printer error" when none was set up.
store::Printer& cardPrinter();
