#include "PickerHostPanel.h"

#include "OverlayNotifications.h"
#include "OverlayStyle.h"

#include <QPainter>
#include <QVBoxLayout>

PickerHostPanel::PickerHostPanel(Kind kind, AppState& appState, UserPreferences& preferences, Clock& clock,
                                 GamePickerView::Select selectGame, OverlayNotificationCenter& center,
                                 ModifierWatch::Query modifiers, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_center(center),
      m_picker(
          new GamePickerView(appState, preferences, clock, std::move(selectGame), std::move(modifiers))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, headerHeight(), 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picker);
    connect(m_picker, &GamePickerView::contentHeightChanged, this, [this] {
        updateGeometry();
        emit contentHeightChanged();
    });
}

QSize PickerHostPanel::sizeHint() const {
    return {panelWidth, headerHeight() + m_picker->sizeHint().height()};
}

void PickerHostPanel::paintEvent(QPaintEvent*) {
    using namespace overlaystyle;
    using namespace overlay_colors;
    QPainter painter(this);
    if (m_kind == Kind::jumbo) {
        painter.fillRect(QRectF(12, 0, width() - 24, 0.5), white(0.1));
        return;
    }
    constexpr double paddingX = 16;
    const double centreY = idleHeaderHeight / 2.0;
    drawSymbol(painter, QRectF(paddingX, centreY - 6, 12, 12), QStringLiteral("sportscourt.fill"), 10,
               white(0.5));
    drawLine(painter, QRectF(paddingX + 12 + 6, 0, width() - 2 * paddingX - 18, idleHeaderHeight),
             QStringLiteral("Games"), overlayFont(12, QFont::DemiBold), white(0.7));
}

void PickerHostPanel::showEvent(QShowEvent*) {
    m_center.postSetInteractive(true);
}

void PickerHostPanel::hideEvent(QHideEvent*) {
    m_center.postSetInteractive(false);
}
