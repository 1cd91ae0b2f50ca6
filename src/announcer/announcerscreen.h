#pragma once

#include "changerefresh.h"

#include <QDialog>
#include <QTimer>
#include <QVariant>

#include <memory>
#include <vector>

namespace Ui {
class AnnouncerScreen;
}

// The window the announcer works in: the pending messages, one line each,
// the chosen message in full, a refresh every five seconds, and Dismiss.
class AnnouncerScreen : public QDialog {
    Q_OBJECT

public:
    explicit AnnouncerScreen(QWidget* parent = nullptr);
    ~AnnouncerScreen() override;

    // Opens the screen modally: empty controls, the load, then the screen
    // runs until Exit, the timer or the close control closes it.
    void showModal();

    // Rebuilds the list from the database.
    void Refresh_Form();

    // One tick of Timer1.
    void timerTick();

    QTimer& timer1() { return m_timer1; }
    qint16 currentSequence() const { return m_currentSequence; }

    // Escape does nothing: a stray key must not close the screen mid-gala.
    void reject() override {}

protected:
    // The close control closes the screen as the timer does; the database
    // stays open for the next opening.
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void onSelectionChanged();
    void chooseSequence(const QVariant& sequence);
    void dismiss();
    void exitScreen();
    void restoreListPosition(int currentRow, int scrollValue);
    void watchDatabase();
    void refreshOnChange();

    std::unique_ptr<Ui::AnnouncerScreen> m_ui;
    QTimer m_timer1;
    // Refreshes as soon as the database reports a change, besides Timer1.
    ChangeRefresh m_changeRefresh{[this] { refreshOnChange(); }};
    // Current_Sequence: the Sequence of the message last chosen. It lives as
    // long as the window object, across closing and opening again.
    qint16 m_currentSequence = 0;
    // Dismiss deletes only while a chosen message is on display in this
    // opening of the window; anything else could delete an unseen message.
    bool m_dismissArmed = false;
    bool m_loading = false;
    // The Sequence of each list line, in list order: a choice uses the row's
    // own number, not digits read back from the line's text.
    std::vector<QVariant> m_lineSequences;
};
