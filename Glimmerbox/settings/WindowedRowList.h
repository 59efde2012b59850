#pragma once

#include <QMap>
#include <QMargins>
#include <QScrollArea>

#include <functional>

// A vertical list of rows of one height that holds only the rows in view: a row is built as it scrolls in
// and deleted as it scrolls out, so that a list of thousands costs a screenful of widgets, and a row out of
// view neither paints, nor asks for its pictures, nor runs a timer.
class WindowedRowList : public QScrollArea {
    Q_OBJECT
public:
    using RowFactory = std::function<QWidget*(int index, QWidget* parent)>;

    // `margins` surround the column of rows, as a layout's contents margins would.
    explicit WindowedRowList(QMargins margins, QWidget* parent = nullptr);

    // Replaces every row. The height of a row is that of the first one built; the scroll position stays
    // where it was, within the new length.
    void setRows(int count, RowFactory factory);
    int rowCount() const { return m_count; }
    // The rows built now, in list order.
    QList<QWidget*> builtRows() const { return m_built.values(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRowsInView();
    QWidget* makeRow(int index);
    void place(int index, QWidget* row) const;

    QMargins m_margins;
    QWidget* m_content;
    int m_count = 0;
    int m_rowHeight = 0;
    RowFactory m_makeRow;
    QMap<int, QWidget*> m_built;
};
