#include "databasetrouble.h"

namespace desk {

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

DatabaseTrouble::Kind DatabaseTrouble::toldKind(const QDateTime& now) const {
    if (m_kind == Kind::Busy && m_since.secsTo(now) < busyNoticeSeconds)
        return Kind::None;
    return m_kind;
}

} // namespace desk
