#pragma once

#include "notch/picker/PickerSections.h"

#include <QWidget>

// The header of one picker section: its mark, its title, a live dot for a league with a live game and the
// count badge; under the Pinned header, the hint on pinning.
class PickerSectionHeader : public QWidget {
    Q_OBJECT
public:
    static constexpr int headerHeight = 30;
    static constexpr int hintHeight = 17;

    explicit PickerSectionHeader(const PickerSection& section, QWidget* parent = nullptr);

    void setSection(const PickerSection& section);
    // The header's height for a section of this kind, before it is built.
    static int heightFor(PickerSection::Kind kind);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title() const;

    PickerSection::Kind m_kind;
    std::optional<League> m_league;
    int m_badgeCount;
    bool m_showsLiveDot;
};

// The hairline after each section.
class PickerSeparator : public QWidget {
    Q_OBJECT
public:
    explicit PickerSeparator(QWidget* parent = nullptr) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    // 4 above the line, the line, and the 2 between sections.
    static constexpr int separatorHeight = 7;
    QSize sizeHint() const override { return {380, separatorHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
