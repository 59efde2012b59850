#include "popover/detail/PlayByPlayView.h"

#include "popover/common/PopoverStyle.h"
#include "popover/detail/LazyRowList.h"
#include "popover/detail/PlayByPlayRowView.h"

#include <QVBoxLayout>

PlayByPlayView::PlayByPlayView(const QList<PlayByPlayEvent>& plays, QWidget* parent) : QWidget(parent) {
    addRowsOrEmptyText(
        popoverstyle::vbox(this, {}), static_cast<int>(plays.size()),
        [plays](int index, QWidget* rowParent) {
            auto* row = new QWidget(rowParent);
            auto* rowLayout = popoverstyle::vbox(row, {}, 0);
            rowLayout->addWidget(new PlayByPlayRowView(plays.at(index), row));
            rowLayout->addWidget(popoverstyle::divider(row, 44));
            return row;
        },
        QStringLiteral("No plays available"));
}
