#include "popover/detail/LazyRowList.h"

#include "popover/common/PopoverStyle.h"
#include "popover/detail/EmptyTabText.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int batchSize = 30;
} // namespace

LazyRowList::LazyRowList(int count, RowFactory makeRow, QWidget* parent)
    : QScrollArea(parent), m_count(count), m_makeRow(std::move(makeRow)) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(this);
    m_rows = popoverstyle::vbox(content, {}, 0);
    m_rows->addStretch();
    setWidget(content);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { buildWhileNeeded(); });
    buildWhileNeeded();
}

void LazyRowList::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    buildWhileNeeded();
}

void LazyRowList::buildWhileNeeded() {
    // Another batch whenever less than a screenful remains below the visible part.
    const auto needsMore = [this] {
        const QScrollBar* bar = verticalScrollBar();
        return m_built < m_count && (m_built == 0 || bar->maximum() - bar->value() < viewport()->height());
    };
    while (needsMore()) {
        const int end = std::min(m_count, m_built + batchSize);
        for (; m_built < end; ++m_built)
            m_rows->insertWidget(m_rows->count() - 1, m_makeRow(m_built, widget()));
        widget()->adjustSize();
        if (!isVisible())
            break;
    }
}

void addRowsOrEmptyText(QVBoxLayout* layout, int count, LazyRowList::RowFactory makeRow,
                        const QString& emptyText) {
    if (count == 0) {
        layout->addWidget(emptyTabText(emptyText, layout->parentWidget()));
        layout->addStretch();
        return;
    }
    layout->addWidget(new LazyRowList(count, std::move(makeRow)));
}
