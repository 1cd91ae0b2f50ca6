#include "deskcondition.h"

#include "desktexts.h"
#include "timetexts.h"

namespace desk {

namespace {

QString troubleNote(DatabaseTrouble::Kind kind, const QDateTime& since) {
    const QString time = timeWithSecondsText(since.time());
    switch (kind) {
    case DatabaseTrouble::Kind::Unreachable:
        return DeskTexts::tr("the server has not answered since %1; trying again").arg(time);
    case DatabaseTrouble::Kind::Busy:
        return DeskTexts::tr("the database has been busy since %1; trying again").arg(time);
    case DatabaseTrouble::Kind::Failed:
        return DeskTexts::tr("the list could not be read since %1; trying again").arg(time);
    case DatabaseTrouble::Kind::None:
        break;
    }
    return {};
}

} // namespace

QStringList conditionNotes(const DeskCondition& condition) {
    if (!condition.closedReason.isEmpty())
        return {condition.closedReason};
    QStringList notes;
    if (condition.readOnlyHere)
        notes << DeskTexts::tr("read only here");
    if (condition.shownGone)
        notes << DeskTexts::tr("the message on display is no longer in the database");
    if (condition.trouble != DatabaseTrouble::Kind::None)
        notes << troubleNote(condition.trouble, condition.troubleSince);
    return notes;
}

} // namespace desk
