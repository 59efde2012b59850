#pragma once

#include <QLabel>

// A centred label with its text at a pixel size: the titles and captions of the small fixed windows.
enum class TextTone { primary, secondary };

QLabel* makeCentredLabel(const QString& text, int pixelSize, bool bold, TextTone tone, QWidget* parent);
