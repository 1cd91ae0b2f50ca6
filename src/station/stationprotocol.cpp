#include "stationprotocol.h"

#include "desk/announcerdesk.h"
#include "desk/desksettings.h"

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
    {QStringLiteral("pong"), Request::Type::Pong}};

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
                    object.value(QStringLiteral("number")).toInt()};
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

QByteArray list(AnnouncerDesk& desk) {
    const MessageList& messages = *desk.messages();
    QJsonArray lines;
    for (int row = 0; row < messages.rowCount(); ++row) {
        const QModelIndex index = messages.index(row);
        const QDateTime arrived = index.data(MessageList::ArrivedRole).toDateTime();
        lines.append(QJsonObject{
            {QStringLiteral("key"), messages.line(row)->key.text()},
            {QStringLiteral("line"), index.data(Qt::DisplayRole).toString()},
            {QStringLiteral("more"), index.data(MessageList::MoreRole).toBool()},
            {QStringLiteral("new"), index.data(MessageList::NewRole).toBool()},
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

QByteArray taking(const std::optional<QString>& refusal, const QStringList& readyTexts) {
    return text({{QStringLiteral("type"), QStringLiteral("taking")},
                 {QStringLiteral("refusal"), refusal.value_or(QString())},
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

} // namespace station::protocol
