#include "plannedmessages.h"

#include "csvtext.h"
#include "readoutlog.h"

#include "store/ownfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace desk::planned {

namespace {

constexpr qint64 longestFile = qint64{4} << 20;
const QString timeFormat = QStringLiteral("HH:mm");
const QStringList csvHeader = {QStringLiteral("text"), QStringLiteral("not before"),
                               QStringLiteral("not after"), QStringLiteral("repeat minutes"),
                               QStringLiteral("urgent")};

QDateTime at(const QDate& day, const QTime& time) {
    return QDateTime(day, time);
}

bool pastNotAfter(const Message& message, const QDate& day, const QDateTime& now) {
    return message.notAfter.isValid() && now >= at(day, message.notAfter);
}

// "9:40", "09:40" or "09:40:00"; invalid for anything else.
QTime timeFrom(const QString& text) {
    for (const QString& format : {QStringLiteral("H:mm"), QStringLiteral("H:mm:ss")}) {
        const QTime time = QTime::fromString(text.trimmed(), format);
        if (time.isValid())
            return time;
    }
    return {};
}

QString timeText(const QTime& time) {
    return time.isValid() ? time.toString(timeFormat) : QString();
}

QString dateTimeText(const QDateTime& time) {
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QJsonObject toJson(const Message& message) {
    return {{QStringLiteral("id"), message.id},
            {QStringLiteral("text"), message.text},
            {QStringLiteral("notBefore"), timeText(message.notBefore)},
            {QStringLiteral("notAfter"), timeText(message.notAfter)},
            {QStringLiteral("repeatMinutes"), message.repeatMinutes},
            {QStringLiteral("urgent"), message.urgent},
            {QStringLiteral("database"), message.database},
            {QStringLiteral("row"), message.rowKey},
            {QStringLiteral("listedText"), message.listedText},
            {QStringLiteral("listedAt"), dateTimeText(message.listedAt)},
            {QStringLiteral("lastRow"), message.lastRowKey},
            {QStringLiteral("readAt"), dateTimeText(message.readAt)},
            {QStringLiteral("takenBack"), message.takenBack}};
}

Message fromJson(const QJsonObject& object) {
    const auto text = [&](const char* name) {
        return object.value(QLatin1String(name)).toString();
    };
    const auto time = [&](const char* name) {
        return QDateTime::fromString(text(name), Qt::ISODate);
    };
    Message message;
    message.id = object.value(QStringLiteral("id")).toInt();
    message.text = text("text");
    message.notBefore = timeFrom(text("notBefore"));
    message.notAfter = timeFrom(text("notAfter"));
    message.repeatMinutes = object.value(QStringLiteral("repeatMinutes")).toInt();
    message.urgent = object.value(QStringLiteral("urgent")).toBool();
    message.database = text("database");
    message.rowKey = text("row");
    message.listedText = text("listedText");
    message.listedAt = time("listedAt");
    message.lastRowKey = text("lastRow");
    message.readAt = time("readAt");
    message.takenBack = object.value(QStringLiteral("takenBack")).toBool();
    return message;
}

bool isYes(const QString& text) {
    static const QStringList yes = {QStringLiteral("yes"), QStringLiteral("y"),
                                    QStringLiteral("true"), QStringLiteral("1"),
                                    QStringLiteral("x")};
    return yes.contains(text.trimmed().toLower());
}

} // namespace

bool Message::samePlan(const Message& other) const {
    return text == other.text && notBefore == other.notBefore && notAfter == other.notAfter &&
           repeatMinutes == other.repeatMinutes && urgent == other.urgent;
}

State stateAt(const Message& message, const QDate& day, const QDateTime& now) {
    if (!message.rowKey.isEmpty())
        return State::Listed;
    if (message.takenBack)
        return State::Expired;
    if (pastNotAfter(message, day, now))
        return message.readAt.isValid() ? State::Done : State::Expired;
    if (!message.readAt.isValid())
        return State::Waiting;
    return message.repeatMinutes > 0 ? State::ReadOut : State::Done;
}

QDateTime dueAt(const Message& message, const QDate& day) {
    if (message.takenBack || (message.readAt.isValid() && message.repeatMinutes <= 0))
        return {};
    QDateTime due = at(day, message.notBefore);
    if (message.readAt.isValid())
        due = std::max(due, message.readAt.addSecs(qint64{60} * message.repeatMinutes));
    if (message.notAfter.isValid() && due >= at(day, message.notAfter))
        return {};
    return due;
}

// A message is listed once at a time: a repeat waits until the row before
// it has left the list, and a desk started late adds what is due now once.
Step stepAt(const Message& message, const QDate& day, const QDateTime& now) {
    if (!message.rowKey.isEmpty())
        return pastNotAfter(message, day, now) ? Step::TakeBack : Step::None;
    const QDateTime due = dueAt(message, day);
    return due.isValid() && now >= due && !pastNotAfter(message, day, now) ? Step::Add : Step::None;
}

const char* unfit(const Message& message) {
    if (message.text.trimmed().isEmpty())
        return QT_TRANSLATE_NOOP("PlannedMessages", "The message has no text.");
    if (message.text.size() > longestText)
        return QT_TRANSLATE_NOOP("PlannedMessages", "The message is longer than 1000 characters.");
    if (std::any_of(message.text.cbegin(), message.text.cend(), [](QChar c) {
            return c != QLatin1Char('\n') && c.category() == QChar::Other_Control;
        }))
        return QT_TRANSLATE_NOOP("PlannedMessages", "The message holds control characters.");
    if (!message.notBefore.isValid())
        return QT_TRANSLATE_NOOP("PlannedMessages", "The message needs a time not before.");
    if (message.notAfter.isValid() && message.notAfter <= message.notBefore)
        return QT_TRANSLATE_NOOP("PlannedMessages",
                                 "The time not after must be later than the time not before.");
    if (message.repeatMinutes < 0 || message.repeatMinutes > longestRepeatMinutes)
        return QT_TRANSLATE_NOOP("PlannedMessages",
                                 "The repeat must be between 0 and 1440 minutes.");
    return nullptr;
}

// Line breaks of any kind become one '\n'; controls of the writing
// direction and other invisible formatting are taken out.
Message fitted(Message message) {
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
        text.replace(lineBreak, QLatin1Char('\n'));
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    message.text = text.trimmed();
    return message;
}

QString fileOf(const QDate& day) {
    return readoutlog::folder() +
           QStringLiteral("/planned-%1.json").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

std::vector<Message> load(const QDate& day) {
    const std::optional<QByteArray> bytes =
        store::readOwn(fileOf(day), store::privateFile, longestFile);
    if (!bytes)
        return {};
    std::vector<Message> messages;
    for (const auto& value :
         QJsonDocument::fromJson(*bytes).object().value(QStringLiteral("messages")).toArray()) {
        Message message = fromJson(value.toObject());
        if (!unfit(message) && message.id > 0 && messages.size() < size_t{mostMessages})
            messages.push_back(std::move(message));
    }
    return messages;
}

store::Failure save(const QDate& day, const std::vector<Message>& messages) {
    QJsonArray list;
    for (const Message& message : messages)
        list.append(toJson(message));
    const QJsonObject sheet{{QStringLiteral("day"), day.toString(Qt::ISODate)},
                            {QStringLiteral("messages"), list}};
    return store::replaceAtomically(fileOf(day), QJsonDocument(sheet).toJson());
}

QByteArray toCsv(const std::vector<Message>& messages) {
    QByteArray bytes = csv::record(csvHeader);
    for (const Message& message : messages) {
        QString text = message.text;
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        bytes += csv::record(
            {csv::guarded(text), timeText(message.notBefore), timeText(message.notAfter),
             message.repeatMinutes > 0 ? QString::number(message.repeatMinutes) : QString(),
             message.urgent ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    return bytes;
}

Imported fromCsv(const QByteArray& bytes) {
    Imported imported;
    for (const QStringList& fields : csv::parse(QString::fromUtf8(bytes.left(longestCsv)))) {
        if (fields.size() == 1 && fields.front().isEmpty())
            continue;
        if (fields.front().trimmed().compare(csvHeader.front(), Qt::CaseInsensitive) == 0)
            continue;
        Message message;
        message.text = csv::unguarded(fields.front());
        message.notBefore = timeFrom(fields.value(1));
        message.notAfter = timeFrom(fields.value(2));
        bool whole = true;
        const QString repeat = fields.value(3).trimmed();
        message.repeatMinutes = repeat.isEmpty() ? 0 : repeat.toInt(&whole);
        message.urgent = isYes(fields.value(4));
        message = fitted(message);
        const bool badTime = !fields.value(2).trimmed().isEmpty() && !message.notAfter.isValid();
        if (!whole || badTime || unfit(message) || imported.messages.size() >= size_t{mostMessages})
            ++imported.unfit;
        else
            imported.messages.push_back(std::move(message));
    }
    return imported;
}

} // namespace desk::planned
