#include "csvtext.h"

#include <utility>

namespace desk::csv {

namespace {

// A field that starts with an apostrophe itself gets one more, so every
// text reads back as it was.
const QString formulaStarts = QStringLiteral("=+-@\t\r'");
constexpr QChar textMark = QLatin1Char('\'');

bool needsQuotes(const QString& field) {
    return field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
           field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

QString quoted(const QString& field) {
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

QString guarded(const QString& field) {
    return !field.isEmpty() && formulaStarts.contains(field.front()) ? textMark + field : field;
}

QString unguarded(const QString& field) {
    return field.startsWith(textMark) ? field.mid(1) : field;
}

QByteArray record(const QStringList& fields, const QList<bool>& quote) {
    QStringList written;
    for (qsizetype i = 0; i < fields.size(); ++i)
        written << (quote.value(i) || needsQuotes(fields[i]) ? quoted(fields[i]) : fields[i]);
    return (written.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}

std::vector<QStringList> parse(const QString& text) {
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                inQuotes = false;
            continue;
        }
        any = true;
        if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << std::exchange(field, QString());
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            fields << std::exchange(field, QString());
            records.push_back(std::exchange(fields, QStringList()));
            any = false;
        } else {
            field += c;
        }
    }
    if (any && !inQuotes) {
        fields << field;
        records.push_back(fields);
    }
    return records;
}

} // namespace desk::csv
