#include "stationserver.h"

#include "pagelanguage.h"
#include "stationtexts.h"

#include "desk/announcerdesk.h"
#include "desk/desksettings.h"
#include "desk/plannedsheet.h"
#include "i18n/translations.h"

#include <QFile>
#include <QTcpServer>
#include <QTranslator>
#include <QWebSocket>

#include <unistd.h>

// Resources of a static library are registered by hand, outside any namespace.
static void registerPage() {
    Q_INIT_RESOURCE(station);
}

namespace station {

namespace {

// The live connection's path.
const QByteArray livePath = "/live";

// Hands every new connection's descriptor to the station before Qt
// makes a socket of it, so that one past the limit costs nothing.
class Listener : public QTcpServer {
public:
    explicit Listener(std::function<void(qintptr)> accept)
        : m_accept(std::move(accept)) {}

protected:
    void incomingConnection(qintptr descriptor) override { m_accept(descriptor); }

private:
    std::function<void(qintptr)> m_accept;
};

ServedFile pageFile(const QString& name, const QByteArray& contentType) {
    QFile file(QStringLiteral(":/station/") + name);
    file.open(QIODevice::ReadOnly);
    return {contentType, file.readAll()};
}

// How the desk stands ("read only here; the server has not answered since
// 14:32"), as one line for the page.
QString deskNote(const desk::DeskCondition& condition) {
    return desk::conditionNotes(condition).join(QStringLiteral("; "));
}

std::optional<Action> actionOf(protocol::Request::Type type) {
    switch (type) {
    case protocol::Request::Type::Choose:
        return Action::Choose;
    case protocol::Request::Type::Dismiss:
        return Action::Dismiss;
    case protocol::Request::Type::Undo:
        return Action::Undo;
    case protocol::Request::Type::Send:
        return Action::Send;
    case protocol::Request::Type::ReadOuts:
        return Action::ReadOuts;
    case protocol::Request::Type::Links:
        return Action::Links;
    case protocol::Request::Type::NewLinks:
        return Action::NewLinks;
    case protocol::Request::Type::Plan:
        return Action::Plan;
    case protocol::Request::Type::HoldBack:
        return Action::HoldBack;
    case protocol::Request::Type::Blank:
        return Action::Blank;
    default:
        return std::nullopt;
    }
}

} // namespace

StationServer::StationServer(desk::AnnouncerDesk& desk, desk::PlannedSheet* planned,
                             QObject* parent)
    : QObject(parent)
    , m_desk(desk)
    , m_planned(planned)
    , m_webSockets(QStringLiteral("kelvane"), QWebSocketServer::NonSecureMode) {
    registerPage();
    m_englishPage = pageFile(QStringLiteral("index.html"), {}).content;
    m_site.page = [this](QByteArrayView acceptLanguage) { return pageFor(acceptLanguage); };
    m_site.files = {
        {"/station.js", pageFile(QStringLiteral("station.js"), "text/javascript; charset=utf-8")},
        {"/station.css", pageFile(QStringLiteral("station.css"), "text/css; charset=utf-8")},
        {"/icon.svg", pageFile(QStringLiteral("icon.svg"), "image/svg+xml")}};
    m_site.livePath = livePath;
    m_site.isOwnOrigin = [this](QByteArrayView origin) { return isOwnOrigin(origin); };
    m_webSockets.setHandshakeTimeout(helloMilliseconds);
    connect(&m_webSockets, &QWebSocketServer::newConnection, this, &StationServer::admitPage);
    connect(&m_desk, &desk::AnnouncerDesk::listChanged, this, &StationServer::scheduleList);
    connect(&m_desk, &desk::AnnouncerDesk::closed, this, &StationServer::scheduleList);
    connect(m_desk.messages(), &QAbstractItemModel::dataChanged, this,
            &StationServer::scheduleList);
    connect(&m_desk.windowDisplay(), &desk::DeskDisplay::shownChanged, this,
            &StationServer::sendDeskShown);
    connect(&m_desk, &desk::AnnouncerDesk::conditionChanged, this, &StationServer::sendTrouble);
    connect(&m_desk.windowDisplay(), &desk::DeskDisplay::shownChanged, this, [this] {
        if (m_voice == &m_desk.windowDisplay())
            showVoice();
    });
    connect(&m_desk, &desk::AnnouncerDesk::listChanged, this, &StationServer::showVoice);
    m_caption.setLinger(std::chrono::seconds(m_screenChoice.lingerSeconds));
    connect(&m_caption, &CaptionScreen::changed, this, &StationServer::sendCaption);
    connect(&m_desk, &desk::AnnouncerDesk::takingMessagesChanged, this, &StationServer::sendTaking);
    connect(&m_desk, &desk::AnnouncerDesk::rowDismissed, this,
            [this](const store::RowKey& key, const QDateTime& time) {
                sendSentStates(m_sent.dismissed(key, time));
            });
    connect(&m_desk, &desk::AnnouncerDesk::rowRestored, this,
            [this](const store::RowKey& dismissed, const store::RowKey& restored) {
                sendSentStates(m_sent.restored(dismissed, restored));
            });
    if (m_planned)
        connect(m_planned, &desk::PlannedSheet::changed, this, &StationServer::sendPlanned);
    setIdleMilliseconds(m_site.idleMilliseconds);
    connect(&m_keepAlive, &QTimer::timeout, this, &StationServer::keepAlive);
    m_connectionsNote.setSingleShot(true);
    m_connectionsNote.setInterval(250);
    connect(&m_slots, &ConnectionSlots::changed, &m_connectionsNote, [this] {
        if (!m_connectionsNote.isActive())
            m_connectionsNote.start();
    });
    connect(&m_connectionsNote, &QTimer::timeout, this, &StationServer::pagesChanged);
    connect(this, &StationServer::pagesChanged, this, &StationServer::followListPages);
    // The count of pages beside the links goes out twice a second at most,
    // however fast pages come and go; new links at once.
    m_linksNote.setSingleShot(true);
    m_linksNote.setInterval(500);
    connect(this, &StationServer::pagesChanged, &m_linksNote, [this] {
        if (!m_linksNote.isActive())
            m_linksNote.start();
    });
    connect(&m_linksNote, &QTimer::timeout, this, &StationServer::sendLinksToFollowers);
    connect(this, &StationServer::linksChanged, this, &StationServer::sendLinksToFollowers);
    if (!m_tokens.load(tokensPath()))
        m_tokens.renew();
}

StationServer::~StationServer() {
    stop();
    for (PageSession* page : m_pages)
        delete page;
    if (m_viewsDesk)
        m_desk.detachView();
}

store::Failure StationServer::start(const Address& address,
                                    const std::optional<QSslConfiguration>& tls) {
    stop();
    auto listener = std::make_unique<Listener>([this](qintptr descriptor) { accept(descriptor); });
    if (!listener->listen(address.host, address.port)) {
        QString reason = StationTexts::tr("The browser station cannot listen on %1: %2.")
                             .arg(addressText(address), listener->errorString());
        if (listener->serverError() == QAbstractSocket::AddressInUseError)
            reason += QLatin1Char(' ') +
                      StationTexts::tr("Another program uses that port; kelvane may be running "
                                       "already. Choose another port, or close that program.");
        else if (listener->serverError() == QAbstractSocket::SocketAddressNotAvailableError)
            reason +=
                QLatin1Char(' ') + StationTexts::tr("Choose one of this computer's addresses.");
        return store::Failure(reason);
    }
    m_listener = std::move(listener);
    m_tls = tls;
    m_startFailure.clear();
    if (const store::Failure failure = m_tokens.save(tokensPath()))
        qWarning("kelvane: the station's links cannot be kept for the next run: %s",
                 qPrintable(failure.reason()));
    m_keepAlive.start();
    emit listeningChanged();
    emit linksChanged();
    return {};
}

void StationServer::failedToStart(const QString& reason) {
    m_startFailure = reason;
    emit listeningChanged();
}

void StationServer::stop() {
    if (!m_listener)
        return;
    m_listener.reset();
    m_keepAlive.stop();
    for (PageSession* page : m_pages)
        page->close(CloseReason::Stopping);
    // Plain requests end now; a page's connection ends with its close, so
    // that the page is told why.
    for (StationSocket* socket : findChildren<StationSocket*>(Qt::FindDirectChildrenOnly)) {
        if (!socket->isUpgraded())
            socket->abort();
    }
    emit listeningChanged();
}

bool StationServer::isListening() const {
    return m_listener && m_listener->isListening();
}

Address StationServer::address() const {
    return isListening() ? Address{m_listener->serverAddress(), m_listener->serverPort()}
                         : Address{};
}

std::vector<Role> StationServer::roles() const {
    if (m_desk.displayOnly())
        return {Role::Watch, Role::Screen};
    return {allRoles.begin(), allRoles.end()};
}

QUrl StationServer::link(Role role) const {
    const Address where = address();
    QUrl url;
    url.setScheme(isEncrypted() ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(isAllInterfaces(where.host) ? defaultHost().toString() : where.host.toString());
    url.setPort(where.port);
    url.setPath(QStringLiteral("/"));
    url.setFragment(QString::fromLatin1(m_tokens.tokenOf(role)));
    return url;
}

// The announce page that asks for new links keeps its connection and
// learns its own new link with the others.
store::Failure StationServer::renewLinks(const PageSession* asking) {
    m_tokens.renew();
    m_sent.clear();
    for (PageSession* page : m_pages) {
        if (page->role() && page != asking)
            page->close(CloseReason::LinkNotValid);
    }
    emit linksChanged();
    return m_tokens.save(tokensPath());
}

std::vector<ConnectedPage> StationServer::pages() const {
    std::vector<ConnectedPage> connected;
    for (const PageSession* page : m_pages) {
        if (page->role() && !page->isClosing())
            connected.push_back({*page->role(), page->address(), page->since()});
    }
    return connected;
}

int StationServer::connectionsWithoutRole() const {
    return openConnections() - static_cast<int>(pages().size());
}

// Pages are pinged three times within the idle time, so a live one is
// always heard from in time.
void StationServer::setIdleMilliseconds(int milliseconds) {
    m_site.idleMilliseconds = milliseconds;
    m_keepAlive.setInterval(milliseconds / 3);
}

void StationServer::accept(qintptr descriptor) {
    const QHostAddress from = peerOf(descriptor);
    if (from.isNull() || !m_slots.take(from)) {
        ::close(static_cast<int>(descriptor));
        emit refused(from, Refusal::TooManyConnections);
        return;
    }
    auto* socket = new StationSocket(m_slots, from, this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(static_cast<int>(descriptor));
        return;
    }
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    if (m_tls) {
        socket->setSslConfiguration(*m_tls);
        socket->startServerEncryption();
    }
    auto* exchange = new HttpExchange(socket, m_site);
    connect(exchange, &HttpExchange::upgradeRequested, this, &StationServer::upgrade);
}

// From here the socket belongs to the WebSocket handshake, and then to the
// page's WebSocket, which destroy it once its connection ends.
void StationServer::upgrade(StationSocket* socket) {
    disconnect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    socket->upgrading();
    std::erase_if(m_upgrading, [](const QPointer<StationSocket>& gone) { return gone.isNull(); });
    m_upgrading.emplace_back(socket);
    m_webSockets.handleConnection(socket);
}

void StationServer::admitPage() {
    while (m_webSockets.hasPendingConnections()) {
        std::unique_ptr<QWebSocket> socket(m_webSockets.nextPendingConnection());
        const auto transport =
            std::find_if(m_upgrading.cbegin(), m_upgrading.cend(), [&](const auto& upgraded) {
                return upgraded && upgraded->peerPort() == socket->peerPort() &&
                       upgraded->peerAddress() == socket->peerAddress();
            });
        if (transport == m_upgrading.cend())
            continue;
        auto* page = new PageSession(std::move(socket), **transport, ++m_pagesOpened, this);
        m_upgrading.erase(transport);
        m_pages.push_back(page);
        connect(page, &PageSession::received, this,
                [this, page](const QString& message) { received(page, message); });
        connect(page, &PageSession::gone, this, [this, page] { pageGone(page); });
        QTimer::singleShot(helloMilliseconds, page, [page] {
            if (!page->hasSaidHello())
                page->close(CloseReason::Unexpected);
        });
        if (!isListening())
            page->close(CloseReason::Stopping);
    }
}

// Until its token is checked a page may say hello once and nothing else.
// The check waits its turn after every other from the same address.
void StationServer::received(PageSession* page, const QString& message) {
    const std::optional<protocol::Request> request = protocol::parseRequest(message);
    if (!request) {
        page->close(CloseReason::Unexpected);
        return;
    }
    if (request->type == protocol::Request::Type::Pong)
        return;
    if (page->role()) {
        act(*page, *request);
        return;
    }
    if (request->type != protocol::Request::Type::Hello || page->hasSaidHello()) {
        page->close(CloseReason::Unexpected);
        return;
    }
    page->saidHello();
    page->setIdentity(request->page);
    // The page names the language it was served in; it is read as the
    // header was, so nothing but a translation kelvane has is ever taken.
    page->setLanguage(i18n::chosenLanguage(acceptedLanguages(request->language.toUtf8())));
    std::deque<Hello>& waiting = m_hellos[page->address()];
    waiting.push_back({page, request->token.toLatin1()});
    if (waiting.size() == 1)
        scheduleCheck(page->address());
}

// The next check from an address waits as long as wrong tokens from it
// have earned.
void StationServer::scheduleCheck(const QHostAddress& address) {
    QTimer::singleShot(m_failures.waitFor(address, FailedAttempts::Clock::now()), this,
                       [this, address] { checkNextHello(address); });
}

void StationServer::checkNextHello(const QHostAddress& address) {
    const auto waiting = m_hellos.find(address);
    if (waiting == m_hellos.end())
        return;
    const Hello hello = waiting->front();
    waiting->pop_front();
    if (waiting->empty())
        m_hellos.erase(waiting);
    if (hello.page && !hello.page->isClosing())
        checkToken(*hello.page, hello.token);
    if (m_hellos.contains(address))
        scheduleCheck(address);
}

void StationServer::checkToken(PageSession& page, const QByteArray& token) {
    const std::optional<Role> role = m_tokens.roleOf(token);
    const std::vector<Role> offered = roles();
    if (!role || std::find(offered.cbegin(), offered.cend(), *role) == offered.cend()) {
        m_failures.failed(page.address(), FailedAttempts::Clock::now());
        page.close(CloseReason::LinkNotValid);
        emit refused(page.address(), Refusal::WrongLink);
        return;
    }
    // A send page without an identity of its own could tell its messages
    // from no other's.
    if (*role == Role::Send && !isPageIdentity(page.identity())) {
        page.close(CloseReason::Unexpected);
        return;
    }
    page.admit(*role);
    if (*role == Role::Announce)
        openDisplay(page);
    greet(page);
    emit pagesChanged();
}

void StationServer::greet(PageSession& page) {
    page.send(protocol::welcome(*page.role(), page.name()));
    if (*page.role() == Role::Send) {
        page.send(protocol::taking(m_desk.refusesMessages(), readyTexts()));
        page.send(protocol::sent(m_sent, page.identity()));
        return;
    }
    if (*page.role() == Role::Screen) {
        page.send(protocol::caption(m_caption, m_screenChoice));
        return;
    }
    if (*page.role() == Role::Announce)
        page.send(protocol::screen(m_caption));
    if (m_listMessage.isEmpty())
        m_listMessage = protocol::list(m_desk);
    page.send(m_listMessage);
    page.send(protocol::shown(QStringLiteral("desk"), m_desk.windowDisplay().shownKey().text(),
                              m_desk.windowDisplay().shownText()));
    page.send(protocol::trouble(deskNote(m_desk.condition())));
    if (m_planned && *page.role() == Role::Announce)
        page.send(protocol::planned(*m_planned));
}

void StationServer::openDisplay(PageSession& page) {
    page.setDisplay(m_desk.openDisplay(page.name()));
    desk::DeskDisplay* display = page.display();
    connect(display, &desk::DeskDisplay::shownChanged, this, [this, &page, display] {
        page.send(protocol::shown(QStringLiteral("shown"), display->shownKey().text(),
                                  display->shownText()));
        if (display == m_voice)
            showVoice();
    });
    connect(display, &desk::DeskDisplay::notice, &page,
            [&page](const QString& text) { page.send(protocol::notice(text)); });
}

// Whatever the page sends, its link's role decides: a request its role
// does not allow changes nothing and closes the connection. A dismissal
// names the message the page has on display; when that is no longer the
// one on the page's display at the desk, nothing is dismissed.
void StationServer::act(PageSession& page, const protocol::Request& request) {
    const std::optional<Action> action = actionOf(request.type);
    if (!action) {
        page.close(CloseReason::Unexpected);
        return;
    }
    if (!mayDo(*page.role(), *action)) {
        page.close(CloseReason::NotAllowed);
        return;
    }
    switch (*action) {
    case Action::Choose: {
        const desk::MessageList& list = *m_desk.messages();
        if (const desk::MessageList::Line* line =
                list.line(list.rowOf(store::RowKey(request.key)))) {
            followVoice(page.display());
            page.display()->choose(line->key);
            return;
        }
        page.send(protocol::notice(
            textFor(page, QT_TRANSLATE_NOOP("Station", "That message is no longer listed."))));
        return;
    }
    case Action::Dismiss:
        if (page.display()->shownKey().isNull() ||
            page.display()->shownKey().text() != request.key) {
            page.send(protocol::notice(textFor(
                page,
                QT_TRANSLATE_NOOP("Station", "Nothing was dismissed: choose the message first."))));
            return;
        }
        page.display()->dismiss();
        return;
    case Action::Undo:
        followVoice(page.display());
        page.display()->undo();
        return;
    case Action::HoldBack:
        m_caption.holdBack(request.key, request.on);
        return;
    case Action::Blank:
        m_caption.setBlank(request.on);
        return;
    case Action::Send:
        sendMessage(page, request);
        return;
    case Action::ReadOuts:
        m_desk.readOutsToday(
            [page = QPointer<PageSession>(&page)](
                const std::optional<std::vector<desk::readoutlog::ReadOut>>& readOuts) {
                if (page)
                    page->send(protocol::readOuts(readOuts));
            });
        return;
    case Action::Links:
        page.followLinks();
        sendLinks(page);
        return;
    case Action::Plan:
        plan(page, request);
        return;
    case Action::NewLinks:
        // The page learns its own new link from them.
        page.followLinks();
        if (const store::Failure failure = renewLinks(&page))
            page.send(protocol::notice(
                textFor(page, QT_TRANSLATE_NOOP("Station", "The new links work, but cannot be "
                                                           "kept for the next run: %1"))
                    .arg(failure.reason())));
        return;
    }
}

// A change from an announce page is checked by the sheet as one from the
// window is; a refusal is told to that page alone, in its language. Every
// announce page learns the sheet that results.
void StationServer::plan(PageSession& page, const protocol::Request& request) {
    if (!m_planned) {
        page.close(CloseReason::NotAllowed);
        return;
    }
    desk::planned::Message message;
    message.text = request.text.left(desk::planned::longestText + 1);
    message.notBefore = QTime::fromString(request.notBefore, QStringLiteral("HH:mm"));
    message.notAfter = QTime::fromString(request.notAfter, QStringLiteral("HH:mm"));
    message.repeatMinutes = request.repeatMinutes;
    message.urgent = request.urgent;
    store::Failure refused;
    if (request.edit == QLatin1String("remove")) {
        m_planned->remove(request.id);
    } else if (request.edit == QLatin1String("duplicate")) {
        refused = m_planned->duplicate(request.id);
    } else if (const char* unfit = desk::planned::unfit(desk::planned::fitted(message))) {
        page.send(protocol::notice(textFor(page, unfit, "PlannedMessages")));
        return;
    } else if (request.edit == QLatin1String("change")) {
        refused = m_planned->change(request.id, message);
    } else if (request.edit == QLatin1String("add")) {
        refused = m_planned->add(message);
    } else {
        page.close(CloseReason::Unexpected);
        return;
    }
    if (refused)
        page.send(protocol::notice(refused.reason()));
}

void StationServer::sendPlanned() {
    if (!m_planned)
        return;
    const QByteArray message = protocol::planned(*m_planned);
    for (PageSession* page : m_pages) {
        if (page->role() == Role::Announce)
            page->send(message);
    }
}

// The links an announce page hands out, and how many pages other than it
// New links would drop.
void StationServer::sendLinks(PageSession& page) {
    std::vector<protocol::HandedLink> links;
    for (const Role role : roles())
        links.push_back({role, link(role)});
    const auto others =
        std::count_if(m_pages.cbegin(), m_pages.cend(), [&](const PageSession* other) {
            return other != &page && other->role() && !other->isClosing();
        });
    page.send(protocol::links(links, static_cast<int>(others)));
}

void StationServer::sendLinksToFollowers() {
    for (PageSession* page : m_pages) {
        if (page->followsLinks() && !page->isClosing())
            sendLinks(*page);
    }
}

// Every check is made here, whatever the page checked: a message refused
// adds nothing, and the page keeps it to mend or send again. A message the
// page sends again (its answer was lost with the connection) is recognised
// by the page's identity and its number: it is answered as it was, or when
// it is added, never added twice. Only a message fit to be sent to a desk
// that takes messages counts towards the rates.
void StationServer::sendMessage(PageSession& page, const protocol::Request& request) {
    const auto now = SentMessages::Clock::now();
    switch (m_sent.fateOf(page.identity(), request.number, now)) {
    case SentMessages::Fate::Added:
        page.send(protocol::answer(request.number, {}));
        return;
    case SentMessages::Fate::Sending:
        return;
    case SentMessages::Fate::New:
        break;
    }
    const CheckedMessage checked = checkMessage(request.sender, request.text);
    if (checked.refusal) {
        page.send(protocol::answer(request.number, textFor(page, checked.refusal)));
        return;
    }
    if (const store::Failure refusal = m_desk.refusesMessages()) {
        page.send(protocol::answer(request.number, refusal.reason()));
        return;
    }
    if (const auto held = m_sent.hold(page.identity(), now)) {
        const QString at = m_desk.now().addSecs(held->seconds).toString(QStringLiteral("HH:mm:ss"));
        page.send(protocol::answer(
            request.number,
            textFor(page, held->onLink
                              ? QT_TRANSLATE_NOOP("Station",
                                                  "Too many messages have been sent on this link "
                                                  "in the last minute. This one can be sent at %1.")
                              : QT_TRANSLATE_NOOP("Station",
                                                  "Ten messages have been sent from this page in "
                                                  "the last minute. This one can be sent at %1."))
                .arg(at)));
        return;
    }
    SentMessage message;
    message.page = page.identity();
    message.number = m_sent.nextNumber();
    message.sender = checked.sender;
    message.text = checked.text;
    message.urgent = request.urgent;
    message.sentAt = m_desk.now();
    m_sent.sending(message.page, request.number, now);
    m_desk.send(checked.sender, checked.text, request.urgent, page.name(),
                [station = QPointer<StationServer>(this), message,
                 number = request.number](const desk::AnnouncerDesk::Sent& sent) {
                    if (station)
                        station->messageSent(message, number, sent.key, sent.refusal);
                });
}

// The answer goes to every page of the sender's identity connected now: the
// one that asked may have lost its connection and be back on another.
void StationServer::messageSent(SentMessage message, int number,
                                const std::optional<store::RowKey>& key, const QString& refusal) {
    const QString from = message.page;
    m_sent.settled(from, number, key.has_value(), SentMessages::Clock::now());
    if (key) {
        message.key = *key;
        if (m_sent.add(std::move(message)))
            sendSentStates();
    }
    for (PageSession* page : m_pages) {
        if (page->role() == Role::Send && page->identity() == from)
            page->send(protocol::answer(number, refusal));
    }
}

desk::DeskSettings& StationServer::settings() const {
    return m_desk.settings();
}

QStringList StationServer::readyTexts() const {
    return settings().readyTexts();
}

void StationServer::setReadyTexts(const QStringList& texts) {
    settings().rememberReadyTexts(texts);
    sendTaking();
}

void StationServer::sendTaking() {
    sendToPages(protocol::taking(m_desk.refusesMessages(), readyTexts()), {Role::Send});
}

// Each send page gets its own messages only.
void StationServer::sendSentStates(bool changed) {
    for (PageSession* page : m_pages) {
        if (changed && page->role() == Role::Send)
            page->send(protocol::sent(m_sent, page->identity()));
    }
}

// What the page had on display is let go at once; a message that was the
// voice's leaves the caption screen as if dismissed.
void StationServer::pageGone(PageSession* page) {
    const bool wasVoice = page->display() && page->display() == m_voice;
    page->setDisplay(nullptr);
    if (wasVoice)
        showVoice();
    m_pages.erase(std::remove(m_pages.begin(), m_pages.end(), page), m_pages.end());
    page->deleteLater();
    emit pagesChanged();
}

void StationServer::sendToPages(const QByteArray& message, std::initializer_list<Role> roles) {
    for (PageSession* page : m_pages) {
        if (page->role() && std::find(roles.begin(), roles.end(), *page->role()) != roles.end())
            page->send(message);
    }
}

// Everything that changes the list within one turn of the event loop is
// sent once.
void StationServer::scheduleList() {
    m_listMessage.clear();
    if (std::exchange(m_listScheduled, true))
        return;
    QTimer::singleShot(0, this, &StationServer::sendList);
}

// The list also tells which sent messages are still on it.
void StationServer::sendList() {
    m_listScheduled = false;
    if (m_desk.hasListing()) {
        const desk::MessageList& list = *m_desk.messages();
        std::vector<store::RowKey> keys;
        keys.reserve(static_cast<size_t>(list.rowCount()));
        for (int row = 0; row < list.rowCount(); ++row)
            keys.push_back(list.line(row)->key);
        sendSentStates(m_sent.listed(keys));
    }
    if (hasListPages()) {
        m_listMessage = protocol::list(m_desk);
        sendToPages(m_listMessage, {Role::Watch, Role::Announce});
    }
}

bool StationServer::hasListPages() const {
    return std::any_of(m_pages.cbegin(), m_pages.cend(), [](const PageSession* page) {
        return page->role() && *page->role() != Role::Send && *page->role() != Role::Screen;
    });
}

void StationServer::followListPages() {
    if (hasListPages() == m_viewsDesk)
        return;
    m_viewsDesk = !m_viewsDesk;
    if (m_viewsDesk)
        m_desk.attachView();
    else
        m_desk.detachView();
}

void StationServer::sendDeskShown() {
    const desk::DeskDisplay& window = m_desk.windowDisplay();
    sendToPages(
        protocol::shown(QStringLiteral("desk"), window.shownKey().text(), window.shownText()),
        {Role::Watch, Role::Announce});
}

void StationServer::sendTrouble() {
    sendToPages(protocol::trouble(deskNote(m_desk.condition())), {Role::Watch, Role::Announce});
}

void StationServer::setWindowless(bool windowless) {
    m_windowless = windowless;
    m_voice = &m_desk.windowDisplay();
    showVoice();
}

// Without a window, the announcer works at an announce page: the one that
// chose (or undid) last speaks for the desk.
void StationServer::followVoice(desk::DeskDisplay* display) {
    if (!m_windowless || display == m_voice)
        return;
    m_voice = display;
    showVoice();
}

void StationServer::showVoice() {
    const store::RowKey key = m_voice ? m_voice->shownKey() : store::RowKey();
    const desk::MessageList& list = *m_desk.messages();
    const desk::MessageList::Line* line = key.isNull() ? nullptr : list.line(list.rowOf(key));
    m_caption.voiceShows(
        {key.text(), m_voice ? m_voice->shownText() : QString(), line && line->urgent});
}

void StationServer::sendCaption() {
    sendToPages(protocol::caption(m_caption, m_screenChoice), {Role::Screen});
    sendToPages(protocol::screen(m_caption), {Role::Announce});
}

// Only a page the station served itself may open the live connection:
// its origin is this station's scheme, one of the addresses it listens
// on (written as an address, as the links are) and its port.
bool StationServer::isOwnOrigin(QByteArrayView origin) const {
    if (!isListening())
        return false;
    const QUrl url(QString::fromLatin1(origin), QUrl::StrictMode);
    const bool scheme =
        url.scheme() == (isEncrypted() ? QLatin1String("https") : QLatin1String("http"));
    if (!url.isValid() || !scheme || url.port(isEncrypted() ? 443 : 80) != address().port ||
        !url.path().isEmpty() || !url.userInfo().isEmpty())
        return false;
    const QHostAddress host(url.host());
    const QHostAddress listening = m_listener->serverAddress();
    return !host.isNull() &&
           (isAllInterfaces(listening) ? isOwnAddress(host) : host.isEqual(listening));
}

// Every page is pinged, and answers; one not heard from in a minute has
// gone without a word (a phone that left the network) and is closed.
void StationServer::keepAlive() {
    const auto now = FailedAttempts::Clock::now();
    const QByteArray ping = protocol::ping();
    for (PageSession* page : m_pages) {
        if (now - page->lastHeard() > std::chrono::milliseconds(m_site.idleMilliseconds))
            page->close(CloseReason::Gone);
        else if (page->role())
            page->send(ping);
    }
}

ServedFile StationServer::pageFor(QByteArrayView acceptLanguage) {
    return pageLanguage(i18n::chosenLanguage(acceptedLanguages(acceptLanguage))).page;
}

QString StationServer::textFor(const PageSession& page, const char* english, const char* context) {
    const PageLanguage& language = pageLanguage(page.language());
    const QString translated =
        language.texts ? language.texts->translate(context, english) : QString();
    return translated.isEmpty() ? QString::fromUtf8(english) : translated;
}

const StationServer::PageLanguage& StationServer::pageLanguage(const QString& language) {
    auto known = m_languages.find(language);
    if (known == m_languages.end()) {
        PageLanguage made{i18n::translator(language), {}};
        made.page = {"text/html; charset=utf-8", pageIn(m_englishPage, language, made.texts.get())};
        known = m_languages.emplace(language, std::move(made)).first;
    }
    return known->second;
}

} // namespace station
