#pragma once

#include <QString>

#include <optional>

// Texts from outside (the scores service's replies, a release feed) kept within what the views can lay out
// cheaply: shaping a cluster of thousands of combining marks holds the GUI thread for seconds, and a name of
// megabytes costs memory in every copy of it.

// How much of a text is kept: at most `maxLength` UTF-16 units. A longer text is cut where a reader's
// character ends, or refused whole where a cut one would mean something else (an address). A text read as
// prose (a play) ends its cut with "…", within the bound, so that the reader sees that it goes on; a name
// cut at its bound is wider than any view, which elides it anyway.
struct TextBound {
    enum class Overlong { cut, cutWithEllipsis, refuse };
    qsizetype maxLength;
    Overlong overlong = Overlong::cut;
};

// The longest run of combining marks kept in a row, the stream-safe limit: no real script stacks more.
inline constexpr int maxMarksInARow = 30;

// `text` with each run of combining marks (and of the joiners and modifiers that extend a character like
// them) kept to its first `maxMarksInARow`, then held to `bound`; nothing when the bound refuses it. A text
// within both comes back as it is, unchanged and uncopied.
std::optional<QString> boundedText(const QString& text, TextBound bound);

// The longest start of `text` of at most `maxLength` UTF-16 units that ends where a reader's character ends:
// never inside a surrogate pair or between a letter and its marks.
QString graphemesWithin(const QString& text, qsizetype maxLength);
