#pragma once

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSslSocket>

namespace station {

// Connections at once: in all, and from one address, so that one device
// cannot lock the officials out. Past either, a connection is closed as it
// is accepted, before a socket is made of it.
inline constexpr int mostConnections = 256;
inline constexpr int mostFromOneAddress = 16;
// What may wait to be sent on one connection; past it the connection is cut off.
inline constexpr qint64 longestQueue = qint64{1} << 20;

// The station's connections now, in all and by address.
class ConnectionSlots : public QObject {
    Q_OBJECT

public:
    // Takes a slot for a connection from address; false when none is free.
    bool take(const QHostAddress& address);
    void giveBack(const QHostAddress& address);
    [[nodiscard]] int count() const { return m_count; }
    // More from one address, for a benchmark whose pages share one.
    void setMostFromOneAddress(int connections) { m_mostFromOneAddress = connections; }

signals:
    void changed();

private:
    QHash<QHostAddress, int> m_fromAddress;
    int m_count = 0;
    int m_mostFromOneAddress = mostFromOneAddress;
};

// The address of the peer of a connection the system has just accepted, an
// IPv4 address as such; a null address when it cannot be told.
QHostAddress peerOf(qintptr descriptor);

// One connection to the station from its acceptance to its end, whatever it
// becomes: plain requests, a WebSocket handshake, a page. It holds the slot
// taken for it until it is destroyed (Qt WebSockets destroys a socket it was
// handed once its connection ends), and nothing it is asked to send may make
// more than longestQueue wait, the pongs Qt WebSockets sends by itself
// included: a client that lets more pile up is cut off.
class StationSocket : public QSslSocket {
    Q_OBJECT

public:
    StationSocket(ConnectionSlots& connections, const QHostAddress& address, QObject* parent);
    ~StationSocket() override;

    [[nodiscard]] QHostAddress address() const { return m_address; }
    // From now on this socket writes a WebSocket handshake's answer and then
    // frames.
    void upgrading() { m_frames = Frames::HandshakeAnswer; }
    [[nodiscard]] bool isUpgraded() const { return m_frames != Frames::None; }

signals:
    // A pong was written: the peer sent a ping.
    void pingAnswered();

protected:
    qint64 writeData(const char* data, qint64 size) override;

private:
    [[nodiscard]] qint64 unsent() const;
    void follow(QByteArrayView bytes);
    void followFrame(QByteArrayView& bytes);

    QPointer<ConnectionSlots> m_slots;
    QHostAddress m_address;
    bool m_cutOff = false;
    // Where the bytes written stand: a frame's head is gathered whole, its
    // payload passed over.
    enum class Frames { None, HandshakeAnswer, Head, Payload } m_frames = Frames::None;
    QByteArray m_head;
    quint64 m_payloadLeft = 0;
};

} // namespace station
