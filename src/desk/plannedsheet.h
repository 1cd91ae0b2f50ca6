#pragma once

#include "plannedmessages.h"

#include "store/failure.h"

#include <QObject>

#include <set>
#include <vector>

namespace desk {

class AnnouncerDesk;

// The announcer's running sheet of today at work on a desk: it keeps the
// day's planned messages in their file, and after each listing of the
// desk adds those that are due (through the desk, like a sent message)
// and takes back those still listed at their "not after" time. It learns
// that a message was read out when its row leaves the list, and follows
// one that Undo put back. Nothing is added while the desk takes no
// messages; its reason is refusal().
class PlannedSheet : public QObject {
    Q_OBJECT

public:
    explicit PlannedSheet(AnnouncerDesk& desk, QObject* parent = nullptr);

    [[nodiscard]] const std::vector<planned::Message>& messages() const { return m_messages; }
    [[nodiscard]] const planned::Message* message(int id) const;
    [[nodiscard]] QDate day() const { return m_day; }
    [[nodiscard]] QDateTime now() const;
    // Why the desk adds nothing now; nothing when it can.
    [[nodiscard]] store::Failure refusal() const;
    // Why the sheet could not be kept in its file, the last time it was
    // written; nothing when it was.
    [[nodiscard]] const store::Failure& saveFailure() const { return m_saveFailure; }

    // The announcer's changes, each checked (planned::unfit, translated)
    // and kept at once. A changed plan starts again as waiting, unless
    // its row is listed now, which it keeps.
    store::Failure add(const planned::Message& message);
    store::Failure change(int id, const planned::Message& message);
    void remove(int id);
    store::Failure duplicate(int id);
    // Adds the CSV's messages to the sheet; the reason when some or all
    // were left out.
    store::Failure importCsv(const QByteArray& bytes);
    [[nodiscard]] QByteArray exportCsv() const { return planned::toCsv(m_messages); }

    // Looks at the list now: what is due is added, what has expired is
    // taken back. The desk's listings do this by themselves.
    void look();

signals:
    // The messages or their states changed.
    void changed();

private:
    store::Failure append(const planned::Message& message);
    void listed();
    void followDay();
    [[nodiscard]] bool reconcile();
    void act(planned::Message& message);
    void addDue(const planned::Message& message);
    void takeBack(const planned::Message& message);
    void added(int id, const QString& database, const QString& key, const QString& text);
    void takenBack(int id, const QString& key, std::optional<bool> taken);
    void restored(const QString& dismissed, const QString& restored);
    planned::Message* find(int id);
    void keep();
    [[nodiscard]] store::Failure checked(const planned::Message& message) const;

    AnnouncerDesk& m_desk;
    QDate m_day;
    std::vector<planned::Message> m_messages;
    int m_lastId = 0;
    // Messages whose add or take-back is on its way to the database.
    std::set<int> m_inFlight;
    store::Failure m_saveFailure;
};

} // namespace desk
