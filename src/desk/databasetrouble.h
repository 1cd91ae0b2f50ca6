#pragma once

#include "store/kelvaneerror.h"

#include <QDateTime>

namespace desk {

// A database that cannot be read for a while: a server that does not
// answer, a file another program keeps locked, or rows the database
// cannot hand out (a row source changed under the desk, a statement
// stopped for asking too much). None of it ends the program; the desk
// keeps its list, tries again, and its views say what is going on.
class DatabaseTrouble {
public:
    enum class Kind { None, Busy, Unreachable, Failed };

    // The kind of trouble an error stands for: Busy and Unreachable pass
    // by themselves; Failed needs someone to look at the database.
    static Kind kindOf(const store::KelvaneError& error);

    // A read failed with trouble of this kind at now (not None).
    void note(Kind kind, const QDateTime& now);
    // A read succeeded.
    void clear() { m_kind = Kind::None; }

    [[nodiscard]] Kind kind() const { return m_kind; }
    // The kind worth telling at now: None while there is nothing worth
    // saying (a lock is mentioned only once it has lasted).
    [[nodiscard]] Kind toldKind(const QDateTime& now) const;
    [[nodiscard]] QDateTime since() const { return m_since; }

    // Locks come and go in a second; one that lasts this long is worth telling.
    static constexpr qint64 busyNoticeSeconds = 30;

private:
    Kind m_kind = Kind::None;
    QDateTime m_since;
};

} // namespace desk
