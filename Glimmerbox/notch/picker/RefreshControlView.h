#pragma once

#include "notch/picker/RefreshControlModel.h"

#include "platform/time/AnimationDriver.h"
#include "platform/time/SpinnerTicker.h"
#include "platform/time/Spring.h"

#include <QWidget>

// The picker's top bar: the hover-to-refresh control centred in it. Only the control itself (60 x 22)
// counts as hovered.
class RefreshControlView : public QWidget {
    Q_OBJECT
public:
    static constexpr int controlWidth = 60;
    static constexpr int controlHeight = 22;
    static constexpr int barPaddingY = 4;
    static constexpr SpringSpec tickSpring{0.08, 1.0};     // follows each 0.05 s step
    static constexpr SpringSpec easeBackSpring{0.15, 1.0}; // the fill shrinking back after a leave

    RefreshControlView(RefreshControlModel& model, Clock& clock, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {380, controlHeight + 2 * barPaddingY}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QRectF controlRect() const;
    double fillFraction() const;
    void setPointerOver(bool over);
    void progressChanged(double progress, RefreshControlModel::ProgressMotion motion);

    RefreshControlModel& m_model;
    Clock& m_clock;
    AnimationDriver m_driver;
    Spring m_fill;
    SpinnerTicker m_spinner{this, m_clock};
    bool m_pointerOver = false;
};
