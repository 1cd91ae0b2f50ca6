#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

class QTranslator;

// The page speaks the browser's language where kelvane has a translation
// for it: the station sends the page's texts already translated, the ones
// its script shows as well, so the page needs nothing else to speak it.
namespace station {

// The languages an Accept-Language header names, most wanted first; a
// language the browser refuses (q=0) and the wildcard are left out.
QStringList acceptedLanguages(QByteArrayView acceptLanguage);

// The page (index.html in English) in language, as the translation texts
// gives (English for none): its texts, its script's texts and its lang.
QByteArray pageIn(const QByteArray& englishPage, const QString& language, const QTranslator* texts);

} // namespace station
