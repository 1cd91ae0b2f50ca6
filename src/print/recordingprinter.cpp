#include "recordingprinter.h"

namespace print {

namespace {

QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

float halfEmPerCharacter(const QString& text, float points, bool) {
    constexpr float pointsPerInch = 72;
    return static_cast<float>(text.size()) * points / 2 / pointsPerInch;
}

} // namespace

RecordingPrinter::RecordingPrinter(Measure measure)
    : m_measure(measure ? std::move(measure) : Measure(halfEmPerCharacter)) {}

void RecordingPrinter::clear() {
    m_calls.clear();
    m_printed.clear();
    m_page = 1;
    m_jobsEnded = 0;
}

void RecordingPrinter::setCurrentX(float inches) {
    m_x = inches;
    m_calls << QStringLiteral("CurrentX %1").arg(inches);
}

void RecordingPrinter::setCurrentY(float inches) {
    m_y = inches;
    m_calls << QStringLiteral("CurrentY %1").arg(inches);
}

void RecordingPrinter::setFontName(const QString& face) {
    m_face = face;
    m_calls << QStringLiteral("FontName ") + face;
}

void RecordingPrinter::setFontSize(float points) {
    m_size = points;
    m_calls << QStringLiteral("FontSize %1").arg(points);
}

void RecordingPrinter::setFontBold(bool bold) {
    m_bold = bold;
    m_calls << QStringLiteral("FontBold ") + flag(bold);
}

void RecordingPrinter::setFontItalic(bool italic) {
    m_italic = italic;
    m_calls << QStringLiteral("FontItalic ") + flag(italic);
}

void RecordingPrinter::print(const QString& text) {
    m_calls << QStringLiteral("Print ") + text;
    m_printed.push_back({m_page, m_x, m_y, m_face, m_size, m_bold, m_italic, text});
}

float RecordingPrinter::textWidth(const QString& text) {
    m_calls << QStringLiteral("TextWidth ") + text;
    return m_measure(text, m_size, m_bold);
}

void RecordingPrinter::newPage() {
    ++m_page;
    m_calls << QStringLiteral("NewPage");
}

void RecordingPrinter::endDoc() {
    ++m_jobsEnded;
    m_page = 1;
    m_calls << QStringLiteral("EndDoc");
}

} // namespace print
