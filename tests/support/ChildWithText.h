#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <type_traits>

// The first `Widget` below `root` whose text (a group box's title) is `text`; null when there is none.
template <typename Widget>
Widget* childWithText(const QWidget& root, const QString& text) {
    for (Widget* widget : root.findChildren<Widget*>()) {
        if constexpr (std::is_base_of_v<QGroupBox, Widget>) {
            if (widget->title() == text)
                return widget;
        } else if (widget->text() == text) {
            return widget;
        }
    }
    return nullptr;
}

// The texts of the labels that `root` shows, in the order they were made.
inline QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&root) && !label->text().isEmpty())
            texts.append(label->text());
    }
    return texts;
}
