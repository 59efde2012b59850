#pragma once

#include <QChar>
#include <QString>

// `count` combining marks, the diacritics U+0300 to U+036F in turn: what a hostile name stacks on its
// letters.
inline QString combiningMarks(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(0x300 + i % 0x70));
    return text;
}
