#include "timetexts.h"

namespace desk {

namespace {

bool noLocale(const QLocale& locale) {
    return locale.language() == QLocale::C;
}

// A locale's long time format without its time zone ("h:mm:ss AP t" and
// "H:mm:ss (t)" become "h:mm:ss AP" and "H:mm:ss"); quoted text is kept.
QString withoutZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            kept += c;
    }
    kept.remove(QStringLiteral("()"));
    return kept.trimmed();
}

} // namespace

QString timeOfDayText(const QTime& time, const QLocale& locale) {
    return noLocale(locale) ? time.toString(QStringLiteral("HH:mm"))
                            : locale.toString(time, QLocale::ShortFormat);
}

QString timeWithSecondsText(const QTime& time, const QLocale& locale) {
    return noLocale(locale)
               ? time.toString(QStringLiteral("HH:mm:ss"))
               : locale.toString(time, withoutZone(locale.timeFormat(QLocale::LongFormat)));
}

QString dayText(const QDate& day, const QLocale& locale) {
    return noLocale(locale) ? locale.toString(day, QStringLiteral("d MMM"))
                            : locale.toString(day, QLocale::ShortFormat);
}

} // namespace desk
