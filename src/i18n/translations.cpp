#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace i18n {

namespace {

const QString builtIn = QStringLiteral(":/i18n");

QString fileOf(const QString& language) {
    return QStringLiteral("kelvane_") + language;
}

bool hasTranslation(const QString& language) {
    return QFile::exists(builtIn + QLatin1Char('/') + fileOf(language) + QStringLiteral(".qm"));
}

} // namespace

QString chosenLanguage(const QStringList& preferred) {
    for (QString tag : preferred) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString primary = tag.section(QLatin1Char('_'), 0, 0).toLower();
        if (primary == QLatin1String("en"))
            return {};
        for (const QString& candidate : {tag, primary}) {
            if (!candidate.isEmpty() && hasTranslation(candidate))
                return candidate;
        }
    }
    return {};
}

std::unique_ptr<QTranslator> translator(const QString& language) {
    auto loaded = std::make_unique<QTranslator>();
    if (language.isEmpty() || !loaded->load(fileOf(language), builtIn))
        return nullptr;
    return loaded;
}

void installTranslations() {
    const QString language = chosenLanguage(QLocale::system().uiLanguages());
    std::unique_ptr<QTranslator> own = translator(language);
    if (!own)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    own->setParent(app);
    QCoreApplication::installTranslator(own.release());
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(language));
}

QString translatedEarly(const char* context, const char* text) {
    const std::unique_ptr<QTranslator> texts =
        translator(chosenLanguage(QLocale::system().uiLanguages()));
    const QString translated = texts ? texts->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace i18n
