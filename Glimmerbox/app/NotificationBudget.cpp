#include "NotificationBudget.h"

#include <algorithm>

int NotificationBudget::available(MonotonicTime now) {
    while (!m_spent.empty() && now - m_spent.front() >= m_window)
        m_spent.pop_front();
    return std::max(0, m_limit - static_cast<int>(m_spent.size()));
}
