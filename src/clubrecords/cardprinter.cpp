#include "cardprinter.h"
#include "clubrecordtexts.h"

#include "print/qtprinter.h"
#include "ui/messagebox.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

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

std::unique_ptr<print::Printer> systemCardPrinter() {
    if (print::QtPrinter::hasDefaultPrinter()) {
        auto printer = std::make_unique<print::QtPrinter>();
        printer->setJobStarting(paperNotice(print::QtPrinter::defaultPrinterPaper()));
        return printer;
    }
    auto pdf = std::make_unique<print::QtPrinter>(newPdfFile);
    pdf->setJobFinished([](const QString& file) {
        ui::showMessage(
            ClubRecordTexts::tr("No printer is installed, so the record cards were saved as %1")
                .arg(file));
    });
    return pdf;
}

std::function<void()> paperNotice(const QPageSize& printerPaper) {
    if (!printerPaper.isValid() || printerPaper.isEquivalentTo(QPageSize(QPageSize::A4)))
        return {};
    const QString notice =
        ClubRecordTexts::tr(
            "The printer's paper is %1, not A4. The record cards are printed as A4 "
            "pages: load the A4 card sheets, or the last card of a page is cut off.")
            .arg(printerPaper.name());
    return [notice, shown = false]() mutable {
        if (!shown)
            ui::showMessage(notice);
        shown = true;
    };
}
