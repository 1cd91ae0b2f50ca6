#include "stationsocket.h"

#include <QtEndian>

#include <sys/socket.h>

namespace station {

namespace {

// A WebSocket frame's head: two bytes, then the length's 2 or 8 more bytes
// and the mask's 4 when they are there.
qsizetype headLength(const QByteArray& head) {
    if (head.size() < 2)
        return 2;
    const int length = head[1] & 0x7f;
    return 2 + (length == 126 ? 2 : length == 127 ? 8 : 0) + ((head[1] & 0x80) != 0 ? 4 : 0);
}

quint64 payloadLength(const QByteArray& head) {
    const int length = head[1] & 0x7f;
    if (length == 126)
        return qFromBigEndian<quint16>(head.constData() + 2);
    if (length == 127)
        return qFromBigEndian<quint64>(head.constData() + 2);
    return quint64(length);
}

constexpr char pongCode = 0x0a;

} // namespace

bool ConnectionSlots::take(const QHostAddress& address) {
    int& fromAddress = m_fromAddress[address];
    if (m_count >= mostConnections || fromAddress >= m_mostFromOneAddress) {
        if (fromAddress == 0)
            m_fromAddress.remove(address);
        return false;
    }
    ++fromAddress;
    ++m_count;
    emit changed();
    return true;
}

void ConnectionSlots::giveBack(const QHostAddress& address) {
    const auto found = m_fromAddress.find(address);
    if (found == m_fromAddress.end())
        return;
    if (--*found == 0)
        m_fromAddress.erase(found);
    --m_count;
    emit changed();
}

QHostAddress peerOf(qintptr descriptor) {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(static_cast<int>(descriptor), reinterpret_cast<sockaddr*>(&peer), &length) !=
        0)
        return {};
    const QHostAddress address(reinterpret_cast<const sockaddr*>(&peer));
    bool isV4 = false;
    const QHostAddress v4(address.toIPv4Address(&isV4));
    return isV4 ? v4 : address;
}

StationSocket::StationSocket(ConnectionSlots& connections, const QHostAddress& address,
                             QObject* parent)
    : QSslSocket(parent)
    , m_slots(&connections)
    , m_address(address) {}

StationSocket::~StationSocket() {
    if (m_slots)
        m_slots->giveBack(m_address);
}

qint64 StationSocket::unsent() const {
    return bytesToWrite() + encryptedBytesToWrite();
}

// Whatever would make more than longestQueue wait is dropped, and the
// connection is cut off as soon as the writer is done.
qint64 StationSocket::writeData(const char* data, qint64 size) {
    if (m_cutOff)
        return size;
    if (unsent() + size > longestQueue) {
        m_cutOff = true;
        QMetaObject::invokeMethod(this, &QAbstractSocket::abort, Qt::QueuedConnection);
        return size;
    }
    follow(QByteArrayView(data, size));
    return QSslSocket::writeData(data, size);
}

// Qt WebSockets answers every ping with a pong of its own; the frames this
// socket writes tell how many pings came.
void StationSocket::follow(QByteArrayView bytes) {
    while (!bytes.isEmpty() && m_frames != Frames::None) {
        if (m_frames != Frames::HandshakeAnswer) {
            followFrame(bytes);
            continue;
        }
        const QByteArray seen = m_head + bytes.toByteArray();
        const qsizetype end = seen.indexOf("\r\n\r\n");
        if (end < 0) {
            m_head = seen.right(3);
            return;
        }
        bytes = bytes.sliced(end + 4 - m_head.size());
        m_head.clear();
        m_frames = Frames::Head;
    }
}

void StationSocket::followFrame(QByteArrayView& bytes) {
    if (m_frames == Frames::Payload) {
        const qsizetype skipped =
            qsizetype(std::min<quint64>(m_payloadLeft, quint64(bytes.size())));
        bytes = bytes.sliced(skipped);
        m_payloadLeft -= quint64(skipped);
        if (m_payloadLeft == 0)
            m_frames = Frames::Head;
        return;
    }
    const qsizetype taken = std::min(headLength(m_head) - m_head.size(), bytes.size());
    m_head += bytes.first(taken);
    bytes = bytes.sliced(taken);
    if (m_head.size() < headLength(m_head))
        return;
    if ((m_head[0] & 0x0f) == pongCode)
        emit pingAnswered();
    m_payloadLeft = payloadLength(m_head);
    m_head.clear();
    m_frames = m_payloadLeft > 0 ? Frames::Payload : Frames::Head;
}

} // namespace station
