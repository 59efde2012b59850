#pragma once

#include "platform/text/PlainTextLabel.h"

#include <QFont>
#include <QStringList>

// A label of a text from the scores service wrapped over as many lines as it takes inside the width its
// layout gives it: line breaks and other separators show as spaces, and a word too long for a line breaks
// anywhere instead of widening the layout. text() stays the text as given.
class WrappedLabel : public PlainTextLabel {
public:
    explicit WrappedLabel(const QString& text, QWidget* parent = nullptr);

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
};
