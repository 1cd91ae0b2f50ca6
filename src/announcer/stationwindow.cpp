#include "stationwindow.h"

#include "qrcode.h"

#include "station/stationserver.h"
#include "station/stationstart.h"
#include "ui/messagebox.h"

#include "desk/desksettings.h"
#include "desk/timetexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

constexpr int qrScale = 3;
// A link field's least width: three side by side fit a 1024-pixel screen.
constexpr int narrowestLinkField = 250;
// What a window manager's frame may take of the screen's height.
constexpr int titleBarAllowance = 40;
const QString allInterfaces = QStringLiteral("0.0.0.0");

// The addresses to choose from: this computer's own, loopback last, and
// all of them at once only as an explicit last choice.
QStringList addressChoices() {
    QStringList choices;
    QStringList loopback;
    for (const QHostAddress& host : station::ownAddresses()) {
        if (host.isLinkLocal())
            continue;
        (host.isLoopback() ? loopback : choices) << host.toString();
    }
    choices << loopback;
    choices.removeDuplicates();
    return choices;
}

// A link to copy: whole where the screen allows; on a small one it
// scrolls, and the QR code above it holds the link anyway.
class LinkField : public QLineEdit {
public:
    explicit LinkField(const QString& link)
        : QLineEdit(link) {
        setReadOnly(true);
        setCursorPosition(0);
        setMinimumWidth(std::min(wholeWidth(), narrowestLinkField));
    }
    [[nodiscard]] QSize sizeHint() const override {
        return {wholeWidth(), QLineEdit::sizeHint().height()};
    }

private:
    [[nodiscard]] int wholeWidth() const { return fontMetrics().horizontalAdvance(text()) + 16; }
};

// A role as the announcer reads it; links and files keep its name.
QString roleTitle(station::Role role) {
    switch (role) {
    case station::Role::Watch:
        return StationWindow::tr("watch");
    case station::Role::Announce:
        return StationWindow::tr("announce");
    case station::Role::Send:
        return StationWindow::tr("send");
    case station::Role::Screen:
        return StationWindow::tr("screen");
    }
    return {};
}

QString roleText(station::Role role) {
    switch (role) {
    case station::Role::Watch:
        return StationWindow::tr("The list and the message on display, read only");
    case station::Role::Announce:
        return StationWindow::tr("Also choose, dismiss and undo");
    case station::Role::Send:
        return StationWindow::tr("Officials send messages to the list, and see them read out");
    case station::Role::Screen:
        return StationWindow::tr("The pool's caption screen: what is read out, in large type");
    }
    return {};
}

} // namespace

StationWindow::StationWindow(station::StationServer& server, QWidget* parent)
    : QDialog(parent)
    , m_server(server)
    , m_address(new QComboBox)
    , m_port(new QSpinBox)
    , m_startStop(new QPushButton)
    , m_state(new QLabel)
    , m_links(new QGridLayout)
    , m_linkBox(new QGroupBox(tr("Links")))
    , m_pages(new QTreeWidget)
    , m_withoutRole(new QLabel)
    , m_renew(new QPushButton(tr("&New links")))
    , m_holdBack(new QPushButton(tr("Hold back from the screen (F7)")))
    , m_blank(new QPushButton(tr("Blank the screen (F6)")))
    , m_readyTexts(new QPlainTextEdit)
    , m_content(new QWidget) {
    setObjectName(QStringLiteral("BrowserStation"));
    // An ordinary window, which the announcer screen may cover: a dialog
    // would be kept above it. It still belongs to the screen, so the
    // screen's modality lets it take input.
    setWindowFlags(Qt::Window);
    setWindowTitle(tr("Browser station \u2013 kelvane"));
    for (const QString& choice : addressChoices())
        m_address->addItem(choice, choice);
    m_address->addItem(tr("All networks of this computer"), allInterfaces);
    m_address->setObjectName(QStringLiteral("StationAddress"));
    m_port->setRange(1, 65535);
    m_port->setValue(station::defaultPort);
    m_port->setObjectName(QStringLiteral("StationPort"));
    QString error;
    if (const auto remembered =
            station::parseAddress(m_server.settings().stationChoice().address, error)) {
        const int index = m_address->findData(remembered->host.toString());
        m_address->setCurrentIndex(std::max(index, 0));
        m_port->setValue(remembered->port);
    }
    m_startStop->setObjectName(QStringLiteral("StartStop"));
    m_state->setObjectName(QStringLiteral("StationState"));
    m_state->setWordWrap(true);
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_renew->setObjectName(QStringLiteral("NewLinks"));
    m_pages->setObjectName(QStringLiteral("ConnectedPages"));
    m_pages->setHeaderLabels({tr("Role"), tr("Address"), tr("Since")});
    m_pages->setRootIsDecorated(false);
    m_pages->setMinimumHeight(80);

    auto* where = new QHBoxLayout;
    where->addWidget(new QLabel(tr("Address:")));
    where->addWidget(m_address, 1);
    where->addWidget(new QLabel(tr("Port:")));
    where->addWidget(m_port);
    where->addWidget(m_startStop);
    m_linkBox->setLayout(m_links);
    auto* pagesBox = new QGroupBox(tr("Connected now"));
    auto* pagesLayout = new QVBoxLayout(pagesBox);
    pagesLayout->addWidget(m_pages);
    m_withoutRole->setObjectName(QStringLiteral("ConnectionsWithoutRole"));
    auto* readyBox = new QGroupBox(tr("Ready texts for send pages, one a line"));
    auto* readyLayout = new QVBoxLayout(readyBox);
    m_readyTexts->setObjectName(QStringLiteral("ReadyTexts"));
    m_readyTexts->setPlainText(m_server.readyTexts().join(QLatin1Char('\n')));
    m_readyTexts->setMinimumHeight(m_pages->minimumHeight());
    readyLayout->addWidget(m_readyTexts);
    const std::vector<station::Role> roles = m_server.roles();
    readyBox->setVisible(std::find(roles.cbegin(), roles.cend(), station::Role::Send) !=
                         roles.cend());
    m_keepReadyTexts.setSingleShot(true);
    m_keepReadyTexts.setInterval(500);
    connect(m_readyTexts, &QPlainTextEdit::textChanged, &m_keepReadyTexts,
            qOverload<>(&QTimer::start));
    connect(&m_keepReadyTexts, &QTimer::timeout, this, &StationWindow::keepReadyTexts);
    connect(this, &QDialog::finished, this, [this] {
        if (m_keepReadyTexts.isActive())
            keepReadyTexts();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_renew, QDialogButtonBox::ActionRole);
    // Everything but the buttons scrolls, so Close and New links stay in
    // reach on a small screen.
    auto* contentLayout = new QVBoxLayout(m_content);
    contentLayout->setContentsMargins({});
    contentLayout->addLayout(where);
    contentLayout->addWidget(m_state);
    contentLayout->addWidget(m_linkBox);
    m_holdBack->setObjectName(QStringLiteral("HoldBack"));
    m_blank->setObjectName(QStringLiteral("BlankScreen"));
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(new QLabel(tr("Caption screen:")));
    m_holdBack->setShortcut(Qt::Key_F7);
    m_blank->setShortcut(Qt::Key_F6);
    for (QPushButton* button : {m_holdBack, m_blank}) {
        button->setCheckable(true);
        captionRow->addWidget(button);
    }
    captionRow->addStretch();
    contentLayout->addLayout(captionRow);
    auto* below = new QHBoxLayout;
    below->addWidget(pagesBox, 1);
    below->addWidget(readyBox, 1);
    contentLayout->addLayout(below, 1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("StationContent"));
    scroll->setWidget(m_content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    // Beside the buttons, where it takes no height of its own.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_withoutRole, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    // Enter is the announcer's most used key: it must never stop the
    // station or drop the pages, so no button here is pressed by it.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(m_startStop, &QPushButton::clicked, this, &StationWindow::startOrStop);
    connect(m_renew, &QPushButton::clicked, this, &StationWindow::renewLinks);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_server, &station::StationServer::listeningChanged, this, &StationWindow::showState);
    connect(&m_server, &station::StationServer::linksChanged, this, &StationWindow::showLinks);
    connect(&m_server, &station::StationServer::pagesChanged, this, &StationWindow::showPages);
    station::CaptionScreen& caption = m_server.caption();
    connect(m_holdBack, &QPushButton::clicked, &caption,
            &station::CaptionScreen::toggleVoiceHeldBack);
    connect(m_blank, &QPushButton::clicked, &caption, &station::CaptionScreen::setBlank);
    connect(&caption, &station::CaptionScreen::changed, this, &StationWindow::showCaption);
    showCaption();
    showState();
}

void StationWindow::startOrStop() {
    if (m_server.isListening()) {
        const int pages = static_cast<int>(m_server.pages().size());
        if (pages == 0 ||
            ui::confirm(tr("Stop the browser station? Pages connected now: %n. They lose the desk "
                           "until the station is started again.",
                           nullptr, pages),
                        tr("Stop the station"), tr("Keep it running"), this))
            station::stopAndRemember(m_server);
        return;
    }
    const QHostAddress host(m_address->currentData().toString());
    const QString where = station::addressText({host, static_cast<quint16>(m_port->value())});
    if (const store::Failure failure = station::startAndRemember(m_server, where))
        ui::showMessage(failure.reason());
}

void StationWindow::keepReadyTexts() {
    m_keepReadyTexts.stop();
    m_server.setReadyTexts(m_readyTexts->toPlainText().split(QLatin1Char('\n')));
}

// The links may be handed out on paper, so New links asks even when no
// page is connected.
void StationWindow::renewLinks() {
    const int pages = static_cast<int>(m_server.pages().size());
    if (!ui::confirm(tr("Replace every link? The links handed out stop working, and the pages "
                        "connected now (%n) are closed: each needs the new link.",
                        nullptr, pages),
                     tr("Replace the links"), tr("Keep the links"), this))
        return;
    if (const store::Failure failure = m_server.renewLinks())
        ui::showMessage(tr("The new links work, but cannot be kept for the next run: %1")
                            .arg(failure.reason()));
}

void StationWindow::showState() {
    const bool on = m_server.isListening();
    m_startStop->setText(on ? tr("&Stop") : tr("&Start"));
    m_address->setEnabled(!on);
    m_port->setEnabled(!on);
    m_renew->setEnabled(on);
    m_linkBox->setVisible(on);
    if (!on) {
        const QString failure = m_server.startFailure();
        m_state->setText(failure.isEmpty() ? tr("The station is off: no browser can see the desk.")
                                           : tr("The station could not start: %1").arg(failure));
    } else {
        const station::Address where = m_server.address();
        if (const int listed = m_address->findData(where.host.toString()); listed >= 0)
            m_address->setCurrentIndex(listed);
        else if (station::isAllInterfaces(where.host))
            m_address->setCurrentIndex(m_address->count() - 1);
        m_port->setValue(where.port);
        QString text =
            tr("Listening on %1://%2")
                .arg(m_server.isEncrypted() ? QStringLiteral("https") : QStringLiteral("http"),
                     station::addressText(where));
        if (station::isAllInterfaces(where.host))
            text += tr(" (all networks of this computer)");
        if (!m_server.isEncrypted())
            text += QStringLiteral("\n") + tr("Unencrypted: anyone on this network can read the "
                                              "messages as they pass. Use it on the gala's own "
                                              "network only.");
        m_state->setText(text);
    }
    showLinks();
    showPages();
    fitToScreen();
}

// As large as what it shows, within the screen it is on (the window
// manager's title bar allowed for); what does not fit scrolls.
void StationWindow::fitToScreen() {
    const QMargins margins = layout()->contentsMargins();
    const int bottomRow = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
    const QSize wanted =
        m_content->sizeHint() +
        QSize(margins.left() + margins.right(), margins.top() + margins.bottom() + bottomRow);
    const QRect area = screen()->availableGeometry();
    resize(wanted.boundedTo(area.size() - QSize(8, titleBarAllowance)));
    // Grown on Start, it may reach past the screen: moved back in whole.
    if (isVisible() && !area.contains(frameGeometry()))
        move(std::clamp(x(), area.left(),
                        std::max(area.left(), area.right() - frameGeometry().width())),
             std::clamp(y(), area.top() + titleBarAllowance / 2,
                        std::max(area.top(), area.bottom() - frameGeometry().height())));
}

void StationWindow::showLinks() {
    while (QLayoutItem* item = m_links->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!m_server.isListening())
        return;
    // Side by side, so the window fits a laptop's screen; two by two where
    // the screen is narrower than that.
    std::vector<QWidget*> columns;
    for (const station::Role role : m_server.roles()) {
        const QString link = QString::fromLatin1(m_server.link(role).toEncoded());
        auto* column = new QWidget;
        auto* columnLayout = new QVBoxLayout(column);
        columnLayout->setContentsMargins({});
        auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(roleTitle(role)));
        name->setTextFormat(Qt::RichText);
        auto* code = new QLabel;
        code->setPixmap(QPixmap::fromImage(qrCode(link.toLatin1(), qrScale)));
        auto* text = new QLabel(roleText(role));
        text->setWordWrap(true);
        auto* field = new LinkField(link);
        field->setObjectName(QStringLiteral("Link_") + station::roleName(role));
        columnLayout->addWidget(name);
        columnLayout->addWidget(code);
        columnLayout->addWidget(text);
        columnLayout->addWidget(field);
        columnLayout->addStretch();
        m_links->addWidget(column, 0, static_cast<int>(columns.size()));
        // Shown now, so that the window is sized with it.
        column->show();
        columns.push_back(column);
    }
    if (m_linkBox->sizeHint().width() <= screen()->availableGeometry().width() * 9 / 10)
        return;
    while (QLayoutItem* item = m_links->takeAt(0))
        delete item;
    for (size_t index = 0; index < columns.size(); ++index)
        m_links->addWidget(columns[index], static_cast<int>(index / 2),
                           static_cast<int>(index % 2));
}

void StationWindow::showPages() {
    m_pages->clear();
    for (const station::ConnectedPage& page : m_server.pages())
        m_pages->addTopLevelItem(
            new QTreeWidgetItem({roleTitle(page.role), page.address.toString(),
                                 desk::timeWithSecondsText(page.since.time())}));
    m_pages->resizeColumnToContents(0);
    m_pages->resizeColumnToContents(1);
    m_withoutRole->setText(
        tr("Connections without a link yet: %1").arg(m_server.connectionsWithoutRole()));
}

// The buttons say what the screen does now: the desk's message held back,
// the screen blanked.
void StationWindow::showCaption() {
    const station::CaptionScreen& caption = m_server.caption();
    m_holdBack->setEnabled(!caption.voiceKey().isEmpty());
    m_holdBack->setChecked(caption.isHeldBack(caption.voiceKey()));
    m_blank->setChecked(caption.isBlank());
}
