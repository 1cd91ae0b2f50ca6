#include "kelvaneerror.h"

#include <cstring>
#include <new>

namespace store {

KelvaneError::KelvaneError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(static_cast<int>(number))
    , m_description(description) {}

KelvaneError errorFrom(const std::exception& caught) {
    if (const auto* error = dynamic_cast<const KelvaneError*>(&caught))
        return *error;
    if (dynamic_cast<const std::bad_alloc*>(&caught))
        return KelvaneError(ErrorNumber::OutOfMemory, Texts::tr("Out of memory"));
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        QString::fromLocal8Bit(caught.what()));
}

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString purposeText(const QString& purpose) {
    return QCoreApplication::translate("Database", purpose.toUtf8().constData());
}

// The article belongs to the English purpose; a translation says the
// sentence its own way.
KelvaneError notADatabase(const QString& path, const QString& purpose, const QString& reason) {
    const bool vowel = !purpose.isEmpty() && QStringLiteral("aeiou").contains(purpose.front().toLower());
    const QString text =
        vowel ? Texts::tr("'%1' is not an %2: %3.") : Texts::tr("'%1' is not a %2: %3.");
    return KelvaneError(ErrorNumber::NotADatabase, text.arg(path, purposeText(purpose), reason));
}

} // namespace store
