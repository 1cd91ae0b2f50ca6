#pragma once

#include "failedattempts.h"
#include "stationlinks.h"

#include "desk/deskdisplay.h"

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QWebSocketProtocol>

#include <memory>
#include <optional>

class QWebSocket;

namespace station {

class StationSocket;

// The largest message a page may send; anything larger closes its
// connection.
inline constexpr qint64 longestMessage = qint64{64} * 1024;
// A page must say who it is this soon after connecting.
inline constexpr int helloMilliseconds = 10 * 1000;
// A page sends a few frames a minute: its hello, answers to pings, a
// person's taps. One that sends more than this many in the time below,
// pings and pongs included, is cut off.
inline constexpr int mostFrames = 100;
inline constexpr std::chrono::seconds framesTime{10};

// Why the station closes a live connection: the page tells its user, and
// does not try again with a link that no longer works.
enum class CloseReason {
    // The link's token is wrong, or was replaced by "New links".
    LinkNotValid = 4001,
    // The page asked for something its link does not allow.
    NotAllowed = 4003,
    // The page broke the protocol (no hello, an unknown message).
    Unexpected = 4002,
    // The station stops.
    Stopping = 1001,
    // Nothing heard for too long, or answers left unread.
    Gone = 4008,
};

// One browser page on its live connection (socket, over transport): who it
// is once its token has been checked, when it was last heard from, and how
// fast it sends.
class PageSession : public QObject {
    Q_OBJECT

public:
    PageSession(std::unique_ptr<QWebSocket> socket, const StationSocket& transport, int number,
                QObject* parent = nullptr);
    ~PageSession() override;

    // The name the desk and the read-out log know it by.
    [[nodiscard]] QString name() const { return m_name; }
    [[nodiscard]] QHostAddress address() const { return m_address; }
    [[nodiscard]] QDateTime since() const { return m_since; }
    [[nodiscard]] std::optional<Role> role() const { return m_role; }
    void admit(Role role) { m_role = role; }
    [[nodiscard]] bool hasSaidHello() const { return m_saidHello; }
    void saidHello() { m_saidHello = true; }
    // A send page's own identity, as its hello gave it.
    [[nodiscard]] QString identity() const { return m_identity; }
    void setIdentity(const QString& identity) { m_identity = identity; }
    // The translation the page speaks ("de"); empty for English.
    [[nodiscard]] QString language() const { return m_language; }
    void setLanguage(const QString& language) { m_language = language; }
    [[nodiscard]] FailedAttempts::Clock::time_point lastHeard() const { return m_lastHeard; }
    // The page shows the links, and is told when they change.
    [[nodiscard]] bool followsLinks() const { return m_followsLinks; }
    void followLinks() { m_followsLinks = true; }
    // An announce page's own message on display at the desk; none for
    // other pages, nor once the page has gone.
    [[nodiscard]] desk::DeskDisplay* display() const { return m_display.get(); }
    void setDisplay(std::unique_ptr<desk::DeskDisplay> display) { m_display = std::move(display); }

    // Sends a message; a page that does not read is dropped once its
    // queue passes longestQueue (the transport sees to it).
    void send(const QByteArray& message);
    // Closes the connection with reason, a moment later; nothing more is
    // sent or taken from the page meanwhile.
    void close(CloseReason reason);
    [[nodiscard]] bool isClosing() const { return m_closing; }
    static constexpr int closeDelayMs = 200;

signals:
    void received(const QString& message);
    void gone();

private:
    void countFrame();

    std::unique_ptr<QWebSocket> m_socket;
    QString m_name;
    QHostAddress m_address;
    QDateTime m_since = QDateTime::currentDateTime();
    std::optional<Role> m_role;
    FailedAttempts::Clock::time_point m_lastHeard = FailedAttempts::Clock::now();
    FailedAttempts::Clock::time_point m_framesSince = FailedAttempts::Clock::now();
    int m_frames = 0;
    bool m_closing = false;
    bool m_saidHello = false;
    bool m_followsLinks = false;
    QString m_language;
    QString m_identity;
    std::unique_ptr<desk::DeskDisplay> m_display;
};

} // namespace station
