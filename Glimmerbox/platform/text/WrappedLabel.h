#pragma once

#include "platform/text/PlainTextLabel.h"

#include <QFont>
#include <QStringList>

#include <limits>

// A label of a text from the scores service wrapped over as many lines as it takes inside the width its
// layout gives it, or over at most `maxLines`, the last shortened at its end with an ellipsis when the text
// goes on: line breaks and other separators show as spaces, and a word too long for a line breaks anywhere
// instead of widening the layout. text() stays the text as given.
class WrappedLabel : public PlainTextLabel {
public:
    static constexpr int anyNumberOfLines = std::numeric_limits<int>::max();

    explicit WrappedLabel(const QString& text, QWidget* parent = nullptr, int maxLines = anyNumberOfLines);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The lines as they are drawn at the label's present width.
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double naturalWidth() const;
    const QStringList& linesAt(int textWidth) const;

    // The last wrapping asked for: layouts ask for the same width many times over.
    struct Wrapping {
        QString text;
        QFont font;
        int width = -1;
        QStringList lines;
    };
    mutable Wrapping m_wrapping;
    const int m_maxLines;
};
