#pragma once

#include <QHash>
#include <QHostAddress>

#include <chrono>

namespace station {

// Wrong tokens slow their sender down: after each failure from an address,
// its next attempt is answered only after a wait that doubles with every
// failure, up to half a minute, and is forgotten after ten quiet minutes.
// Guessing 128 bits was hopeless anyway; this keeps a guesser from
// loading the desk. The table is bounded: when full, the quietest address
// makes room.
class FailedAttempts {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds firstWait{250};
    static constexpr std::chrono::milliseconds longestWait{30000};
    static constexpr std::chrono::minutes forgetAfter{10};
    static constexpr qsizetype remembered = 4096;

    // How long an attempt from address made at now must wait.
    [[nodiscard]] std::chrono::milliseconds waitFor(const QHostAddress& address,
                                                    Clock::time_point now) const;
    void failed(const QHostAddress& address, Clock::time_point now);
    void succeeded(const QHostAddress& address) { m_failures.remove(address); }

private:
    struct Failures {
        int count = 0;
        Clock::time_point last;
    };
    QHash<QHostAddress, Failures> m_failures;
};

} // namespace station
