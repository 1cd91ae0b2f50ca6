#include "stationaddress.h"

#include "stationtexts.h"

#include <QNetworkInterface>

namespace station {

namespace {

std::optional<quint16> portOf(const QString& text) {
    bool isNumber = false;
    const uint port = text.toUInt(&isNumber);
    if (!isNumber || port == 0 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

bool isUsable(const QNetworkInterface& interface) {
    const auto flags = interface.flags();
    return flags.testFlag(QNetworkInterface::IsUp) &&
           flags.testFlag(QNetworkInterface::IsRunning) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack);
}

} // namespace

std::optional<Address> parseAddress(const QString& text, QString& error) {
    Address address{defaultHost(), defaultPort};
    QString host = text;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0 || (close + 1 < text.size() && text[close + 1] != QLatin1Char(':'))) {
            error =
                StationTexts::tr("%1 is no address: an IPv6 address goes in brackets, [::1]:8088")
                    .arg(text);
            return std::nullopt;
        }
        host = text.mid(1, close - 1);
        port = close + 1 < text.size() ? text.mid(close + 2) : QString();
    } else if (text.count(QLatin1Char(':')) == 1) {
        host = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
    }
    if (!port.isEmpty() || text.endsWith(QLatin1Char(':'))) {
        const std::optional<quint16> number = portOf(port);
        if (!number) {
            error = StationTexts::tr("%1 is no port number (1 to 65535)").arg(port);
            return std::nullopt;
        }
        address.port = *number;
    }
    if (!host.isEmpty()) {
        address.host = QHostAddress(host);
        if (address.host.isNull()) {
            error = StationTexts::tr("%1 is no IP address").arg(host);
            return std::nullopt;
        }
        if (!isAllInterfaces(address.host) && !isOwnAddress(address.host)) {
            error = StationTexts::tr("%1 is not an address of this computer").arg(host);
            return std::nullopt;
        }
    }
    return address;
}

QString addressText(const Address& address) {
    return hostInUrl(address.host) + QLatin1Char(':') + QString::number(address.port);
}

QHostAddress defaultHost() {
    QHostAddress found;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!isUsable(interface))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress& host = entry.ip();
            if (host.protocol() == QAbstractSocket::IPv4Protocol)
                return host;
            if (found.isNull() && !host.isLinkLocal())
                found = host;
        }
    }
    return found.isNull() ? QHostAddress(QHostAddress::LocalHost) : found;
}

bool isOwnAddress(const QHostAddress& host) {
    const QList<QHostAddress> own = QNetworkInterface::allAddresses();
    return std::any_of(own.cbegin(), own.cend(),
                       [&](const QHostAddress& mine) { return mine.isEqual(host); });
}

bool isAllInterfaces(const QHostAddress& host) {
    return host == QHostAddress(QHostAddress::AnyIPv4) ||
           host == QHostAddress(QHostAddress::AnyIPv6) || host == QHostAddress(QHostAddress::Any);
}

QList<QHostAddress> ownAddresses() {
    QList<QHostAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            addresses.append(entry.ip());
    }
    return addresses;
}

QString hostInUrl(const QHostAddress& host) {
    const QString text = host.toString();
    return host.protocol() == QAbstractSocket::IPv6Protocol
               ? QLatin1Char('[') + text + QLatin1Char(']')
               : text;
}

} // namespace station
