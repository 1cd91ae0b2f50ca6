#include "databasetrouble.h"

#include "desktexts.h"
#include "timetexts.h"

DatabaseTrouble::Kind DatabaseTrouble::kindOf(const store::KelvaneError& error) {
    switch (static_cast<store::ErrorNumber>(error.number())) {
    case store::ErrorNumber::DatabaseLocked:
        return Kind::Busy;
    case store::ErrorNumber::ConnectionFailed:
        return Kind::Unreachable;
    default:
        return Kind::Failed;
    }
}

void DatabaseTrouble::note(Kind kind, const QDateTime& now) {
    if (kind != m_kind)
        m_since = now;
    m_kind = kind;
}

QString DatabaseTrouble::captionNote(const QDateTime& now) const {
    const QString since = timeWithSecondsText(m_since.time());
    switch (m_kind) {
    case Kind::Unreachable:
        return DeskTexts::tr(" \u2014 the server has not answered since %1; trying again")
            .arg(since);
    case Kind::Busy:
        if (m_since.secsTo(now) < busyNoticeSeconds)
            return {};
        return DeskTexts::tr(" \u2014 the database has been busy since %1; trying again")
            .arg(since);
    case Kind::Failed:
        return DeskTexts::tr(" \u2014 the list could not be read since %1; trying again")
            .arg(since);
    case Kind::None:
        break;
    }
    return {};
}
