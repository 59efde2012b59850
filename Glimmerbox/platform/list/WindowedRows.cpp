#include "platform/list/WindowedRows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

WindowedRows::WindowedRows(QScrollArea& scroll, BuildRow build)
    : m_scroll(scroll), m_build(std::move(build)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_scroll.setWidget(this);
    m_scroll.installEventFilter(this);
    m_scroll.viewport()->installEventFilter(this);
    connect(m_scroll.verticalScrollBar(), &QScrollBar::valueChanged, this, &WindowedRows::sync);
}

void WindowedRows::setTopWidget(QWidget* widget, int spacingBelow) {
    m_topWidget = widget;
    widget->setParent(this);
    const int height = widget->sizeHint().height();
    widget->setGeometry(0, 0, width(), height);
    widget->show();
    m_topMargin = height + spacingBelow;
    heightsChanged();
}

void WindowedRows::setBottomMargin(int bottom) {
    m_bottomMargin = bottom;
    heightsChanged();
}

void WindowedRows::setSideMargins(int left, int right) {
    m_leftMargin = left;
    m_rightMargin = right;
    for (const auto& [index, row] : m_built)
        place(index, row);
}

void WindowedRows::reset(QList<int> heights) {
    for (const auto& [index, row] : m_built)
        release(row);
    m_built.clear();
    m_heights = std::move(heights);
    heightsChanged();
}

void WindowedRows::setHeights(QList<int> heights) {
    Q_ASSERT(heights.size() == m_heights.size());
    m_heights = std::move(heights);
    heightsChanged();
}

int WindowedRows::totalHeight() const {
    return (m_tops.isEmpty() ? m_topMargin : m_tops.last() + m_heights.last()) + m_bottomMargin;
}

std::optional<qsizetype> WindowedRows::rowAt(int y) const {
    // The last row starting at or above `y`, when it reaches down past it.
    const qsizetype after = std::upper_bound(m_tops.cbegin(), m_tops.cend(), y) - m_tops.cbegin();
    if (after == 0 || y >= m_tops[after - 1] + m_heights[after - 1])
        return std::nullopt;
    return after - 1;
}

QList<QWidget*> WindowedRows::builtRows() const {
    QList<QWidget*> rows;
    rows.reserve(qsizetype(m_built.size()));
    for (const auto& [index, row] : m_built)
        rows.append(row);
    return rows;
}

QWidget* WindowedRows::builtRow(qsizetype index) const {
    const auto found = m_built.find(index);
    return found == m_built.end() ? nullptr : found->second;
}

void WindowedRows::heightsChanged() {
    m_tops.resize(m_heights.size());
    int y = m_topMargin;
    for (qsizetype index = 0; index < m_heights.size(); ++index) {
        m_tops[index] = y;
        y += m_heights[index];
    }
    for (const auto& [index, row] : m_built)
        place(index, row);
    // The scroll area sizes this widget from its hints: at least the list's height, more when the view is
    // taller. At once, so that the scroll range follows before the next look at the view.
    updateGeometry();
    resize(width(), std::max(totalHeight(), m_scroll.viewport()->height()));
    QCoreApplication::postEvent(&m_scroll, new QEvent(QEvent::LayoutRequest));
    sync();
}

void WindowedRows::sync() {
    if (!m_scroll.isVisible())
        return;
    const int viewTop = m_scroll.verticalScrollBar()->value();
    const int viewHeight = m_scroll.viewport()->height();
    const int viewBottom = viewTop + (m_viewLaidOut ? viewHeight : std::max(viewHeight, m_minimumViewHeight));
    // Rows stand in order, so those in view are one run: from the first that ends below the view's top to
    // the last that starts above its bottom.
    const auto firstWhere = [this](auto&& before) {
        const auto found = std::partition_point(m_tops.cbegin(), m_tops.cend(), [&](const int& top) {
            return before(qsizetype(&top - m_tops.constData()));
        });
        return qsizetype(found - m_tops.cbegin());
    };
    const qsizetype first = firstWhere([&](qsizetype i) { return m_tops[i] + m_heights[i] <= viewTop; });
    const qsizetype last = firstWhere([&](qsizetype i) { return m_tops[i] < viewBottom; });
    for (auto it = m_built.begin(); it != m_built.end();) {
        if (it->first >= first && it->first < last) {
            ++it;
            continue;
        }
        release(it->second);
        it = m_built.erase(it);
    }
    for (qsizetype index = first; index < last; ++index) {
        if (m_built.contains(index))
            continue;
        QWidget* row = m_build(index, this);
        m_built.emplace(index, row);
        place(index, row);
        row->show();
    }
}

void WindowedRows::place(qsizetype index, QWidget* row) {
    row->setGeometry(m_leftMargin, m_tops[index], width() - m_leftMargin - m_rightMargin, m_heights[index]);
}

void WindowedRows::release(QWidget* row) {
    if (m_deletesRowsAtOnce) {
        delete row;
        return;
    }
    // Later: a row may go from inside its own event (a click that changes the list, a wheel turn on it).
    row->hide();
    row->deleteLater();
}

QSize WindowedRows::sizeHint() const {
    return {m_scroll.viewport()->width(), totalHeight()};
}

bool WindowedRows::eventFilter(QObject* watched, QEvent* event) {
    const bool shown = watched == &m_scroll && event->type() == QEvent::Show;
    const bool resized = watched == m_scroll.viewport() && event->type() == QEvent::Resize;
    if (shown || resized)
        sync();
    // Layouts run on a later turn than the show: once they have, the view's own height holds.
    if (shown && !m_viewLaidOut) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_viewLaidOut = true;
                sync();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void WindowedRows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_topWidget)
        m_topWidget->resize(width(), m_topWidget->height());
    for (const auto& [index, row] : m_built)
        place(index, row);
    sync();
}
