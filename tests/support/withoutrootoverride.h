#pragma once

// Root reads and writes every file whatever its permissions say. While an
// object of this class lives, the calling thread loses that override (its
// effective CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH), so a file made
// unreadable with chmod is unreadable here too; the destructor restores
// them. For other users it changes nothing.
class WithoutRootOverride {
public:
    WithoutRootOverride();
    ~WithoutRootOverride();
    WithoutRootOverride(const WithoutRootOverride&) = delete;
    WithoutRootOverride& operator=(const WithoutRootOverride&) = delete;

    // False when the override could not be dropped.
    [[nodiscard]] bool ok() const { return m_ok; }

private:
    bool setOverride(bool on);
    bool m_ok = true;
    bool m_dropped = false;
};
