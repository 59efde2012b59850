#include "popover/detail/DetailTabBar.h"

#include "popover/common/PopoverStyle.h"

#include "platform/text/PixelFont.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

namespace {

class TabButton : public QWidget {
public:
    TabButton(DetailTab tab, bool selected, std::function<void(DetailTab)> choose, QWidget* parent)
        : QWidget(parent), m_tab(tab), m_selected(selected), m_choose(std::move(choose)) {
        setFont(pixelFont(popoverstyle::subheadline, selected ? QFont::DemiBold : QFont::Normal));
        setFixedHeight(fontMetrics().height() + 4 + 2 + 8);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const Tint tint = m_selected ? Tint::accent : Tint::secondary;
        painter.setPen(popoverstyle::color(tint, palette()));
        const QRect text(0, 4, width(), fontMetrics().height());
        painter.drawText(text, Qt::AlignCenter, title(m_tab));
        if (m_selected)
            painter.fillRect(QRect(0, text.bottom() + 5, width(), 2),
                             popoverstyle::color(Tint::accent, palette()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_choose(m_tab);
    }

private:
    DetailTab m_tab;
    bool m_selected;
    std::function<void(DetailTab)> m_choose;
};

} // namespace

DetailTabBar::DetailTabBar(DetailTab selected, QWidget* parent) : QWidget(parent) {
    auto* layout = popoverstyle::hbox(this, QMargins(16, 0, 16, 0), 0);
    for (DetailTab tab : allDetailTabs())
        layout->addWidget(
            new TabButton(
                tab, tab == selected, [this](DetailTab chosen) { emit tabSelected(chosen); }, this),
            1);
}
