#pragma once

#include "platform/text/PlainTextLabel.h"

// A label of a text from the scores service that keeps to one line inside the width its layout gives it:
// line breaks and other separators show as spaces, and a text too long for its room is shortened at its
// end with an ellipsis (whatever its alignment) instead of widening the layout. text() stays the text as
// given.
class OneLineLabel : public PlainTextLabel {
public:
    explicit OneLineLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The line as it is drawn at the label's present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize withMargins(int textWidth) const;
};
