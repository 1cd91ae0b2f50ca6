#pragma once

#include "printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPageSize>
#include <QPainter>

#include <functional>
#include <memory>

class QPrinter;

namespace print {

// The printer backend: a real printer through the system's print service,
// or a PDF file per job. Every page is A4, whatever the locale or the
// printer's own default: the record-card sheets are A4.
class QtPrinter : public Printer {
public:
    // Sends every job to the system's default printer.
    QtPrinter();
    // Writes every job to a PDF file of its own, named by pdfFileForJob
    // when the job begins.
    explicit QtPrinter(std::function<QString()> pdfFileForJob);
    ~QtPrinter() override;

    // True when the system has a default printer to send jobs to.
    static bool hasDefaultPrinter();
    // The paper the default printer uses unless told otherwise.
    static QPageSize defaultPrinterPaper();

    // Called as a job begins, before anything is drawn.
    void setJobStarting(std::function<void()> starting) { m_jobStarting = std::move(starting); }
    // Called when a job has ended, with its PDF file (empty for a printer).
    void setJobFinished(std::function<void(const QString& pdfFile)> finished) {
        m_jobFinished = std::move(finished);
    }

    void setScaleInches() override {}
    void setCurrentX(float inches) override { m_x = inches; }
    void setCurrentY(float inches) override { m_y = inches; }
    void setFontName(const QString& face) override;
    void setFontSize(float points) override;
    [[nodiscard]] float fontSize() const override {
        return static_cast<float>(m_font.pointSizeF());
    }
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void print(const QString& text) override;
    float textWidth(const QString& text) override;
    void newPage() override;
    void endDoc() override;

private:
    void beginJobIfNeeded();
    const QFontMetricsF& metrics();
    void fontChanged();

    std::unique_ptr<QPrinter> m_printer;
    std::function<QString()> m_pdfFileForJob;
    std::function<void()> m_jobStarting;
    std::function<void(const QString&)> m_jobFinished;
    QPainter m_painter;
    QFont m_font;
    // Metrics of the fonts used so far: a card goes back and forth between
    // a few fonts, and making metrics anew each time costs more than
    // drawing the text.
    QHash<QFont, QFontMetricsF> m_metricsByFont;
    const QFontMetricsF* m_metrics = nullptr;
    bool m_painterFontStale = true;
    double m_dotsPerInch = 0;
    float m_x = 0;
    float m_y = 0;
};

} // namespace print
