#include "deskdisplay.h"

#include "announcerdesk.h"

#include <utility>

namespace desk {

DeskDisplay::DeskDisplay(AnnouncerDesk& desk, QString station)
    : m_desk(&desk)
    , m_station(std::move(station)) {}

QString DeskDisplay::shownText() const {
    return m_gone ? AnnouncerDesk::tr("\u2014 no longer in the database \u2014") +
                        QStringLiteral("\n\n") + m_text
                  : m_text;
}

store::RowKey DeskDisplay::shownKey() const {
    return m_row ? m_row->key : store::RowKey();
}

bool DeskDisplay::canDismiss() const {
    return m_armed && m_desk && !m_desk->displayOnly();
}

void DeskDisplay::choose(const store::RowKey& key) {
    if (m_desk)
        m_desk->choose(*this, key);
}

void DeskDisplay::dismiss() {
    if (m_desk)
        m_desk->dismiss(*this);
}

void DeskDisplay::undo() {
    if (m_desk)
        m_desk->undo(*this);
}

void DeskDisplay::show(const std::optional<ChosenRow>& row, const QString& text, bool armed) {
    m_row = row;
    m_text = text;
    m_armed = armed;
    m_gone = false;
    emit shownChanged();
}

} // namespace desk
