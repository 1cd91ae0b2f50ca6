#include "pagesession.h"

#include "stationsocket.h"

#include <QTimer>
#include <QWebSocket>

namespace station {

PageSession::PageSession(std::unique_ptr<QWebSocket> socket, const StationSocket& transport,
                         int number, QObject* parent)
    : QObject(parent)
    , m_socket(std::move(socket))
    , m_address(transport.address()) {
    m_name = QStringLiteral("browser %1 #%2").arg(m_address.toString()).arg(number);
    m_socket->setMaxAllowedIncomingFrameSize(longestMessage);
    m_socket->setMaxAllowedIncomingMessageSize(longestMessage);
    connect(m_socket.get(), &QWebSocket::textMessageReceived, this, [this](const QString& message) {
        m_lastHeard = FailedAttempts::Clock::now();
        if (!m_closing)
            emit received(message);
    });
    // A page only ever sends text.
    connect(m_socket.get(), &QWebSocket::binaryMessageReceived, this,
            [this] { close(CloseReason::Unexpected); });
    connect(m_socket.get(), &QWebSocket::disconnected, this, &PageSession::gone);
    connect(m_socket.get(), &QWebSocket::textFrameReceived, this, &PageSession::countFrame);
    connect(m_socket.get(), &QWebSocket::pong, this, &PageSession::countFrame);
    connect(&transport, &StationSocket::pingAnswered, this, &PageSession::countFrame);
}

PageSession::~PageSession() {
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}

void PageSession::send(const QByteArray& message) {
    if (m_closing)
        return;
    m_socket->sendBinaryMessage(message);
}

// Qt WebSockets reads and answers a page's frames whatever the station
// does with them: a flood is stopped by cutting the connection off.
void PageSession::countFrame() {
    const auto now = FailedAttempts::Clock::now();
    if (now - m_framesSince >= framesTime) {
        m_framesSince = now;
        m_frames = 0;
    }
    if (++m_frames != mostFrames + 1)
        return;
    m_closing = true;
    QMetaObject::invokeMethod(m_socket.get(), &QWebSocket::abort, Qt::QueuedConnection);
}

// The close waits a moment: frames the page sent before it could know
// are read and passed over first. Closing the connection with them still
// unread would reset it, and the page would never learn why it was closed.
void PageSession::close(CloseReason reason) {
    if (m_closing)
        return;
    m_closing = true;
    QTimer::singleShot(closeDelayMs, m_socket.get(), [socket = m_socket.get(), reason] {
        socket->close(static_cast<QWebSocketProtocol::CloseCode>(reason));
    });
    // A page that does not answer the close is cut off all the same.
    QTimer::singleShot(2000, m_socket.get(), &QWebSocket::abort);
}

} // namespace station
