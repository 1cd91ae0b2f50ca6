#include "requesthead.h"

#include <optional>

namespace station {

namespace {

constexpr QByteArrayView headEnd = "\r\n\r\n";

// RFC 9110's token characters, which a header name is made of.
bool isTokenCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

// Visible characters, spaces and tabs: what a header's value may hold.
bool isFieldValue(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == '\t' || (u >= 0x20 && u != 0x7f);
    });
}

std::optional<RequestHead> parseRequestLine(QByteArrayView line) {
    const QList<QByteArray> parts = line.toByteArray().split(' ');
    if (parts.size() != 3 || !isToken(parts[0]) || parts[1].isEmpty() || !isFieldValue(parts[1]))
        return std::nullopt;
    RequestHead head;
    head.method = parts[0];
    head.target = parts[1];
    if (parts[2] == "HTTP/1.1")
        head.minorVersion = 1;
    else if (parts[2] == "HTTP/1.0")
        head.minorVersion = 0;
    else
        return std::nullopt;
    return head;
}

} // namespace

QByteArray RequestHead::header(QByteArrayView name) const {
    for (const auto& [field, value] : headers) {
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool RequestHead::hasHeader(QByteArrayView name) const {
    return std::any_of(headers.cbegin(), headers.cend(), [&](const auto& field) {
        return name.compare(field.first, Qt::CaseInsensitive) == 0;
    });
}

bool RequestHead::headerHasToken(QByteArrayView name, QByteArrayView token) const {
    for (const auto& [field, value] : headers) {
        if (name.compare(field, Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& item : value.split(',')) {
            if (token.compare(item.trimmed(), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

bool RequestHead::keepsAlive() const {
    if (headerHasToken("Connection", "close"))
        return false;
    return minorVersion == 1 || headerHasToken("Connection", "keep-alive");
}

bool RequestHead::hasBody() const {
    if (hasHeader("Transfer-Encoding"))
        return true;
    for (const auto& [field, value] : headers) {
        if (QByteArrayView("Content-Length").compare(field, Qt::CaseInsensitive) == 0 &&
            value != "0")
            return true;
    }
    return false;
}

HeadScan scanHead(QByteArrayView received) {
    const qsizetype end = received.first(std::min(received.size(), longestHead)).indexOf(headEnd);
    if (end >= 0)
        return {HeadScan::Status::Complete, end + headEnd.size()};
    return {received.size() >= longestHead ? HeadScan::Status::TooLong
                                           : HeadScan::Status::Incomplete,
            0};
}

// Lines end in CR LF; a line folded onto the next (a leading blank),
// a bare CR or LF, or a header without a name is refused rather than
// guessed at.
std::optional<RequestHead> parseHead(QByteArrayView head) {
    if (!head.endsWith(headEnd))
        return std::nullopt;
    const QList<QByteArray> lines =
        head.first(head.size() - headEnd.size()).toByteArray().split('\n');
    std::optional<RequestHead> request;
    for (const QByteArray& line : lines) {
        if (!line.endsWith('\r') && &line != &lines.back())
            return std::nullopt;
        const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
        if (text.contains('\r') || text.contains('\n'))
            return std::nullopt;
        if (!request) {
            request = parseRequestLine(text);
            if (!request)
                return std::nullopt;
            continue;
        }
        const qsizetype colon = text.indexOf(':');
        if (colon <= 0 || !isToken(QByteArrayView(text).first(colon)) ||
            !isFieldValue(text.mid(colon + 1)))
            return std::nullopt;
        request->headers.append({text.first(colon), text.mid(colon + 1).trimmed()});
    }
    return request;
}

} // namespace station
