#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>

namespace station {

// What the pool's caption screen shows: the message the announcer is
// reading out (the one on the display of the desk's voice), for a while
// more once it has been dismissed, and then an idle face; nothing while
// the announcer has blanked it. A message the announcer held back is never
// shown, for as long as the station runs.
class CaptionScreen : public QObject {
    Q_OBJECT

public:
    struct Message {
        QString key;
        QString text;
        bool urgent = false;
        bool operator==(const Message&) const = default;
    };
    enum class Face { Message, Idle, Blank };

    explicit CaptionScreen(QObject* parent = nullptr);

    // The message on the voice's display now; none (an empty key) once it
    // has been dismissed.
    void voiceShows(const Message& message);
    // How long a dismissed message stays on the screen.
    void setLinger(std::chrono::milliseconds linger);

    void holdBack(const QString& key, bool held);
    // The message on the voice's display now (the desk window's, when the
    // desk has one), and holding it back or letting it show.
    [[nodiscard]] QString voiceKey() const { return m_voice.key; }
    void toggleVoiceHeldBack() { holdBack(m_voice.key, !isHeldBack(m_voice.key)); }
    [[nodiscard]] bool isHeldBack(const QString& key) const;
    // The messages held back, the oldest first.
    [[nodiscard]] const std::deque<QString>& heldBack() const { return m_held; }
    // The station remembers this many; the oldest make room.
    static constexpr size_t mostHeldBack = 1000;

    void setBlank(bool blank);
    [[nodiscard]] bool isBlank() const { return m_blank; }

    [[nodiscard]] Face face() const;
    // The message the face shows, when it shows one.
    [[nodiscard]] Message message() const;
    // The message shown was dismissed and goes once its time is up.
    [[nodiscard]] bool isLingering() const;

signals:
    void changed();

private:
    [[nodiscard]] bool isShown(const Message& message) const;

    Message m_voice;
    Message m_lingering;
    QTimer m_lingerTimer;
    std::deque<QString> m_held;
    bool m_blank = false;
};

} // namespace station
