#pragma once

#include "requesthead.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>

namespace station {

class StationSocket;

// A file the station serves: the page's shell, its script, its style.
struct ServedFile {
    QByteArray contentType;
    QByteArray content;
};

// What the exchanges of one station share.
struct Site {
    QHash<QByteArray, ServedFile> files;
    // The page itself ("/"), in the language of the request's
    // Accept-Language header.
    std::function<ServedFile(QByteArrayView acceptLanguage)> page;
    // The path of the live connection.
    QByteArray livePath;
    // Whether a page of this origin may open the live connection.
    std::function<bool(QByteArrayView origin)> isOwnOrigin;
    // A connection that completes no request for this long is closed.
    int idleMilliseconds = 60 * 1000;
};

// The HTTP side of one connection: it reads request heads (never more
// than longestHead at a time, never a body), answers with the station's
// files and every answer's security headers, and hands a request for the
// live connection on, untouched, as upgradeRequested. A connection that
// has not completed a request within the site's idle time is closed.
class HttpExchange : public QObject {
    Q_OBJECT

public:
    HttpExchange(StationSocket* socket, const Site& site);

signals:
    // The socket is the receiver's now; the exchange is gone.
    void upgradeRequested(StationSocket* socket);

private:
    void readRequests();
    // Answers one head; false when the connection is to close.
    bool answer(const RequestHead& head);
    void refuse(int status);
    void send(int status, const ServedFile& file, bool withBody, bool keepAlive);

    StationSocket* m_socket;
    const Site& m_site;
    QTimer m_idle;
};

// The answer's whole head and body, with the headers every answer of
// the station carries.
QByteArray httpAnswer(int status, const ServedFile& file, bool withBody, bool keepAlive);

} // namespace station
