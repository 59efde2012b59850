#pragma once

#include <QLabel>

// Text from the scores service is shown as written, never read as markup: a label left to guess would load
// whatever an <img> in a team's name points at, on the GUI thread. Every label of such text is made here.
QLabel* makePlainTextLabel(const QString& text, QWidget* parent);

// A centred label with its text at a pixel size: the titles and captions of the small fixed windows.
enum class TextTone { primary, secondary };

QLabel* makeCentredLabel(const QString& text, int pixelSize, bool bold, TextTone tone, QWidget* parent);

// A menu entry's text as written: a single '&' would mark a shortcut key and vanish.
QString literalMenuText(QString text);
