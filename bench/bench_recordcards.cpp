// Times printing 1,200 record cards (100 pages) to a PDF against a bare
// QPainter loop that draws the same texts at the same places in the same
// fonts, in the same run. Also reports what fitting the holder names costs
// per card. With a folder argument the two PDFs are kept there.
#include "clubdatabase.h"

#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"
#include "clubrecords/recordcards.h"

#include "print/qtprinter.h"
#include "print/recordingprinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr int cardCount = 1200;

// Passes every call on to the real printer, timing the width measurements.
class MeasuringPrinter : public print::Printer {
public:
    explicit MeasuringPrinter(print::Printer& printer) : m_printer(printer) {}
    void setScaleInches() override { m_printer.setScaleInches(); }
    void setCurrentX(float inches) override { m_printer.setCurrentX(inches); }
    void setCurrentY(float inches) override { m_printer.setCurrentY(inches); }
    void setFontName(const QString& face) override { m_printer.setFontName(face); }
    void setFontSize(float points) override { m_printer.setFontSize(points); }
    [[nodiscard]] float fontSize() const override { return m_printer.fontSize(); }
    void setFontBold(bool bold) override { m_printer.setFontBold(bold); }
    void setFontItalic(bool italic) override { m_printer.setFontItalic(italic); }
    void print(const QString& text) override { m_printer.print(text); }
    float textWidth(const QString& text) override {
        QElapsedTimer clock;
        clock.start();
        const float width = m_printer.textWidth(text);
        nanoseconds += clock.nsecsElapsed();
        ++measurements;
        return width;
    }
    void newPage() override { m_printer.newPage(); }
    void endDoc() override { m_printer.endDoc(); }

    qint64 nanoseconds = 0;
    int measurements = 0;

private:
    print::Printer& m_printer;
};

// Best of three runs, in milliseconds: the least disturbed measurement.
double millisecondsOf(const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

// The same texts at the same places, drawn with nothing but QPainter; the
// baselines are worked out before the clock starts.
struct Drawing {
    int page;
    QFont font;
    QPointF baseline;
    QString text;
};

std::vector<Drawing> drawingsOf(const print::RecordingPrinter& recorded, QPrinter& device) {
    std::vector<Drawing> drawings;
    const double dpi = device.resolution();
    for (const auto& printed : recorded.printed()) {
        QFont font(printed.face);
        font.setPointSizeF(printed.size);
        font.setBold(printed.bold);
        font.setItalic(printed.italic);
        const double ascent = QFontMetricsF(font, &device).ascent();
        drawings.push_back({printed.page, font, QPointF(printed.x * dpi, printed.y * dpi + ascent), printed.text});
    }
    return drawings;
}

void drawBare(const std::vector<Drawing>& drawings, QPrinter& device) {
    QPainter painter(&device);
    int page = 1;
    for (const Drawing& drawing : drawings) {
        if (drawing.page != page) {
            device.newPage();
            page = drawing.page;
        }
        if (painter.font() != drawing.font)
            painter.setFont(drawing.font);
        painter.drawText(drawing.baseline, drawing.text);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const QString club = scratch.filePath(QStringLiteral("club.db"));
    clubdb::createClubDatabase(club);
    clubdb::writeRecords(club, clubdb::demoRecords());
    openClubDatabaseReadOnly(club);
    loadClubSetup(*Club_DB);
    // The demo club's cards over and over, to 1,200 cards.
    const std::vector<CardKey> clubCards = Card_Keys;
    Card_Keys.clear();
    for (int i = 0; i < cardCount; ++i)
        Card_Keys.push_back(clubCards[size_t(i) % clubCards.size()]);

    const auto ignorePreview = [](const QString&) {};
    const QString open = openStartMarker, close = openFinishMarker;
    const double lookups = millisecondsOf([&] {
        for (int i = 1; i <= cardCount; ++i)
            Fetch_Card_Record(qint16(i));
    });

    const QString cardsPdf = folder + QStringLiteral("/record-cards.pdf");
    print::QtPrinter pdfPrinter([&] { return cardsPdf; });
    MeasuringPrinter measuring(pdfPrinter);
    const double cards = millisecondsOf(
        [&] { Print_Record_Cards(measuring, 1, cardCount, open, close, 1, ignorePreview); });

    print::RecordingPrinter recorded([&](const QString& text, float points, bool bold) {
        pdfPrinter.setFontName(Font_Face_H);
        pdfPrinter.setFontSize(points);
        pdfPrinter.setFontBold(bold);
        return pdfPrinter.textWidth(text);
    });
    Print_Record_Cards(recorded, 1, cardCount, open, close, 1, ignorePreview);
    QPrinter bare(QPrinter::HighResolution);
    bare.setOutputFormat(QPrinter::PdfFormat);
    bare.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.5, 0.5, 0.5, 0.5),
                                   QPageLayout::Inch));
    bare.setOutputFileName(folder + QStringLiteral("/bare-painter.pdf"));
    const std::vector<Drawing> drawings = drawingsOf(recorded, bare);
    const double baseline = millisecondsOf([&] { drawBare(drawings, bare); });

    std::map<float, int> holderSizes;
    for (const auto& printed : recorded.printed()) {
        if (printed.bold && std::abs(printed.x - 0.5F) < 0.001F)
            ++holderSizes[printed.size];
    }
    std::printf("cards %d, pages %d, texts %zu\n", cardCount, recorded.printed().back().page, drawings.size());
    std::printf("Print_Record_Cards to PDF   %8.1f ms  (of which club-record lookups about %.1f ms)\n", cards,
                lookups);
    std::printf("bare QPainter loop to PDF   %8.1f ms\n", baseline);
    std::printf("ratio                       %8.2f   (without the lookups %.2f)\n", cards / baseline,
                (cards - lookups) / baseline);
    const int runs = 3;
    std::printf("holder fit: %.2f width measurements per card, %.1f us per card, %.2f us per measurement\n",
                double(measuring.measurements) / cardCount / runs, measuring.nanoseconds / 1e3 / cardCount / runs,
                measuring.nanoseconds / 1e3 / std::max(1, measuring.measurements));
    std::printf("holder sizes:");
    for (const auto& [size, count] : holderSizes)
        std::printf("  %g pt x%d", double(size), count);
    std::printf("\n");
    Club_DB->close();
    return 0;
}
