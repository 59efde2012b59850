#include "WindowedRowList.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>

WindowedRowList::WindowedRowList(QMargins margins, QWidget* parent)
    : QScrollArea(parent), m_margins(margins), m_content(new QWidget(this)) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(m_content);
    // The content is as tall as every row together, so the scroll bar spans the whole list; it takes a new
    // width or a new height of the view through a resize, after which the rows in view are placed again.
    m_content->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &WindowedRowList::buildRowsInView);
}

void WindowedRowList::setRows(int count, RowFactory factory) {
    qDeleteAll(m_built);
    m_built.clear();
    m_count = count;
    m_makeRow = std::move(factory);
    m_rowHeight = 0;
    if (m_count > 0) {
        // The first row gives every row's height; it is kept only while it is in view.
        QWidget* first = makeRow(0);
        m_rowHeight = std::max(1, first->sizeHint().height());
        m_built.insert(0, first);
    }
    m_content->setMinimumHeight(m_margins.top() + m_count * m_rowHeight + m_margins.bottom());
    // The content takes its new height now, not on a later turn, so that the rows in view are known at once.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &request);
    buildRowsInView();
}

bool WindowedRowList::eventFilter(QObject* watched, QEvent* event) {
    const bool handled = QScrollArea::eventFilter(watched, event);
    if (watched == m_content && event->type() == QEvent::Resize)
        buildRowsInView();
    return handled;
}

void WindowedRowList::buildRowsInView() {
    int first = 0;
    int last = -1;
    if (m_count > 0) {
        const int top = verticalScrollBar()->value() - m_margins.top();
        const int bottom = top + std::max(1, viewport()->height()) - 1;
        first = std::clamp(top / m_rowHeight, 0, m_count - 1);
        last = std::clamp(bottom / m_rowHeight, first, m_count - 1);
    }
    for (auto it = m_built.begin(); it != m_built.end();) {
        if (it.key() < first || it.key() > last) {
            delete it.value();
            it = m_built.erase(it);
        } else {
            ++it;
        }
    }
    for (int index = first; index <= last; ++index) {
        QWidget* row = m_built.value(index);
        if (!row)
            row = m_built.insert(index, makeRow(index)).value();
        place(index, row);
    }
}

QWidget* WindowedRowList::makeRow(int index) {
    return m_makeRow(index, m_content);
}

void WindowedRowList::place(int index, QWidget* row) const {
    row->setGeometry(m_margins.left(), m_margins.top() + index * m_rowHeight,
                     m_content->width() - m_margins.left() - m_margins.right(), m_rowHeight);
    row->show();
}
