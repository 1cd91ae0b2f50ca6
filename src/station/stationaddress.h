#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

namespace station {

inline constexpr quint16 defaultPort = 8088;

// Where the station listens: one of this computer's own addresses, or all
// of them only when the announcer asks for that (0.0.0.0 or ::).
struct Address {
    QHostAddress host;
    quint16 port = defaultPort;

    bool operator==(const Address&) const = default;
};

// "[ADDRESS][:PORT]" as given to kelvane --station: 192.168.1.5:8088,
// 192.168.1.5, :8088, [fe80::1]:8088, ::1; an empty text is the default
// address. The error says what is wrong with the text.
std::optional<Address> parseAddress(const QString& text, QString& error);
QString addressText(const Address& address);

// The address a station listens on unless told otherwise: this computer's
// first address on a network that is up (IPv4 first), else the loopback.
QHostAddress defaultHost();
// This computer's own addresses, loopback included, without all-interfaces.
bool isOwnAddress(const QHostAddress& host);
bool isAllInterfaces(const QHostAddress& host);
// The addresses a person may pick from, for the station window.
QList<QHostAddress> ownAddresses();

// The host part of a link: brackets around an IPv6 address.
QString hostInUrl(const QHostAddress& host);

} // namespace station
