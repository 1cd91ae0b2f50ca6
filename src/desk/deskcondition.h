#pragma once

#include "databasetrouble.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace desk {

// How the desk stands now, beside its list and displays; each view words
// it in its own way (the window's caption, a page's trouble line, the
// served desk's notices).
struct DeskCondition {
    // Why a desk that keeps trying is closed now; empty while it is not.
    QString closedReason;
    // The open database can only be read here: a dismissal only hides.
    bool readOnlyHere = false;
    // The message on the window's display is no longer in the database.
    bool shownGone = false;
    // Passing trouble worth telling (None while there is none, or while a
    // lock has not lasted), and since when.
    DatabaseTrouble::Kind trouble = DatabaseTrouble::Kind::None;
    QDateTime troubleSince;

    bool operator==(const DeskCondition&) const = default;
};

// Each part of the condition as a short note in the person's language
// ("read only here"); a desk closed for a reason says only that. None
// when all is well.
QStringList conditionNotes(const DeskCondition& condition);

} // namespace desk
