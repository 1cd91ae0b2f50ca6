#include "stationwindow.h"

#include "qrcode.h"

#include "station/stationserver.h"
#include "station/stationstart.h"
#include "ui/messagebox.h"

#include "desk/desksettings.h"
#include "desk/timetexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

constexpr int qrScale = 3;
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

// A role as the announcer reads it; links and files keep its name.
QString roleTitle(station::Role role) {
    switch (role) {
    case station::Role::Watch:
        return StationWindow::tr("watch");
    case station::Role::Announce:
        return StationWindow::tr("announce");
    case station::Role::Send:
        return StationWindow::tr("send");
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
    , m_links(new QVBoxLayout)
    , m_linkBox(new QGroupBox(tr("Links")))
    , m_pages(new QTreeWidget)
    , m_withoutRole(new QLabel)
    , m_renew(new QPushButton(tr("&New links")))
    , m_readyTexts(new QPlainTextEdit) {
    setObjectName(QStringLiteral("BrowserStation"));
    setWindowTitle(tr("Browser station \u2013 kelvane"));
    for (const QString& choice : addressChoices())
        m_address->addItem(choice, choice);
    m_address->addItem(tr("All networks of this computer"), allInterfaces);
    m_address->setObjectName(QStringLiteral("StationAddress"));
    m_port->setRange(1, 65535);
    m_port->setValue(station::defaultPort);
    m_port->setObjectName(QStringLiteral("StationPort"));
    QString error;
    if (const auto remembered = station::parseAddress(desk::stationChoice().address, error)) {
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
    m_pages->setMinimumHeight(110);
    m_pages->setMaximumHeight(140);

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
    m_readyTexts->setFixedHeight(m_pages->minimumHeight());
    readyLayout->addWidget(m_readyTexts);
    readyBox->setVisible(!m_server.roles().empty() &&
                         m_server.roles().back() == station::Role::Send);
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(where);
    layout->addWidget(m_state);
    layout->addWidget(m_linkBox);
    // Side by side, so the window still fits a laptop's screen with three links.
    auto* below = new QHBoxLayout;
    below->addWidget(pagesBox, 1);
    below->addWidget(readyBox, 1);
    layout->addLayout(below);
    // Beside the buttons, where it takes no height of its own.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_withoutRole, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_startStop, &QPushButton::clicked, this, &StationWindow::startOrStop);
    connect(m_renew, &QPushButton::clicked, this, &StationWindow::renewLinks);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_server, &station::StationServer::listeningChanged, this, &StationWindow::showState);
    connect(&m_server, &station::StationServer::linksChanged, this, &StationWindow::showLinks);
    connect(&m_server, &station::StationServer::pagesChanged, this, &StationWindow::showPages);
    showState();
}

void StationWindow::startOrStop() {
    if (m_server.isListening()) {
        station::stopAndRemember(m_server);
        return;
    }
    const QHostAddress host(m_address->currentData().toString());
    const QString where = station::addressText({host, static_cast<quint16>(m_port->value())});
    if (const std::optional<QString> failure = station::startAndRemember(m_server, where))
        ui::showMessage(*failure);
}

void StationWindow::keepReadyTexts() {
    m_keepReadyTexts.stop();
    m_server.setReadyTexts(m_readyTexts->toPlainText().split(QLatin1Char('\n')));
}

void StationWindow::renewLinks() {
    if (const std::optional<QString> failure = m_server.renewLinks())
        ui::showMessage(
            tr("The new links work, but cannot be kept for the next run: %1").arg(*failure));
}

void StationWindow::showState() {
    const bool on = m_server.isListening();
    m_startStop->setText(on ? tr("&Stop") : tr("&Start"));
    m_address->setEnabled(!on);
    m_port->setEnabled(!on);
    m_renew->setEnabled(on);
    m_linkBox->setVisible(on);
    if (!on) {
        m_state->setText(tr("The station is off: no browser can see the desk."));
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
}

void StationWindow::showLinks() {
    while (QLayoutItem* item = m_links->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!m_server.isListening())
        return;
    for (const station::Role role : m_server.roles()) {
        const QString link = QString::fromLatin1(m_server.link(role).toEncoded());
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        auto* code = new QLabel;
        code->setPixmap(QPixmap::fromImage(qrCode(link.toLatin1(), qrScale)));
        auto* text = new QVBoxLayout;
        auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(roleTitle(role)));
        name->setTextFormat(Qt::RichText);
        auto* field = new QLineEdit(link);
        field->setObjectName(QStringLiteral("Link_") + station::roleName(role));
        field->setReadOnly(true);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(link) + 16);
        text->addWidget(name);
        text->addWidget(new QLabel(roleText(role)));
        text->addWidget(field);
        text->addStretch();
        rowLayout->addWidget(code);
        rowLayout->addLayout(text);
        m_links->addWidget(row);
    }
}

void StationWindow::showPages() {
    m_pages->clear();
    for (const station::ConnectedPage& page : m_server.pages())
        m_pages->addTopLevelItem(new QTreeWidgetItem({roleTitle(page.role), page.address.toString(),
                                                      timeWithSecondsText(page.since.time())}));
    m_pages->resizeColumnToContents(0);
    m_pages->resizeColumnToContents(1);
    m_withoutRole->setText(
        tr("Connections without a link yet: %1").arg(m_server.connectionsWithoutRole()));
}
