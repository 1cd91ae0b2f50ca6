#pragma once

#include "printer.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace print {

// A printer that prints nothing and remembers every call, for tests and
// for measuring the card printing without a print device.
class RecordingPrinter : public Printer {
public:
    // Width in inches of a text at a size in points.
    using Measure = std::function<float(const QString& text, float points, bool bold)>;

    // A text printed, where and how.
    struct Printed {
        int page;
        float x;
        float y;
        QString face;
        float size;
        bool bold;
        bool italic;
        QString text;
    };

    // Without a measure, every character is half the font size wide.
    explicit RecordingPrinter(Measure measure = {});

    // Every call in order, for example "CurrentX 0.5" or "Print Girls".
    [[nodiscard]] QStringList calls() const { return m_calls; }
    [[nodiscard]] const std::vector<Printed>& printed() const { return m_printed; }
    [[nodiscard]] int jobsEnded() const { return m_jobsEnded; }
    void clear();

    void setScaleInches() override { m_calls << QStringLiteral("ScaleMode 5"); }
    void setCurrentX(float inches) override;
    void setCurrentY(float inches) override;
    void setFontName(const QString& face) override;
    void setFontSize(float points) override;
    [[nodiscard]] float fontSize() const override { return m_size; }
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void print(const QString& text) override;
    float textWidth(const QString& text) override;
    void newPage() override;
    void endDoc() override;

private:
    Measure m_measure;
    QStringList m_calls;
    std::vector<Printed> m_printed;
    int m_page = 1;
    int m_jobsEnded = 0;
    float m_x = 0;
    float m_y = 0;
    QString m_face;
    float m_size = 0;
    bool m_bold = false;
    bool m_italic = false;
};

} // namespace print
