#pragma once

#include <QLabel>

// A label of a text as written, never read as markup: a label left to guess would load whatever an <img> in
// a team's name points at, on the GUI thread. The labels that lay a reply's text out themselves build on it.
class PlainTextLabel : public QLabel {
public:
    explicit PlainTextLabel(const QString& text, QWidget* parent = nullptr);

protected:
    // What the text keeps clear of on each side: the contents margins and the label's own margin.
    QMargins textMargins() const;
    // Where the text is drawn.
    QRect textRoom() const;
};
