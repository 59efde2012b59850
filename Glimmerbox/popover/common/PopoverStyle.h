#pragma once

#include "popover/common/Tint.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QString>

#include <limits>

class QHBoxLayout;
class QLabel;
class QPalette;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The popover's and detail panel's text styles and colours, in logical pixels.
namespace popoverstyle {

constexpr int headline = 13;
constexpr int subheadline = 11;
constexpr int body = 13;
constexpr int caption = 10;
constexpr int caption2 = 10;
constexpr int title3 = 15;
constexpr int largeTitle = 26;

QColor color(Tint tint, const QPalette& palette);
// `tint` at `opacity` (0 to 1).
QColor color(Tint tint, const QPalette& palette, double opacity);

// A plain label in the given style, on one line and shortened at its end where its room is too narrow.
QLabel* label(const QString& text, int pixelSize, QFont::Weight weight, Tint tint, QWidget* parent = nullptr);
// How much of a short text (a value, a clock, a time) stays whole beside a reply text that gives way.
constexpr int heldWidth = 90;
// `label` kept whole up to `width` when its row is short of room: only a text wider than that gives way to
// its neighbours (a long reply text beside it gives way first).
QLabel* heldTo(QLabel* label, int width = heldWidth);
// A plain label in the given style, wrapped over as many lines as its text takes, or at most `maxLines` with
// the last shortened at its end; a word too long for a line breaks anywhere, so that it never widens its row.
QLabel* paragraph(const QString& text, int pixelSize, QFont::Weight weight, Tint tint,
                  QWidget* parent = nullptr, int maxLines = std::numeric_limits<int>::max());
void setTint(QLabel* label, Tint tint);
// A symbol of the icon font as a label of `pixelSize`.
QLabel* symbol(const QString& name, int pixelSize, Tint tint, QWidget* parent = nullptr);
// A plain (borderless) button showing a symbol, with its tooltip.
QToolButton* symbolButton(const QString& name, int pixelSize, Tint tint, const QString& toolTip,
                          QWidget* parent = nullptr);
void setSymbol(QToolButton* button, const QString& name, int pixelSize, Tint tint, double opacity = 1.0);
// The layout of `owner`, with these margins and, when not negative, this spacing.
QVBoxLayout* vbox(QWidget* owner, QMargins margins, int spacing = -1);
QHBoxLayout* hbox(QWidget* owner, QMargins margins, int spacing = -1);
// A thin horizontal line, indented `indent` from the leading edge.
QWidget* divider(QWidget* parent = nullptr, int indent = 0);

} // namespace popoverstyle
