#pragma once

#include <QString>

namespace print {

// The printer as the record-card printing drives it. Positions are inches
// from the top-left corner of the printable area; a text is printed with
// the top of its line at the current position, which printing leaves where
// it is. A job begins with the first text printed and ends with endDoc().
class Printer {
public:
    virtual ~Printer() = default;

    // Positions and widths are in inches from here on (the only scale the
    // program uses).
    virtual void setScaleInches() = 0;
    virtual void setCurrentX(float inches) = 0;
    virtual void setCurrentY(float inches) = 0;
    virtual void setFontName(const QString& face) = 0;
    virtual void setFontSize(float points) = 0;
    [[nodiscard]] virtual float fontSize() const = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontItalic(bool italic) = 0;
    virtual void print(const QString& text) = 0;
    // Width of text in the current font, in inches.
    virtual float textWidth(const QString& text) = 0;
    virtual void newPage() = 0;
    // Ends the job and releases it to the printer; nothing when no job began.
    virtual void endDoc() = 0;
};

} // namespace print
