#pragma once

#include <QLabel>

// A label of a text as written, never read as markup (a PlainTextLabel).
QLabel* makePlainTextLabel(const QString& text, QWidget* parent);

// A centred label with its text at a pixel size: the titles and captions of the small fixed windows.
enum class TextTone { primary, secondary };

QLabel* makeCentredLabel(const QString& text, int pixelSize, bool bold, TextTone tone, QWidget* parent);

// A menu entry's text as written: a single '&' would mark a shortcut key and vanish.
QString literalMenuText(QString text);
