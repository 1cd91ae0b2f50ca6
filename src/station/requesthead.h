#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

namespace station {

// The station serves a few fixed files and one live connection, so a
// request is only ever its head: the request line and the header lines.
// A request carrying a body is refused, never read.
inline constexpr qsizetype longestHead = qsizetype{16} * 1024;

struct RequestHead {
    QByteArray method;
    QByteArray target;
    // 0 for HTTP/1.0, 1 for HTTP/1.1.
    int minorVersion = 1;
    QList<QPair<QByteArray, QByteArray>> headers;

    // The value of the header named so (any case); empty when absent.
    [[nodiscard]] QByteArray header(QByteArrayView name) const;
    [[nodiscard]] bool hasHeader(QByteArrayView name) const;
    // The header's comma-separated list holds this token (any case).
    [[nodiscard]] bool headerHasToken(QByteArrayView name, QByteArrayView token) const;
    // The client wants the connection kept open after the answer.
    [[nodiscard]] bool keepsAlive() const;
    // A body follows the head.
    [[nodiscard]] bool hasBody() const;
};

// What the bytes received so far hold.
struct HeadScan {
    enum class Status { Incomplete, TooLong, Complete };
    Status status = Status::Incomplete;
    // The head's length, its blank line included (Complete only).
    qsizetype length = 0;
};
HeadScan scanHead(QByteArrayView received);

// The head's parts, or nothing for a head that is no HTTP/1.x request.
std::optional<RequestHead> parseHead(QByteArrayView head);

} // namespace station
