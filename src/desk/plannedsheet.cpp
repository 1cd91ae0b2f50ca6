#include "plannedsheet.h"

#include "announcerdesk.h"

#include <QCoreApplication>
#include <QPointer>

namespace desk {

namespace {

store::RowKey keyOf(const QString& text) {
    return store::RowKey(QVariant(text));
}

// What the announcer planned, fitted, with nothing of what became of it.
planned::Message planOf(const planned::Message& message) {
    const planned::Message fit = planned::fitted(message);
    planned::Message plan;
    plan.text = fit.text;
    plan.notBefore = fit.notBefore;
    plan.notAfter = fit.notAfter;
    plan.repeatMinutes = fit.repeatMinutes;
    plan.urgent = fit.urgent;
    return plan;
}

QString translated(const char* english) {
    return QCoreApplication::translate("PlannedMessages", english);
}

} // namespace

PlannedSheet::PlannedSheet(AnnouncerDesk& desk, QObject* parent)
    : QObject(parent)
    , m_desk(desk) {
    followDay();
    connect(&m_desk, &AnnouncerDesk::listChanged, this, &PlannedSheet::listed);
    connect(&m_desk, &AnnouncerDesk::takingMessagesChanged, this, &PlannedSheet::changed);
    connect(&m_desk, &AnnouncerDesk::rowRestored, this,
            [this](const store::RowKey& dismissed, const store::RowKey& restored) {
                this->restored(dismissed.text(), restored.text());
            });
}

const planned::Message* PlannedSheet::message(int id) const {
    const auto found = std::find_if(m_messages.cbegin(), m_messages.cend(),
                                    [id](const planned::Message& m) { return m.id == id; });
    return found == m_messages.cend() ? nullptr : &*found;
}

planned::Message* PlannedSheet::find(int id) {
    return const_cast<planned::Message*>(std::as_const(*this).message(id));
}

QDateTime PlannedSheet::now() const {
    return m_desk.now();
}

store::Failure PlannedSheet::refusal() const {
    return m_desk.refusesMessages();
}

store::Failure PlannedSheet::checked(const planned::Message& message) const {
    if (const char* why = planned::unfit(message))
        return store::Failure(translated(why));
    return {};
}

store::Failure PlannedSheet::add(const planned::Message& message) {
    if (store::Failure refused = append(message))
        return refused;
    keep();
    look();
    return {};
}

store::Failure PlannedSheet::append(const planned::Message& message) {
    if (m_messages.size() >= size_t{planned::mostMessages})
        return store::Failure(translated("The sheet holds 200 messages, as many as it can."));
    planned::Message plan = planOf(message);
    if (store::Failure unfit = checked(plan))
        return unfit;
    plan.id = ++m_lastId;
    m_messages.push_back(plan);
    return {};
}

// A listed row stays the message's own, so it is never listed twice and
// still taken back at its (new) "not after".
store::Failure PlannedSheet::change(int id, const planned::Message& message) {
    planned::Message* kept = find(id);
    if (!kept)
        return store::Failure(translated("That planned message is no longer on the sheet."));
    planned::Message plan = planOf(message);
    if (store::Failure unfit = checked(plan))
        return unfit;
    if (plan.samePlan(*kept))
        return {};
    plan.id = id;
    plan.database = kept->database;
    plan.rowKey = kept->rowKey;
    plan.listedText = kept->listedText;
    plan.listedAt = kept->listedAt;
    *kept = plan;
    keep();
    look();
    return {};
}

// A listed row stays on the list as any other message.
void PlannedSheet::remove(int id) {
    const auto gone = std::remove_if(m_messages.begin(), m_messages.end(),
                                     [id](const planned::Message& m) { return m.id == id; });
    if (gone == m_messages.end())
        return;
    m_messages.erase(gone, m_messages.end());
    keep();
}

store::Failure PlannedSheet::duplicate(int id) {
    const planned::Message* original = message(id);
    if (!original)
        return store::Failure(translated("That planned message is no longer on the sheet."));
    return add(*original);
}

store::Failure PlannedSheet::importCsv(const QByteArray& bytes) {
    const planned::Imported imported = planned::fromCsv(bytes);
    int left = imported.unfit;
    for (const planned::Message& message : imported.messages) {
        if (append(message))
            ++left;
    }
    keep();
    look();
    if (left == 0)
        return {};
    return store::Failure(
        QCoreApplication::translate("PlannedMessages",
                                    "%n line(s) of the file could not be planned: each needs a "
                                    "text, a time not before (such as 9:40) and fitting times.",
                                    nullptr, left));
}

void PlannedSheet::listed() {
    if (!m_desk.hasListing()) {
        // Answers on their way from a database closed meanwhile never come.
        m_inFlight.clear();
        return;
    }
    look();
}

void PlannedSheet::look() {
    followDay();
    bool changedState = m_desk.hasListing() && reconcile();
    if (!m_desk.refusesMessages() && m_desk.hasListing()) {
        for (planned::Message& message : m_messages)
            act(message);
    }
    if (changedState)
        keep();
}

// A new day brings its own sheet.
void PlannedSheet::followDay() {
    const QDate today = m_desk.now().date();
    if (today == m_day)
        return;
    m_day = today;
    m_messages = planned::load(m_day);
    m_inFlight.clear();
    m_lastId = 0;
    for (const planned::Message& message : m_messages)
        m_lastId = std::max(m_lastId, message.id);
    emit changed();
}

// A row of this database no longer listed has been read out (or deleted
// by another desk or program: either way it has left the list).
bool PlannedSheet::reconcile() {
    bool any = false;
    for (planned::Message& message : m_messages) {
        if (message.rowKey.isEmpty() || message.database != m_desk.path() ||
            m_inFlight.contains(message.id) || m_desk.messages()->rowOf(keyOf(message.rowKey)) >= 0)
            continue;
        message.lastRowKey = std::exchange(message.rowKey, {});
        message.listedText.clear();
        message.readAt = m_desk.now();
        any = true;
    }
    return any;
}

// A row listed in another database than the one open now is left alone.
void PlannedSheet::act(planned::Message& message) {
    if (m_inFlight.contains(message.id) ||
        (!message.rowKey.isEmpty() && message.database != m_desk.path()))
        return;
    switch (planned::stepAt(message, m_day, m_desk.now())) {
    case planned::Step::Add:
        addDue(message);
        return;
    case planned::Step::TakeBack:
        takeBack(message);
        return;
    case planned::Step::None:
        return;
    }
}

void PlannedSheet::addDue(const planned::Message& message) {
    m_inFlight.insert(message.id);
    const QString text = store::announcer::withLineBreaks(message.text);
    m_desk.addPlanned(message.text, message.urgent,
                      [sheet = QPointer<PlannedSheet>(this), id = message.id,
                       database = m_desk.path(), text](const AnnouncerDesk::Sent& sent) {
                          if (sheet)
                              sheet->added(id, database, sent.key ? sent.key->text() : QString(),
                                           text);
                      });
}

void PlannedSheet::added(int id, const QString& database, const QString& key, const QString& text) {
    m_inFlight.erase(id);
    planned::Message* message = find(id);
    if (!message || key.isEmpty()) {
        emit changed();
        return;
    }
    message->database = database;
    message->rowKey = key;
    message->listedText = text;
    message->listedAt = m_desk.now();
    keep();
}

// The row is found on the list by its key, so the database is asked with
// the key as its engine handed it out.
void PlannedSheet::takeBack(const planned::Message& message) {
    const MessageList& list = *m_desk.messages();
    const MessageList::Line* line = list.line(list.rowOf(keyOf(message.rowKey)));
    if (!line)
        return;
    m_inFlight.insert(message.id);
    m_desk.takeBack(line->key, message.listedText,
                    [sheet = QPointer<PlannedSheet>(this), id = message.id,
                     key = message.rowKey](std::optional<bool> taken) {
                        if (sheet)
                            sheet->takenBack(id, key, taken);
                    });
}

// A row that no longer held the message's text is not the desk's to take:
// the message lets go of it all the same.
void PlannedSheet::takenBack(int id, const QString& key, std::optional<bool> taken) {
    m_inFlight.erase(id);
    planned::Message* message = find(id);
    if (!taken || !message || message->rowKey != key)
        return;
    message->lastRowKey = std::exchange(message->rowKey, {});
    message->listedText.clear();
    message->takenBack = true;
    keep();
}

// Undo put a planned message's row back: it is listed again, under the
// new row, as if it had not been read out.
void PlannedSheet::restored(const QString& dismissed, const QString& restored) {
    for (planned::Message& message : m_messages) {
        if (message.rowKey.isEmpty() && message.lastRowKey == dismissed &&
            message.database == m_desk.path()) {
            message.rowKey = restored;
            message.listedText = store::announcer::withLineBreaks(message.text);
            message.readAt = {};
            keep();
            return;
        }
    }
}

void PlannedSheet::keep() {
    m_saveFailure = planned::save(m_day, m_messages);
    emit changed();
}

} // namespace desk
