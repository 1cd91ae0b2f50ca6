#include "stationprotocol.h"

#include "qrmodules.h"

#include "desk/announcerdesk.h"
#include "desk/desksettings.h"
#include "desk/messagelines.h"
#include "desk/plannedsheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace station::protocol {

namespace {

QByteArray text(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

const QHash<QString, Request::Type> requestTypes = {
    {QStringLiteral("hello"), Request::Type::Hello},
    {QStringLiteral("choose"), Request::Type::Choose},
    {QStringLiteral("dismiss"), Request::Type::Dismiss},
    {QStringLiteral("undo"), Request::Type::Undo},
    {QStringLiteral("send"), Request::Type::Send},
    {QStringLiteral("readOuts"), Request::Type::ReadOuts},
    {QStringLiteral("links"), Request::Type::Links},
    {QStringLiteral("newLinks"), Request::Type::NewLinks},
    {QStringLiteral("plan"), Request::Type::Plan},
    {QStringLiteral("holdBack"), Request::Type::HoldBack},
    {QStringLiteral("blank"), Request::Type::Blank},
    {QStringLiteral("pong"), Request::Type::Pong}};

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

// A dismissal with the start of its text, characters long at most, and how
// much of it is left out.
QJsonObject readOutEntry(const desk::readoutlog::ReadOut& readOut, qsizetype characters) {
    const QString& message = readOut.message;
    return {{QStringLiteral("time"), timeText(readOut.time)},
            {QStringLiteral("undone"), timeText(readOut.undone)},
            {QStringLiteral("line"),
             desk::listLine(readOut.sequence, message.left(desk::listedCharacters),
                            message.size() > desk::listedCharacters)},
            {QStringLiteral("text"), desk::displayText(message.left(characters))},
            {QStringLiteral("left"), std::max<qsizetype>(message.size() - characters, 0)}};
}

} // namespace

std::optional<Request> parseRequest(const QString& message) {
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8());
    const QJsonObject object = document.object();
    const auto type = requestTypes.constFind(object.value(QStringLiteral("type")).toString());
    if (!document.isObject() || type == requestTypes.cend())
        return std::nullopt;
    Request request{*type,
                    object.value(QStringLiteral("token")).toString(),
                    object.value(QStringLiteral("key")).toString(),
                    object.value(QStringLiteral("language")).toString(),
                    object.value(QStringLiteral("page")).toString(),
                    object.value(QStringLiteral("sender")).toString(),
                    object.value(QStringLiteral("text")).toString(),
                    object.value(QStringLiteral("urgent")).toBool(),
                    object.value(QStringLiteral("number")).toInt(),
                    object.value(QStringLiteral("edit")).toString(),
                    object.value(QStringLiteral("id")).toInt(),
                    object.value(QStringLiteral("notBefore")).toString(),
                    object.value(QStringLiteral("notAfter")).toString(),
                    object.value(QStringLiteral("repeatMinutes")).toInt(),
                    object.value(QStringLiteral("on")).toBool()};
    return request;
}

QByteArray welcome(Role role, const QString& station) {
    QJsonArray steps;
    for (const double points : desk::readingPointSteps())
        steps.append(points);
    return text({{QStringLiteral("type"), QStringLiteral("welcome")},
                 {QStringLiteral("role"), roleName(role)},
                 {QStringLiteral("station"), station},
                 {QStringLiteral("readingSteps"), steps}});
}

QByteArray list(desk::AnnouncerDesk& desk) {
    const desk::MessageList& messages = *desk.messages();
    QJsonArray lines;
    for (int row = 0; row < messages.rowCount(); ++row) {
        const QModelIndex index = messages.index(row);
        const QDateTime arrived = index.data(desk::MessageList::ArrivedRole).toDateTime();
        lines.append(QJsonObject{
            {QStringLiteral("key"), messages.line(row)->key.text()},
            {QStringLiteral("line"), index.data(Qt::DisplayRole).toString()},
            {QStringLiteral("more"), index.data(desk::MessageList::MoreRole).toBool()},
            {QStringLiteral("new"), index.data(desk::MessageList::NewRole).toBool()},
            {QStringLiteral("urgent"), index.data(desk::MessageList::UrgentRole).toBool()},
            {QStringLiteral("arrived"),
             arrived.isValid() ? arrived.toString(QStringLiteral("HH:mm")) : QString()}});
    }
    return text({{QStringLiteral("type"), QStringLiteral("list")},
                 {QStringLiteral("open"), desk.isOpen()},
                 {QStringLiteral("lines"), lines}});
}

QByteArray shown(const QString& type, const QString& key, const QString& text) {
    return protocol::text({{QStringLiteral("type"), type},
                           {QStringLiteral("key"), key},
                           {QStringLiteral("text"), text}});
}

QByteArray trouble(const QString& text) {
    return protocol::text(
        {{QStringLiteral("type"), QStringLiteral("trouble")}, {QStringLiteral("text"), text}});
}

QByteArray notice(const QString& text) {
    return protocol::text(
        {{QStringLiteral("type"), QStringLiteral("notice")}, {QStringLiteral("text"), text}});
}

QByteArray ping() {
    return text({{QStringLiteral("type"), QStringLiteral("ping")}});
}

QByteArray taking(const store::Failure& refusal, const QStringList& readyTexts) {
    return text({{QStringLiteral("type"), QStringLiteral("taking")},
                 {QStringLiteral("refusal"), refusal ? refusal.reason() : QString()},
                 {QStringLiteral("ready"), QJsonArray::fromStringList(readyTexts)}});
}

QByteArray sent(const SentMessages& messages, const QString& page) {
    QJsonArray list;
    for (const SentMessage& message : messages.messages()) {
        if (message.page != page)
            continue;
        list.append(
            QJsonObject{{QStringLiteral("number"), message.number},
                        {QStringLiteral("sender"), message.sender},
                        {QStringLiteral("text"), message.text},
                        {QStringLiteral("urgent"), message.urgent},
                        {QStringLiteral("sent"), message.sentAt.toString(QStringLiteral("HH:mm"))},
                        {QStringLiteral("state"), stateName(message.state)},
                        {QStringLiteral("readAt"),
                         message.readAt.isValid() ? message.readAt.toString(QStringLiteral("HH:mm"))
                                                  : QString()}});
    }
    return text(
        {{QStringLiteral("type"), QStringLiteral("sent")}, {QStringLiteral("messages"), list}});
}

QByteArray answer(int number, const QString& refusal) {
    return text({{QStringLiteral("type"), QStringLiteral("answer")},
                 {QStringLiteral("number"), number},
                 {QStringLiteral("refusal"), refusal}});
}

// Whole texts, newest first, until the bytes run out: the one that would
// pass them is cut (a character takes six bytes at most, escaped), and the
// older ones are only counted.
QByteArray readOuts(const std::optional<std::vector<desk::readoutlog::ReadOut>>& readOuts) {
    QJsonArray entries;
    qsizetype bytes = 0;
    int left = 0;
    for (const desk::readoutlog::ReadOut& readOut :
         readOuts.value_or(std::vector<desk::readoutlog::ReadOut>{})) {
        if (entries.size() == mostReadOuts || bytes >= readOutsBytes) {
            ++left;
            continue;
        }
        QJsonObject entry = readOutEntry(readOut, readOut.message.size());
        qsizetype size = text(entry).size();
        if (bytes + size > readOutsBytes) {
            entry = readOutEntry(readOut, (readOutsBytes - bytes) / 6);
            size = readOutsBytes;
        }
        bytes += size;
        entries.append(entry);
    }
    return text({{QStringLiteral("type"), QStringLiteral("readOuts")},
                 {QStringLiteral("open"), readOuts.has_value()},
                 {QStringLiteral("entries"), entries},
                 {QStringLiteral("older"), left}});
}

QByteArray planned(const desk::PlannedSheet& sheet) {
    static const QHash<desk::planned::State, QString> stateNames = {
        {desk::planned::State::Waiting, QStringLiteral("waiting")},
        {desk::planned::State::Listed, QStringLiteral("listed")},
        {desk::planned::State::ReadOut, QStringLiteral("readOut")},
        {desk::planned::State::Expired, QStringLiteral("expired")},
        {desk::planned::State::Done, QStringLiteral("done")}};
    const QDateTime now = sheet.now();
    const auto hoursMinutes = [](const QDateTime& time) {
        return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
    };
    QJsonArray messages;
    for (const desk::planned::Message& message : sheet.messages()) {
        messages.append(QJsonObject{
            {QStringLiteral("id"), message.id},
            {QStringLiteral("text"), message.text},
            {QStringLiteral("notBefore"), message.notBefore.toString(QStringLiteral("HH:mm"))},
            {QStringLiteral("notAfter"), message.notAfter.isValid()
                                             ? message.notAfter.toString(QStringLiteral("HH:mm"))
                                             : QString()},
            {QStringLiteral("repeatMinutes"), message.repeatMinutes},
            {QStringLiteral("urgent"), message.urgent},
            {QStringLiteral("state"),
             stateNames.value(desk::planned::stateAt(message, sheet.day(), now))},
            {QStringLiteral("due"), hoursMinutes(desk::planned::dueAt(message, sheet.day()))},
            {QStringLiteral("since"), hoursMinutes(message.listedAt)},
            {QStringLiteral("readAt"), hoursMinutes(message.readAt)},
            {QStringLiteral("readAgo"),
             message.readAt.isValid() ? message.readAt.secsTo(now) : qint64{0}}});
    }
    const store::Failure refusal = sheet.refusal();
    return text({{QStringLiteral("type"), QStringLiteral("planned")},
                 {QStringLiteral("refusal"), refusal ? refusal.reason() : QString()},
                 {QStringLiteral("messages"), messages}});
}

// Each QR code as its size and its modules, "1" for a dark one, row by row.
QByteArray links(const std::vector<HandedLink>& links, int otherPages) {
    QJsonArray handed;
    for (const HandedLink& link : links) {
        const QByteArray url = link.url.toEncoded();
        const std::optional<QrModules> code = qrModules(url);
        QString dark;
        if (code) {
            dark.reserve(static_cast<qsizetype>(code->dark.size()));
            for (const bool module : code->dark)
                dark += module ? QLatin1Char('1') : QLatin1Char('0');
        }
        handed.append(QJsonObject{{QStringLiteral("role"), roleName(link.role)},
                                  {QStringLiteral("url"), QString::fromLatin1(url)},
                                  {QStringLiteral("size"), code ? code->size : 0},
                                  {QStringLiteral("dark"), dark}});
    }
    return text({{QStringLiteral("type"), QStringLiteral("links")},
                 {QStringLiteral("links"), handed},
                 {QStringLiteral("pages"), otherPages}});
}

QByteArray caption(const CaptionScreen& screen, const desk::ScreenChoice& choice) {
    static const std::array faces = {QStringLiteral("message"), QStringLiteral("idle"),
                                     QStringLiteral("blank")};
    const CaptionScreen::Message message = screen.message();
    return text({{QStringLiteral("type"), QStringLiteral("caption")},
                 {QStringLiteral("face"), faces.at(static_cast<size_t>(screen.face()))},
                 {QStringLiteral("text"), message.text},
                 {QStringLiteral("urgent"), message.urgent},
                 {QStringLiteral("lingering"), screen.isLingering()},
                 {QStringLiteral("gala"), choice.gala},
                 {QStringLiteral("dark"), choice.dark}});
}

QByteArray screen(const CaptionScreen& screen) {
    QJsonArray held;
    for (const QString& key : screen.heldBack())
        held.append(key);
    return text({{QStringLiteral("type"), QStringLiteral("screen")},
                 {QStringLiteral("held"), held},
                 {QStringLiteral("blank"), screen.isBlank()}});
}

} // namespace station::protocol
