#include "cardprinter.h"

#include "store/kelvaneerror.h"
#include "store/qtprinter.h"
#include "ui/messagebox.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

std::unique_ptr<store::Printer>& slot() {
    static std::unique_ptr<store::Printer> printer;
    return printer;
}

// A new file for every job, named by when it was printed.
QString newPdfFile() {
    const QString stem = QDir::home().filePath(
        QStringLiteral("record-cards-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("-%1.pdf").arg(n);
    return path;
}

} // namespace

void setCardPrinter(std::unique_ptr<store::Printer> printer) { slot() = std::move(printer); }

store::Printer& cardPrinter() {
    if (!slot())
        throw store::KelvaneError(store::ErrorNumber::PrinterError,
                                  QStringLiteral("Printer error: no printer has been set up."));
    return *slot();
}

std::unique_ptr<store::Printer> systemCardPrinter() {
    if (store::QtPrinter::hasDefaultPrinter())
        return std::make_unique<store::QtPrinter>();
    auto pdf = std::make_unique<store::QtPrinter>(newPdfFile);
    pdf->setJobFinished([](const QString& file) {
        ui::showMessage(QStringLiteral("No printer is installed, so the record cards were saved as %1").arg(file));
    });
    return pdf;
}
