#pragma once

#include "captionscreen.h"
#include "failedattempts.h"
#include "httpexchange.h"
#include "pagesession.h"
#include "stationaddress.h"
#include "stationlinks.h"
#include "stationprotocol.h"
#include "stationsocket.h"

#include "desk/announcerdesk.h"
#include "desk/desksettings.h"

#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>
#include <QWebSocketServer>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace desk {
class DeskSettings;
class PlannedSheet;
} // namespace desk
class QTcpServer;
class QTranslator;

namespace station {

// A page connected now, as the station window lists it.
struct ConnectedPage {
    Role role;
    QHostAddress address;
    QDateTime since;
};

// The browser station: the desk served to browsers on the local network.
// Plain requests get the page (the same empty shell for everyone); the
// page's live connection, once its token names a role, gets the desk's
// list and the message on the desk's display, and on an announce link
// chooses, dismisses and undoes at a display of its own through the desk.
// Every bound is kept by the station itself, on the window's thread,
// whose sockets never wait.
class StationServer : public QObject {
    Q_OBJECT

public:
    // An announce page keeps the planned messages when given a sheet.
    explicit StationServer(desk::AnnouncerDesk& desk, desk::PlannedSheet* planned = nullptr,
                           QObject* parent = nullptr);
    ~StationServer() override;

    // Starts listening (HTTPS when tls is given); the reason when it cannot.
    store::Failure start(const Address& address, const std::optional<QSslConfiguration>& tls = {});
    // Stops listening and closes every connection.
    void stop();
    [[nodiscard]] bool isListening() const;
    // Where it listens now (the port the system gave when asked for 0).
    [[nodiscard]] Address address() const;
    [[nodiscard]] bool isEncrypted() const { return m_tls.has_value(); }
    // Why the station is off though it was asked to start (the port taken,
    // say); empty once it has started.
    [[nodiscard]] QString startFailure() const { return m_startFailure; }
    void failedToStart(const QString& reason);

    // The roles this desk offers links for: a display-only desk offers
    // watch links only.
    [[nodiscard]] std::vector<Role> roles() const;
    [[nodiscard]] QUrl link(Role role) const;
    // New links for every role: the old ones stop working and their pages
    // are closed, but for the announce page that asked, if one did. The
    // reason when the new links cannot be kept.
    store::Failure renewLinks(const PageSession* asking = nullptr);

    [[nodiscard]] std::vector<ConnectedPage> pages() const;
    // Connections open now, pages or not; and those of them that are no
    // page with a role (yet): pages loading, or anyone on the network.
    [[nodiscard]] int openConnections() const { return m_slots.count(); }
    [[nodiscard]] int connectionsWithoutRole() const;

    // How long a connection may be silent (a minute); shorter for tests.
    void setIdleMilliseconds(int milliseconds);
    // How many messages the send link may send in a minute; more for a
    // benchmark.
    void setSentPerMinute(int messages) { m_sent.setPerMinute(messages); }
    // The settings of the desk the station serves.
    [[nodiscard]] desk::DeskSettings& settings() const;

    // How many connections one address may hold; more for a benchmark
    // whose pages all come from one.
    void setMostFromOneAddress(int connections) { m_slots.setMostFromOneAddress(connections); }

    // The texts a send page offers to pick and edit; kept in the desk's
    // settings and passed on to the send pages connected now.
    [[nodiscard]] QStringList readyTexts() const;
    void setReadyTexts(const QStringList& texts);

    // What the pool's caption screen shows; the desk's window holds
    // messages back and blanks it here too.
    CaptionScreen& caption() { return m_caption; }
    // A desk served without a window: the caption screen follows the
    // announce page that chose last (or undid last), the desk's voice.
    // With a window it follows the window's display.
    void setWindowless(bool windowless);

    // Why a connection was turned away.
    enum class Refusal { WrongLink, TooManyConnections };

signals:
    void pagesChanged();
    void refused(const QHostAddress& from, station::StationServer::Refusal why);
    void linksChanged();
    void listeningChanged();

private:
    void accept(qintptr descriptor);
    void upgrade(StationSocket* socket);
    void admitPage();
    void received(PageSession* page, const QString& message);
    void scheduleCheck(const QHostAddress& address);
    void checkNextHello(const QHostAddress& address);
    void checkToken(PageSession& page, const QByteArray& token);
    void act(PageSession& page, const protocol::Request& request);
    void greet(PageSession& page);
    // Gives an announce page a display of its own at the desk.
    void openDisplay(PageSession& page);
    void pageGone(PageSession* page);
    void sendMessage(PageSession& page, const protocol::Request& request);
    void sendLinks(PageSession& page);
    void plan(PageSession& page, const protocol::Request& request);
    void sendPlanned();
    // To the announce pages that show the links, whenever they or the
    // pages connected change.
    void sendLinksToFollowers();
    void messageSent(SentMessage message, int number, const std::optional<store::RowKey>& key,
                     const QString& refusal);
    // To every page of these roles.
    void sendToPages(const QByteArray& message, std::initializer_list<Role> roles);
    void sendTaking();
    void sendSentStates(bool changed = true);
    void scheduleList();
    void sendList();
    // Pages that watch or announce (not send pages) show the desk's list.
    [[nodiscard]] bool hasListPages() const;
    // The station is a view of the desk while it has such pages.
    void followListPages();
    void sendDeskShown();
    void sendTrouble();
    void followVoice(desk::DeskDisplay* display);
    void showVoice();
    void sendCaption();
    [[nodiscard]] bool isOwnOrigin(QByteArrayView origin) const;
    void keepAlive();
    ServedFile pageFor(QByteArrayView acceptLanguage);
    // The station's own text, marked QT_TRANSLATE_NOOP("Station", ...), in
    // the page's language.
    QString textFor(const PageSession& page, const char* english, const char* context = "Station");

    // A translation pages ask for: its texts and the page in it, made once.
    struct PageLanguage {
        std::unique_ptr<QTranslator> texts;
        ServedFile page;
    };
    const PageLanguage& pageLanguage(const QString& language);

    desk::AnnouncerDesk& m_desk;
    desk::PlannedSheet* m_planned;
    std::unique_ptr<QTcpServer> m_listener;
    std::optional<QSslConfiguration> m_tls;
    QString m_startFailure;
    QWebSocketServer m_webSockets;
    Site m_site;
    QByteArray m_englishPage;
    // At most one for each translation kelvane has.
    std::map<QString, PageLanguage> m_languages;
    Tokens m_tokens;
    FailedAttempts m_failures;
    // The hellos from each address waiting for their token's check, oldest
    // first: one address's are checked one at a time, so that each waits
    // as long as the failures before it earned.
    struct Hello {
        QPointer<PageSession> page;
        QByteArray token;
    };
    QHash<QHostAddress, std::deque<Hello>> m_hellos;
    ConnectionSlots m_slots;
    // Sockets handed to the WebSocket handshake, until they become pages.
    std::vector<QPointer<StationSocket>> m_upgrading;
    std::vector<PageSession*> m_pages;
    SentMessages m_sent;
    int m_pagesOpened = 0;
    bool m_listScheduled = false;
    // The list as last sent, for pages that connect until it changes.
    QByteArray m_listMessage;
    bool m_viewsDesk = false;
    // Pings pages and closes the ones not heard from for too long.
    QTimer m_keepAlive;
    // Tells the window of connections that come and go, a few times a second at most.
    QTimer m_connectionsNote;
    QTimer m_linksNote;
    CaptionScreen m_caption;
    desk::ScreenChoice m_screenChoice = m_desk.settings().screenChoice();
    bool m_windowless = false;
    // The display the caption screen shows; none once its page has gone.
    QPointer<desk::DeskDisplay> m_voice = &m_desk.windowDisplay();
};

} // namespace station
