// Times printing 1,200 record cards (100 pages) to a PDF, the reading of
// their records included, against a bare QPainter loop that draws the same
// texts at the same places in the same fonts: the two back to back in each
// of several rounds, each first in every other round, so that a machine
// that slows down or speeds up as it goes slows both alike. Also reports
// what reading the records and fitting the holder names cost. With a
// folder argument the two PDFs are kept there.
#include "clubdatabase.h"

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
#include <ctime>
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

constexpr int rounds = 25;

// Wall-clock and this thread's processor time, in milliseconds. On a busy
// machine the processor time tells the work apart from the waiting.
struct Timing {
    double wall;
    double cpu;
};

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Timing timingOf(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = threadMilliseconds();
    work();
    return {double(clock.nsecsElapsed()) / 1e6, threadMilliseconds() - cpuStart};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

// The demo club's records, with its cards over and over to 1,200 cards.
RecordBook demoBook(const QString& club) {
    clubdb::createClubDatabase(club);
    clubdb::writeRecords(club, clubdb::demoRecords());
    ClubSetup setup = RecordBook::open(club).setup();
    const std::vector<CardKey> clubCards = setup.cardKeys;
    setup.cardKeys.clear();
    for (int i = 0; i < cardCount; ++i)
        setup.cardKeys.push_back(clubCards[size_t(i) % clubCards.size()]);
    return {store::openDatabase(club, QStringLiteral("club database"), {.readOnly = true}),
            std::move(setup)};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    RecordBook book = demoBook(scratch.filePath(QStringLiteral("club.db")));
    const CardProgress ignored{[](const QString&) {}, [](const CardKey&) {}};
    const QString open = openStartMarker, close = openFinishMarker;

    const QString cardsPdf = folder + QStringLiteral("/record-cards.pdf");
    print::QtPrinter pdfPrinter([&] { return cardsPdf; });
    MeasuringPrinter measuring(pdfPrinter);

    print::RecordingPrinter recorded([&](const QString& text, float points, bool bold) {
        pdfPrinter.setFontName(book.setup().fontFaceH);
        pdfPrinter.setFontSize(points);
        pdfPrinter.setFontBold(bold);
        return pdfPrinter.textWidth(text);
    });
    Print_Record_Cards(recorded, book, 1, cardCount, open, close, 1, ignored);
    QPrinter bare(QPrinter::HighResolution);
    bare.setOutputFormat(QPrinter::PdfFormat);
    bare.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.5, 0.5, 0.5, 0.5),
                                   QPageLayout::Inch));
    bare.setOutputFileName(folder + QStringLiteral("/bare-painter.pdf"));
    const std::vector<Drawing> drawings = drawingsOf(recorded, bare);
    std::printf("cards %d, pages %d, texts %zu\n", cardCount, recorded.printed().back().page,
                drawings.size());

    std::vector<double> wallRatios;
    std::vector<double> cpuRatios;
    std::vector<double> cpuRatiosWithoutReading;
    std::vector<double> readings;
    for (int round = 1; round <= rounds; ++round) {
        const Timing reading = timingOf([&] { book.read(book.setup().cards(1, cardCount)); });
        const auto printCards = [&] {
            return timingOf([&] { Print_Record_Cards(measuring, book, 1, cardCount, open, close, 1, ignored); });
        };
        const auto drawBaseline = [&] { return timingOf([&] { drawBare(drawings, bare); }); };
        const bool cardsFirst = round % 2 == 1;
        const Timing first = cardsFirst ? printCards() : drawBaseline();
        const Timing second = cardsFirst ? drawBaseline() : printCards();
        const Timing& cards = cardsFirst ? first : second;
        const Timing& baseline = cardsFirst ? second : first;
        wallRatios.push_back(cards.wall / baseline.wall);
        cpuRatios.push_back(cards.cpu / baseline.cpu);
        cpuRatiosWithoutReading.push_back((cards.cpu - reading.cpu) / baseline.cpu);
        readings.push_back(reading.cpu);
        std::printf("round %d: Print_Record_Cards to PDF %6.1f ms (processor %6.1f ms, of which "
                    "reading the records %4.1f ms), bare QPainter loop %6.1f ms (processor %6.1f ms)\n",
                    round, cards.wall, cards.cpu, reading.cpu, baseline.wall, baseline.cpu);
    }
    std::printf(
        "ratio to the bare loop, median of %d rounds: %.2f by processor time (%.2f without reading "
        "the records), %.2f by the clock\n",
        rounds, median(cpuRatios), median(cpuRatiosWithoutReading), median(wallRatios));
    std::printf("reading the records: %.1f us per card\n", median(readings) * 1e3 / cardCount);

    std::map<float, int> holderSizes;
    for (const auto& printed : recorded.printed()) {
        if (printed.bold && std::abs(printed.x - 0.5F) < 0.001F)
            ++holderSizes[printed.size];
    }
    std::printf(
        "holder fit: %.2f width measurements per card, %.1f us per card, %.2f us per measurement\n",
        double(measuring.measurements) / cardCount / rounds,
        measuring.nanoseconds / 1e3 / cardCount / rounds,
        measuring.nanoseconds / 1e3 / std::max(1, measuring.measurements));
    std::printf("holder sizes:");
    for (const auto& [size, count] : holderSizes)
        std::printf("  %g pt x%d", double(size), count);
    std::printf("\n");
    return 0;
}
