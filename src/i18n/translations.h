#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// kelvane's texts are written in English; the translations in
// translations/ are built into every program. The language is chosen from
// the languages the person reads, most preferred first (LANGUAGE, then
// LC_ALL, LC_MESSAGES and LANG; a browser's Accept-Language), and English
// wherever it comes before any translation.
namespace i18n {

// The first of preferred ("de-CH", "de", "en" or "de_CH") that kelvane has
// a translation for, as it names the translation ("de"); empty when
// English comes first or there is no translation for any of them.
QString chosenLanguage(const QStringList& preferred);

// kelvane's texts in a language chosenLanguage gave; null for one it does
// not have.
std::unique_ptr<QTranslator> translator(const QString& language);

// Loads kelvane's translation and Qt's own (the standard buttons) for the
// person's languages into the running application. Where no locale is set
// (C), dates and numbers follow the chosen language as well.
void installTranslations();

// A text marked with QT_TRANSLATE_NOOP, in the person's language before
// any application object exists (for --help).
QString translatedEarly(const char* context, const char* text);

} // namespace i18n
