#include "notch/panels/IdlePanel.h"

#include "notch/panels/OverlayStyle.h"

#include "platform/text/PixelFont.h"

#include <QPainter>
#include <QVBoxLayout>

IdlePanel::IdlePanel(AppState& appState, UserPreferences& preferences, Clock& clock,
                     GamePickerView::Select selectGame, ModifierInput modifiers, QWidget* parent)
    : QWidget(parent), m_picker(new GamePickerView(appState, preferences, clock, std::move(selectGame),
                                                   std::move(modifiers))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, headerHeight, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picker);
    connect(m_picker, &GamePickerView::contentHeightChanged, this, [this] { updateGeometry(); });
}

QSize IdlePanel::sizeHint() const {
    return {panelWidth, headerHeight + m_picker->sizeHint().height()};
}

void IdlePanel::paintEvent(QPaintEvent*) {
    using namespace overlaystyle;
    using namespace overlay_colors;
    QPainter painter(this);
    constexpr double paddingX = 16;
    const double centreY = headerHeight / 2.0;
    drawSymbol(painter, QRectF(paddingX, centreY - 6, 12, 12), QStringLiteral("sportscourt.fill"), 10,
               white(0.5));
    drawLine(painter, QRectF(paddingX + 12 + 6, 0, width() - 2 * paddingX - 18, headerHeight),
             QStringLiteral("Games"), pixelFont(12, QFont::DemiBold), white(0.7));
}
