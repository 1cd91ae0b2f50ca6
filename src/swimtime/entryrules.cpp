#include "entryrules.h"

#include "daterules.h"
#include "timerules.h"

#include "ui/messagebox.h"

#include <QCoreApplication>

#include <optional>

namespace {

QString orMessage(const std::optional<QString>& result, const QString& message) {
    if (result)
        return *result;
    ui::showMessage(message);
    return QString();
}

} // namespace

QString Validate_Date(const QString& text, QDate today) {
    return orMessage(normalisedDate(text, today),
                     QCoreApplication::translate("EntryRules", "Invalid Date"));
}

QString Seconds_To_Time(float seconds) {
    return orMessage(swimTimeText(seconds),
                     QCoreApplication::translate("EntryRules", "Invalid Time"));
}
