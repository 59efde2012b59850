#include "popover/common/LoadingView.h"

#include "popover/common/PopoverStyle.h"
#include "popover/common/SpinnerView.h"

#include <QLabel>
#include <QVBoxLayout>

LoadingView::LoadingView(const QString& message, QWidget* parent) : QWidget(parent) {
    auto* layout = popoverstyle::vbox(this, QMargins(16, 16, 16, 16), 12);
    layout->addStretch();
    layout->addWidget(new SpinnerView(20, this), 0, Qt::AlignHCenter);
    layout->addWidget(
        popoverstyle::label(message, popoverstyle::caption, QFont::Normal, Tint::secondary, this), 0,
        Qt::AlignHCenter);
    layout->addStretch();
}
