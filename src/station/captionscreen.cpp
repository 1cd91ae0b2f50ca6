#include "captionscreen.h"

#include <algorithm>

namespace station {

CaptionScreen::CaptionScreen(QObject* parent)
    : QObject(parent) {
    m_lingerTimer.setSingleShot(true);
    setLinger(std::chrono::seconds(20));
    connect(&m_lingerTimer, &QTimer::timeout, this, [this] {
        m_lingering = {};
        emit changed();
    });
}

void CaptionScreen::setLinger(std::chrono::milliseconds linger) {
    m_lingerTimer.setInterval(linger);
}

// A message that leaves the voice's display was dismissed (or the desk let
// go of it): the screen keeps it a while, so that those who read slowly
// can finish. Another message chosen meanwhile takes its place at once.
void CaptionScreen::voiceShows(const Message& message) {
    if (message == m_voice)
        return;
    if (message.key.isEmpty() && isShown(m_voice)) {
        m_lingering = m_voice;
        m_lingerTimer.start();
    } else if (!message.key.isEmpty() && message.key != m_voice.key) {
        m_lingering = {};
        m_lingerTimer.stop();
    }
    m_voice = message;
    emit changed();
}

void CaptionScreen::holdBack(const QString& key, bool held) {
    if (key.isEmpty() || isHeldBack(key) == held)
        return;
    if (held) {
        m_held.push_back(key);
        if (m_held.size() > mostHeldBack)
            m_held.pop_front();
    } else {
        m_held.erase(std::find(m_held.begin(), m_held.end(), key));
    }
    emit changed();
}

bool CaptionScreen::isHeldBack(const QString& key) const {
    return std::find(m_held.cbegin(), m_held.cend(), key) != m_held.cend();
}

void CaptionScreen::setBlank(bool blank) {
    if (std::exchange(m_blank, blank) != blank)
        emit changed();
}

bool CaptionScreen::isShown(const Message& message) const {
    return !message.key.isEmpty() && !isHeldBack(message.key);
}

CaptionScreen::Face CaptionScreen::face() const {
    if (m_blank)
        return Face::Blank;
    return isShown(m_voice) || isShown(m_lingering) ? Face::Message : Face::Idle;
}

CaptionScreen::Message CaptionScreen::message() const {
    if (face() != Face::Message)
        return {};
    return isShown(m_voice) ? m_voice : m_lingering;
}

bool CaptionScreen::isLingering() const {
    return face() == Face::Message && !isShown(m_voice);
}

} // namespace station
