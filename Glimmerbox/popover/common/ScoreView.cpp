#include "popover/common/ScoreView.h"

#include "popover/common/PopoverStyle.h"

#include <QHBoxLayout>
#include <QLabel>

ScoreView::ScoreView(qint64 homeScore, qint64 awayScore, int fontSize, QWidget* parent) : QWidget(parent) {
    using namespace popoverstyle;
    auto* layout = popoverstyle::hbox(this, {}, 4);
    const auto tintOf = [](qint64 mine, qint64 other) {
        return mine > other ? Tint::primary : Tint::secondary;
    };
    layout->addWidget(
        label(QString::number(awayScore), fontSize, QFont::Bold, tintOf(awayScore, homeScore), this));
    layout->addWidget(
        label(QStringLiteral("-"), separatorSize(fontSize), QFont::Normal, Tint::secondary, this));
    layout->addWidget(
        label(QString::number(homeScore), fontSize, QFont::Bold, tintOf(homeScore, awayScore), this));
}
