#include "cardprinter.h"

#include "store/kelvaneerror.h"

namespace {

std::unique_ptr<store::Printer>& slot() {
    static std::unique_ptr<store::Printer> printer;
    return printer;
}

} // namespace

void setCardPrinter(std::unique_ptr<store::Printer> printer) { slot() = std::move(printer); }

store::Printer& cardPrinter() {
    if (!slot())
        throw store::KelvaneError(store::ErrorNumber::PrinterError,
                                  QStringLiteral("Printer error: no printer has been set up."));
    return *slot();
}
