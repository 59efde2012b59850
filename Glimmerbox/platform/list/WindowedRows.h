#pragma once

#include <QList>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QScrollArea;

// The widget of a scroll area that holds a long list of rows, one under the other, and keeps built only
// the rows standing in the visible part: a row is built when it comes into view and goes once it has left
// it, so that a list of thousands costs the few rows on screen. Every row's height is known before the row
// is built, which places it without building those above. Nothing is built while the scroll area is hidden.
class WindowedRows : public QWidget {
    Q_OBJECT
public:
    using BuildRow = std::function<QWidget*(qsizetype index, QWidget* parent)>;

    // Becomes the widget of `scroll`, which must be resizable and outlive it.
    WindowedRows(QScrollArea& scroll, BuildRow build);

    // A widget always built above the first row, at its size hint's height, and room below it and below the
    // last row.
    void setTopWidget(QWidget* widget, int spacingBelow);
    void setBottomMargin(int bottom);
    // Room left and right of every row.
    void setSideMargins(int left, int right);
    // The view counts as at least this tall until the scroll area has been laid out while shown: one that
    // has just been shown may not have its height yet.
    void setMinimumViewHeight(int height) { m_minimumViewHeight = height; }
    // A row that goes is deleted at once rather than on a later turn. Only for rows that never change the
    // list from inside their own events.
    void setDeletesRowsAtOnce(bool atOnce) { m_deletesRowsAtOnce = atOnce; }

    // A new list: every built row goes.
    void reset(QList<int> heights);
    // The same rows at new heights: the built ones stay and move to their new places.
    void setHeights(QList<int> heights);

    // The whole list, margins included.
    int totalHeight() const;
    // The row that stands at `y` of the list (this widget's coordinates), built or not; none above the first
    // row, below the last and for an empty list.
    std::optional<qsizetype> rowAt(int y) const;
    // The built rows, in list order.
    QList<QWidget*> builtRows() const;
    QWidget* builtRow(qsizetype index) const;

    // Builds the rows that have come into view and lets go of those that have left it. Runs by itself on
    // scrolling, resizing and showing.
    void sync();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void heightsChanged();
    void place(qsizetype index, QWidget* row);
    void release(QWidget* row);

    QScrollArea& m_scroll;
    BuildRow m_build;
    QList<int> m_heights;
    QList<int> m_tops;
    QWidget* m_topWidget = nullptr;
    int m_topMargin = 0;
    int m_bottomMargin = 0;
    int m_leftMargin = 0;
    int m_rightMargin = 0;
    int m_minimumViewHeight = 0;
    bool m_viewLaidOut = false;
    bool m_deletesRowsAtOnce = false;
    std::map<qsizetype, QWidget*> m_built;
};
