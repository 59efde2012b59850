#include "AboutView.h"

#include "BuildInfo.h"
#include "app/Tagline.h"

#include <QDate>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "platform/text/TextLabel.h"

namespace {

constexpr int iconSize = 96;
constexpr qreal iconCornerRadius = 20;

// The application icon, clipped to a rounded square.
QPixmap roundedIcon(qreal dpr) {
    QPixmap pixmap(QSize(iconSize, iconSize) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, iconSize, iconSize), iconCornerRadius, iconCornerRadius);
    painter.setClipPath(clip);
    QIcon::fromTheme(QStringLiteral("glimmerbox"), QIcon(QStringLiteral(":/glimmerbox/icons/glimmerbox.svg")))
        .paint(&painter, QRect(0, 0, iconSize, iconSize));
    return pixmap;
}

} // namespace

AboutView::AboutView(QWidget* parent)
    : AboutView(QString::fromLatin1(BuildInfo::version), QString::fromLatin1(BuildInfo::buildNumber),
                parent) {}

AboutView::AboutView(const QString& appVersion, const QString& buildNumber, QWidget* parent)
    : QWidget(parent), m_appVersion(appVersion.isEmpty() ? QStringLiteral("1.0.0") : appVersion),
      m_buildNumber(buildNumber.isEmpty() ? QStringLiteral("1") : buildNumber) {
    setFixedSize(viewWidth, viewHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->setSpacing(16);
    layout->setAlignment(Qt::AlignHCenter);

    auto* icon = new QLabel(this);
    icon->setPixmap(roundedIcon(devicePixelRatioF()));
    icon->setFixedSize(iconSize, iconSize);
    auto* shadow = new QGraphicsDropShadowEffect(icon);
    shadow->setColor(QColor(0, 0, 0, 38));
    shadow->setBlurRadius(12);
    shadow->setOffset(0, 3);
    icon->setGraphicsEffect(shadow);
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    layout->addWidget(makeCentredLabel(QStringLiteral("Glimmerbox"), 22, true, TextTone::primary, this));
    layout->addWidget(makeCentredLabel(versionText(), 13, false, TextTone::secondary, this));

    QLabel* taglineLabel =
        makeCentredLabel(tagline::scores + u'\n' + tagline::manner, 11, false, TextTone::secondary, this);
    taglineLabel->setMaximumWidth(260);
    layout->addWidget(taglineLabel, 0, Qt::AlignHCenter);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setFixedWidth(200);
    layout->addWidget(divider, 0, Qt::AlignHCenter);

    layout->addWidget(makeCentredLabel(
        QStringLiteral("© %1 Glimmerbox. All rights reserved.").arg(QDate::currentDate().year()), 10, false,
        TextTone::secondary, this));
}

QString AboutView::versionText() const {
    return QStringLiteral("Version %1 (%2)").arg(m_appVersion, m_buildNumber);
}
