#include "PlayByPlayView.h"

#include "EmptyTabText.h"
#include "LazyRowList.h"
#include "PlayByPlayRowView.h"
#include "PopoverStyle.h"

#include <QVBoxLayout>

PlayByPlayView::PlayByPlayView(const QList<PlayByPlayEvent>& plays, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (plays.isEmpty()) {
        layout->addWidget(emptyTabText(QStringLiteral("No plays available"), this));
        layout->addStretch();
        return;
    }
    layout->addWidget(new LazyRowList(static_cast<int>(plays.size()), [plays](int index, QWidget* rowParent) {
        auto* row = new QWidget(rowParent);
        auto* rowLayout = new QVBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(0);
        rowLayout->addWidget(new PlayByPlayRowView(plays.at(index), row));
        rowLayout->addWidget(popoverstyle::divider(row, 44));
        return row;
    }));
}
