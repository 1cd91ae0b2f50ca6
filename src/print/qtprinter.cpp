#include "qtprinter.h"

#include "store/kelvaneerror.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace print {

namespace {

// The printer's texts in the person's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Printer)
};

using store::ErrorNumber;
using store::KelvaneError;

// A PDF page has a margin any office printer can print within, so the file
// can go to paper as it is. Twelve cards end with their closing mark line
// 10.4 inches below the top margin: on A4 (11.69 inches) that leaves the
// bottom margin free, on Letter (11 inches) it does not.
constexpr double pdfMarginInches = 0.5;

KelvaneError printerError(const QString& what) { return KelvaneError(ErrorNumber::PrinterError, what); }

} // namespace

QtPrinter::QtPrinter()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (!m_printer->isValid())
        throw printerError(Texts::tr("Printer error: no printer is installed."));
    // Whoever sets up the printer tells the user when its own paper is not
    // A4 (defaultPrinterPaper): a printer without A4 keeps its own.
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_dotsPerInch = m_printer->resolution();
}

QtPrinter::QtPrinter(std::function<QString()> pdfFileForJob)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_pdfFileForJob(std::move(pdfFileForJob)) {
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(pdfMarginInches, pdfMarginInches, pdfMarginInches,
                                                   pdfMarginInches),
                                         QPageLayout::Inch));
    m_dotsPerInch = m_printer->resolution();
}

QtPrinter::~QtPrinter() {
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrinter::hasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

QPageSize QtPrinter::defaultPrinterPaper() { return QPrinterInfo::defaultPrinter().defaultPageSize(); }

void QtPrinter::setFontName(const QString& face) {
    m_font.setFamily(face);
    fontChanged();
}

void QtPrinter::setFontSize(float points) {
    if (!(points > 0))
        throw printerError(Texts::tr("Invalid property value: font size %1.").arg(points));
    m_font.setPointSizeF(points);
    fontChanged();
}

void QtPrinter::setFontBold(bool bold) {
    m_font.setBold(bold);
    fontChanged();
}

void QtPrinter::setFontItalic(bool italic) {
    m_font.setItalic(italic);
    fontChanged();
}

void QtPrinter::fontChanged() {
    m_metrics = nullptr;
    m_painterFontStale = true;
}

// Metrics come from the printer itself, so widths match what it prints.
const QFontMetricsF& QtPrinter::metrics() {
    if (!m_metrics) {
        auto known = m_metricsByFont.find(m_font);
        if (known == m_metricsByFont.end())
            known = m_metricsByFont.insert(m_font, QFontMetricsF(m_font, m_printer.get()));
        m_metrics = &*known;
    }
    return *m_metrics;
}

void QtPrinter::beginJobIfNeeded() {
    if (m_painter.isActive())
        return;
    if (m_jobStarting)
        m_jobStarting();
    if (m_pdfFileForJob)
        m_printer->setOutputFileName(m_pdfFileForJob());
    if (!m_painter.begin(m_printer.get()))
        throw printerError(
            m_pdfFileForJob
                ? Texts::tr("Printer error: cannot write '%1'.").arg(m_printer->outputFileName())
                : Texts::tr("Printer error: the printer cannot start a job."));
    m_painterFontStale = true;
}

void QtPrinter::print(const QString& text) {
    beginJobIfNeeded();
    if (m_painterFontStale) {
        m_painter.setFont(m_font);
        m_painterFontStale = false;
    }
    const QPointF topLeft(m_x * m_dotsPerInch, m_y * m_dotsPerInch);
    m_painter.drawText(topLeft + QPointF(0, metrics().ascent()), text);
}

float QtPrinter::textWidth(const QString& text) {
    return static_cast<float>(metrics().horizontalAdvance(text) / m_dotsPerInch);
}

void QtPrinter::newPage() {
    beginJobIfNeeded();
    if (!m_printer->newPage())
        throw printerError(Texts::tr("Printer error: cannot start a new page."));
}

void QtPrinter::endDoc() {
    if (!m_painter.isActive())
        return;
    m_painter.end();
    if (m_jobFinished)
        m_jobFinished(m_pdfFileForJob ? m_printer->outputFileName() : QString());
}

} // namespace print
