#include "messagelines.h"

#include "desktexts.h"
#include "textsplit.h"

#include "store/announcerschema.h"
#include "store/int16.h"

#include <cmath>
#include <limits>

namespace desk {

namespace {

std::optional<double> numericValue(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

QString messageText(const QVariant& message) {
    return message.isNull() ? QString() : message.toString();
}

std::optional<qint16> sequenceNumber(const QVariant& sequence) {
    const auto value = numericValue(sequence);
    if (!value || std::nearbyint(*value) < std::numeric_limits<qint16>::min() ||
        std::nearbyint(*value) > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return store::roundToInt16(*value);
}

QString sequenceText(const QVariant& sequence) {
    if (sequence.isNull())
        return {};
    if (const auto number = sequenceNumber(sequence))
        return *number == 0 ? QString() : QString::number(*number);
    return sequence.toString() + QLatin1Char('?');
}

QVariant loggedSequence(const QVariant& sequence) {
    if (sequence.isNull())
        return {};
    if (const auto number = sequenceNumber(sequence))
        return QVariant::fromValue(*number);
    return sequence.toString();
}

LineKind lineKind(const QVariant& sequence, const desk::SentSequences& sent) {
    const std::optional<qint16> number = sequenceNumber(sequence);
    if (number && *number == sent.urgent && sent.urgent < sent.normal)
        return LineKind::Urgent;
    if (number && *number == sent.normal)
        return LineKind::Sent;
    return LineKind::Numbered;
}

QString listLine(const QVariant& sequence, const QString& messageStart, bool more, LineKind kind) {
    using store::announcer::lineBreak;
    const QStringList items = Split_Into_Items(messageStart, lineBreak);
    QString line = items.value(0);
    const bool lastPiece = items.size() <= 1 && !messageStart.endsWith(lineBreak);
    if (line.size() > listedLineLength || (more && lastPiece)) {
        line.truncate(listedLineLength);
        line += QChar(0x2026);
    }
    if (kind != LineKind::Numbered)
        return line;
    return sequenceText(sequence) + QLatin1Char(':') + line;
}

QString shownText(const QString& message, qint64 whole) {
    QString text = displayText(message);
    if (whole > message.size())
        text += QStringLiteral("\n\n") +
                DeskTexts::tr("[The message goes on for another %L1 characters, not shown here.]")
                    .arg(whole - message.size());
    return text;
}

QString displayText(const QString& message) {
    return store::announcer::withLineBreaks(message, QStringLiteral("\n"));
}

bool sameSequence(const QVariant& sequence, qint16 number) {
    const auto value = numericValue(sequence);
    return value && *value == number;
}

} // namespace desk
