#include "messagelines.h"

#include "textsplit.h"

#include "store/int16.h"
#include "store/kelvaneerror.h"

#include <cmath>

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
    if (message.isNull())
        throw store::KelvaneError(store::ErrorNumber::InvalidUseOfNull,
                                  QStringLiteral("Invalid use of Null: a message without text."));
    return message.toString();
}

QString listLine(const QVariant& sequence, const QString& messageStart, bool more) {
    QString number;
    if (const auto value = numericValue(sequence); value && std::llround(*value) != 0)
        number = QString::number(std::llround(*value));
    Split_Into_Items(messageStart, QStringLiteral("\r\n"));
    QString line = Message_Items[1];
    const bool lastPiece = Message_Item_Count <= 1 && !messageStart.endsWith(QLatin1String("\r\n"));
    if (line.size() > listedLineLength || (more && lastPiece)) {
        line.truncate(listedLineLength);
        line += QChar(0x2026);
    }
    return number + QLatin1Char(':') + line;
}

QString shownText(const QString& message, qint64 whole) {
    QString text = displayText(message);
    if (whole > message.size())
        text += QStringLiteral("\n\n[The message goes on for another %L1 characters, not shown here.]")
                    .arg(whole - message.size());
    return text;
}

QString displayText(const QString& message) {
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::optional<qint16> chosenNumber(const QVariant& sequence) {
    if (sequence.isNull())
        return std::nullopt;
    const auto value = numericValue(sequence);
    if (!value)
        throw store::KelvaneError(store::ErrorNumber::TypeMismatch,
                                  QStringLiteral("Type mismatch: Sequence '%1' is not a number.")
                                      .arg(sequence.toString()));
    return store::roundToInt16(*value);
}

bool sameSequence(const QVariant& sequence, qint16 number) {
    const auto value = numericValue(sequence);
    return value && *value == number;
}
