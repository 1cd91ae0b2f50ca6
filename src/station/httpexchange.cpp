#include "httpexchange.h"

#include "stationsocket.h"

namespace station {

namespace {

const QByteArray securityHeaders =
    "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; img-src "
    "'self'; "
    "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n"
    "X-Content-Type-Options: nosniff\r\n"
    "Referrer-Policy: no-referrer\r\n"
    "X-Frame-Options: DENY\r\n"
    "Cross-Origin-Resource-Policy: same-origin\r\n"
    "Cache-Control: no-store\r\n";

QByteArray reasonOf(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "HTTP Version Not Supported";
    }
}

ServedFile plain(int status) {
    return {"text/plain; charset=utf-8", reasonOf(status) + '\n'};
}

} // namespace

QByteArray httpAnswer(int status, const ServedFile& file, bool withBody, bool keepAlive) {
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonOf(status) + "\r\n" +
                        "Content-Type: " + file.contentType + "\r\n" +
                        "Content-Length: " + QByteArray::number(file.content.size()) + "\r\n" +
                        securityHeaders + (status == 405 ? "Allow: GET, HEAD\r\n" : "") +
                        (keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n") +
                        "\r\n";
    if (withBody)
        answer += file.content;
    return answer;
}

HttpExchange::HttpExchange(StationSocket* socket, const Site& site)
    : QObject(socket)
    , m_socket(socket)
    , m_site(site) {
    // The socket buffers no more than one head: past that, the kernel's
    // window fills and the client waits.
    m_socket->setReadBufferSize(longestHead);
    m_idle.setSingleShot(true);
    m_idle.setInterval(m_site.idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, m_socket, &QSslSocket::abort);
    connect(m_socket, &QSslSocket::readyRead, this, &HttpExchange::readRequests);
    m_idle.start();
}

// Heads are peeked at, not read, until it is clear what they ask for: a
// request for the live connection must reach its handler whole.
void HttpExchange::readRequests() {
    while (m_socket->state() == QAbstractSocket::ConnectedState) {
        const QByteArray received = m_socket->peek(longestHead);
        const HeadScan scan = scanHead(received);
        if (scan.status == HeadScan::Status::TooLong) {
            refuse(431);
            return;
        }
        if (scan.status == HeadScan::Status::Incomplete)
            return;
        const std::optional<RequestHead> head =
            parseHead(QByteArrayView(received).first(scan.length));
        if (!head) {
            refuse(400);
            return;
        }
        if (head->target == m_site.livePath && head->headerHasToken("Upgrade", "websocket") &&
            !head->hasBody()) {
            if (!m_site.isOwnOrigin(head->header("Origin"))) {
                refuse(403);
                return;
            }
            m_idle.stop();
            disconnect(m_socket, nullptr, this, nullptr);
            m_socket->setReadBufferSize(0);
            StationSocket* socket = m_socket;
            deleteLater();
            emit upgradeRequested(socket);
            return;
        }
        m_socket->skip(scan.length);
        if (!answer(*head))
            return;
        m_idle.start();
    }
}

bool HttpExchange::answer(const RequestHead& head) {
    if (head.hasBody()) {
        refuse(413);
        return false;
    }
    if (head.method != "GET" && head.method != "HEAD") {
        send(405, plain(405), true, head.keepsAlive());
        return head.keepsAlive();
    }
    // The path alone names the file; a query is ignored.
    const QByteArray path = head.target.left(
        head.target.indexOf('?') < 0 ? head.target.size() : head.target.indexOf('?'));
    const bool withBody = head.method == "GET";
    if (path == "/" && m_site.page) {
        send(200, m_site.page(head.header("Accept-Language")), withBody, head.keepsAlive());
        return head.keepsAlive();
    }
    const auto file = m_site.files.constFind(path);
    if (file == m_site.files.cend())
        send(404, plain(404), withBody, head.keepsAlive());
    else
        send(200, *file, withBody, head.keepsAlive());
    return head.keepsAlive();
}

void HttpExchange::refuse(int status) {
    send(status, plain(status), true, false);
}

void HttpExchange::send(int status, const ServedFile& file, bool withBody, bool keepAlive) {
    m_socket->write(httpAnswer(status, file, withBody, keepAlive));
    if (!keepAlive) {
        disconnect(m_socket, &QSslSocket::readyRead, this, &HttpExchange::readRequests);
        m_socket->disconnectFromHost();
    }
}

} // namespace station
