#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Texts from the scores service drawn in a room of their own: a line break, tab or other control or
// separator character in a reply would otherwise start a second line over the views below, and a long
// text would run into its neighbours.

// `text` on one line: every run of line breaks, tabs and other control or separator characters becomes one
// space.
QString oneLineText(const QString& text);

// A text from outside set into a sentence of ours (a notification's title or body), where no view lays it
// out in a room of its own: on one line and trimmed, shortened at its end with an ellipsis to at most
// `maxLength` characters (never inside a character), every direction embedding, override or isolate it
// opens closed inside it and any closing mark that would close what surrounds it dropped, and the whole
// isolated (FSI ... PDI) so that it cannot reorder the words and numbers around it.
QString isolatedLine(const QString& text, qsizetype maxLength);

// `text` on one line, shortened at its end with an ellipsis where it is wider than `width` in `font`.
QString elidedLine(const QString& text, const QFont& font, double width);

// `text` wrapped to `width` in `font` on at most `maxLines` lines, the last shortened at its end when the
// text goes on (a word too long for a line breaks anywhere).
QStringList wrappedLines(const QString& text, const QFont& font, double width, int maxLines);

// The first user-perceived character of `text` that shows, for a coloured initial in place of a picture: the
// line breaks, spaces, controls and invisible format characters before it are passed over. Empty when
// nothing shows.
QString initialOf(const QString& text);
