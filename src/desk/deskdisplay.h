#pragma once

#include "announcerdatabase.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

namespace desk {

class AnnouncerDesk;

// The message on one station's display: the desk's window has one, and
// so does each browser page that announces. A station chooses, dismisses
// and undoes only at its own display, so Dismiss never deletes a message
// another station chose meanwhile; the read-out log names the station.
//
// The desk hands displays out and keeps an eye on the live ones; either
// may go first. A display whose desk has gone shows nothing and does
// nothing; answers on their way to a display that has gone are dropped,
// though what they did to the database stands.
class DeskDisplay : public QObject {
    Q_OBJECT

public:
    // The station's name in the read-out log.
    [[nodiscard]] QString station() const { return m_station; }
    // The message on display, as the text box shows it; empty when none is.
    // One that another station or program deleted meanwhile stays on
    // display, marked.
    [[nodiscard]] QString shownText() const;
    [[nodiscard]] store::RowKey shownKey() const;
    // The message on display is no longer in the database.
    [[nodiscard]] bool shownIsGone() const { return m_gone; }
    // Dismiss acts only on a message shown in this opening of the desk.
    [[nodiscard]] bool canDismiss() const;

    void choose(const store::RowKey& key);
    // Dismisses the message on display: logged whole, then deleted (or on
    // a file that can only be read here, hidden for the run).
    void dismiss();
    // Puts back the latest dismissal on this database: any station's at
    // the window, a browser's own one at that browser; what came back is
    // on this display.
    void undo();

signals:
    void shownChanged();
    // Something the announcer at this display must be told (a refused
    // dismissal, say).
    void notice(const QString& text);

private:
    friend class AnnouncerDesk;
    DeskDisplay(AnnouncerDesk& desk, QString station);
    // Shows row (nothing when empty) as text, ready to be dismissed or not.
    void show(const std::optional<ChosenRow>& row, const QString& text, bool armed);

    QPointer<AnnouncerDesk> m_desk;
    QString m_station;
    std::optional<ChosenRow> m_row;
    QString m_text;
    bool m_armed = false;
    // The row is no longer in the database.
    bool m_gone = false;
};

} // namespace desk
