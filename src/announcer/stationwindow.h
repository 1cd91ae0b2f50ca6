#pragma once

#include <QDialog>
#include <QTimer>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QGridLayout;

namespace station {
class StationServer;
}

// The browser station's own small window (F9 on the announcer screen):
// where it listens, one link with its QR code per role, the pages
// connected now, and New links. It only shows the station and passes the
// announcer's choices on.
class StationWindow : public QDialog {
    Q_OBJECT

public:
    explicit StationWindow(station::StationServer& server, QWidget* parent = nullptr);

private:
    void startOrStop();
    void renewLinks();
    void keepReadyTexts();
    void showState();
    void fitToScreen();
    void showLinks();
    void showPages();
    void showCaption();

    station::StationServer& m_server;
    QComboBox* m_address;
    QSpinBox* m_port;
    QPushButton* m_startStop;
    QLabel* m_state;
    QGridLayout* m_links;
    QWidget* m_linkBox;
    QTreeWidget* m_pages;
    // How many connections are open that are no page with a link (yet).
    QLabel* m_withoutRole;
    QPushButton* m_renew;
    // What the caption screen may show.
    QPushButton* m_holdBack;
    QPushButton* m_blank;
    // The ready texts are kept a moment after the announcer stops typing.
    QPlainTextEdit* m_readyTexts;
    QTimer m_keepReadyTexts;
    // Everything above the buttons, in a scroll area.
    QWidget* m_content;
};
