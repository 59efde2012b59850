#include "PlayByPlayView.h"

#include "EmptyTabText.h"
#include "LazyRowList.h"
#include "PlayByPlayRowView.h"
#include "PopoverStyle.h"

#include <QVBoxLayout>

PlayByPlayView::PlayByPlayView(const QList<PlayByPlayEvent>& plays, QWidget* parent) : QWidget(parent) {
    auto* layout = popoverstyle::vbox(this, {});
    if (plays.isEmpty()) {
        layout->addWidget(emptyTabText(QStringLiteral("No plays available"), this));
        layout->addStretch();
        return;
    }
    layout->addWidget(new LazyRowList(static_cast<int>(plays.size()), [plays](int index, QWidget* rowParent) {
        auto* row = new QWidget(rowParent);
        auto* rowLayout = popoverstyle::vbox(row, {}, 0);
        rowLayout->addWidget(new PlayByPlayRowView(plays.at(index), row));
        rowLayout->addWidget(popoverstyle::divider(row, 44));
        return row;
    }));
}
