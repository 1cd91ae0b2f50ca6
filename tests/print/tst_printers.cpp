// The printer backend that writes PDF files, as the record cards reach it.
// Runs under a US locale, whose paper is Letter.
#include "print/qtprinter.h"
#include "store/kelvaneerror.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Width and height in points of every page of a PDF file.
QList<QSizeF> pageSizes(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression mediaBox(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
    QList<QSizeF> sizes;
    for (auto match = mediaBox.globalMatch(QString::fromLatin1(file.readAll())); match.hasNext();) {
        const auto box = match.next();
        sizes << QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble());
    }
    return sizes;
}

} // namespace

class TestPrinters : public QObject {
    Q_OBJECT

private slots:
    void pdfPagesAreA4WhateverTheLocale();
    void jobHooksRunOncePerJob();
    void failuresAreErrors_data();
    void failuresAreErrors();

private:
    QTemporaryDir m_dir;
};

void TestPrinters::pdfPagesAreA4WhateverTheLocale() {
    QCOMPARE(QLocale::system().measurementSystem(), QLocale::ImperialUSSystem);
    const QString pdf = m_dir.filePath("cards.pdf");
    print::QtPrinter printer([&] { return pdf; });
    printer.print("first page");
    printer.newPage();
    printer.print("second page");
    printer.endDoc();
    const QSizeF a4(595, 842);
    QCOMPARE(pageSizes(pdf), QList<QSizeF>({a4, a4}));
}

// A job begins with its first text and ends with endDoc; the hooks see each
// job once, the starting one before the job's file is named and opened.
void TestPrinters::jobHooksRunOncePerJob() {
    QStringList events;
    int jobs = 0;
    print::QtPrinter printer([&] {
        events << QStringLiteral("file job%1.pdf").arg(++jobs);
        return m_dir.filePath(QStringLiteral("job%1.pdf").arg(jobs));
    });
    printer.setJobStarting([&] { events << "start"; });
    printer.setJobFinished([&](const QString& file) { events << "end " + QFileInfo(file).fileName(); });
    printer.endDoc();
    for (int i = 0; i < 2; ++i) {
        printer.print("a");
        printer.newPage();
        printer.print("b");
        printer.endDoc();
    }
    QCOMPARE(events, QStringList({"start", "file job1.pdf", "end job1.pdf",
                                  "start", "file job2.pdf", "end job2.pdf"}));
}

void TestPrinters::failuresAreErrors_data() {
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<float>("points");
    QTest::newRow("no font size") << "cards.pdf" << 0.F;
    QTest::newRow("a file that cannot be written") << "missing/cards.pdf" << 10.F;
}

void TestPrinters::failuresAreErrors() {
    QFETCH(QString, pdf);
    QFETCH(float, points);
    print::QtPrinter printer([&] { return m_dir.filePath(pdf); });
    try {
        printer.setFontSize(points);
        printer.print("card");
        QFAIL("no error");
    } catch (const store::KelvaneError& error) {
        QCOMPARE(error.number(), int(store::ErrorNumber::PrinterError));
    }
}

int main(int argc, char** argv) {
    // Before Qt reads the locale: a US user, whose paper is Letter.
    qputenv("LC_MEASUREMENT", "en_US.UTF-8");
    QApplication app(argc, argv);
    TestPrinters test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printers.moc"
