#pragma once

// How many notifications one pass of change detection may still raise, and how many it held back past
// that. One reply can change thousands of games at once, and each notification stays on the desktop with a
// sound; the pass still records every game it examined, so a change held back is not raised later either.
class NotificationAllowance {
public:
    explicit NotificationAllowance(int count) : m_left(count) {}

    // Whether one more notification may be raised; when not, it is counted as held back.
    bool take() {
        if (m_left > 0) {
            --m_left;
            return true;
        }
        ++m_heldBack;
        return false;
    }
    int heldBack() const { return m_heldBack; }

private:
    int m_left;
    int m_heldBack = 0;
};
