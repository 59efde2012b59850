#pragma once

#include <QScrollArea>

#include <functional>

class QString;
class QVBoxLayout;

// A vertical scroll list that builds its rows in batches as they come near the visible area, so that a
// long list costs only the rows the user scrolls to.
class LazyRowList : public QScrollArea {
public:
    using RowFactory = std::function<QWidget*(int index, QWidget* parent)>;

    LazyRowList(int count, RowFactory makeRow, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWhileNeeded();

    int m_count;
    int m_built = 0;
    RowFactory m_makeRow;
    QVBoxLayout* m_rows = nullptr;
};

// Adds a tab's list to `layout`: the `count` rows as a LazyRowList, or `emptyText` at the top when there are
// none.
void addRowsOrEmptyText(QVBoxLayout* layout, int count, LazyRowList::RowFactory makeRow,
                        const QString& emptyText);
