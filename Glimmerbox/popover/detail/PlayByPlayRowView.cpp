#include "popover/detail/PlayByPlayRowView.h"

#include "platform/text/IconFont.h"
#include "popover/common/PopoverStyle.h"
#include "popover/detail/PlayPresentation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The play's symbol on a circle, tinted for scoring plays.
class PlayIcon : public QWidget {
public:
    PlayIcon(QString symbol, bool isScoring, QWidget* parent)
        : QWidget(parent), m_symbol(std::move(symbol)), m_isScoring(isScoring) {
        setFixedSize(28, 28);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        using popoverstyle::color;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_isScoring ? color(Tint::accent, palette(), 0.15)
                                     : color(Tint::secondary, palette(), 0.1));
        painter.drawEllipse(rect());
        const int glyph = PlayByPlayRowView::symbolSize;
        const QPixmap pixmap =
            iconfont::pixmap(m_symbol, color(m_isScoring ? Tint::accent : Tint::secondary, palette()), glyph,
                             devicePixelRatioF());
        painter.drawPixmap((width() - glyph) / 2, (height() - glyph) / 2, pixmap);
    }

private:
    QString m_symbol;
    bool m_isScoring;
};

} // namespace

PlayByPlayRowView::PlayByPlayRowView(const PlayByPlayEvent& play, QWidget* parent)
    : QWidget(parent), m_isKeyPlay(play.isKeyPlay) {
    using namespace popoverstyle;
    const PlayPresentation shown = PlayPresentation::of(play);
    auto* layout = popoverstyle::hbox(this, QMargins(12, 8, 12, 8), 10);
    layout->addWidget(new PlayIcon(shown.symbol, play.isScoring, this), 0, Qt::AlignTop);

    auto* details = new QVBoxLayout;
    details->setSpacing(2);
    details->addWidget(paragraph(play.description, caption, QFont::Normal, Tint::primary, this));
    auto* meta = new QHBoxLayout;
    meta->setSpacing(6);
    meta->addWidget(label(shown.periodText, caption2, QFont::Normal, Tint::secondary, this));
    if (shown.team) {
        meta->addWidget(label(QStringLiteral("·"), body, QFont::Normal, Tint::secondary, this));
        meta->addWidget(label(*shown.team, caption2, QFont::Normal, Tint::secondary, this));
    }
    meta->addStretch();
    if (shown.score)
        meta->addWidget(heldTo(label(*shown.score, caption2, QFont::DemiBold, Tint::primary, this)));
    details->addLayout(meta);
    layout->addLayout(details, 1);
}

void PlayByPlayRowView::paintEvent(QPaintEvent*) {
    if (!m_isKeyPlay)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), popoverstyle::color(Tint::accent, palette(), 0.04));
}
