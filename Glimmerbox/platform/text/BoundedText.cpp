#include "platform/text/BoundedText.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>

namespace {

// Combining marks, and what extends the character before it the same way: the zero-width joiner and
// non-joiner and the emoji skin tones.
bool extendsCharacter(char32_t c) {
    return QChar::isMark(c) || c == 0x200C || c == 0x200D || (c >= 0x1F3FB && c <= 0x1F3FF);
}

// Below U+0300 there are no marks, joiners or skin tones: a text of such characters needs no closer look.
bool hasOnlyEarlyCharacters(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}

// `text` with each run of more than maxMarksInARow extenders kept to its first maxMarksInARow, counted by
// code point; `text` itself when no run is that long.
QString withShortMarkRuns(const QString& text) {
    QString kept;
    bool dropped = false; // once an extender has been left out, the rest is copied into `kept`
    int run = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text.at(i).unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        run = extendsCharacter(c) ? run + 1 : 0;
        if (run > maxMarksInARow) {
            if (!std::exchange(dropped, true))
                kept = text.left(i);
        } else if (dropped) {
            kept.append(QStringView(text).sliced(i, width));
        }
        i += width;
    }
    return dropped ? kept : text;
}

} // namespace

QString graphemesWithin(const QString& text, qsizetype maxLength) {
    if (text.size() <= maxLength)
        return text;
    if (maxLength <= 0)
        return {};
    // Whether a boundary falls at maxLength depends only on what comes before it and the character there,
    // so the finder needs no more of a long text than that.
    const qsizetype seen = std::min(text.size(), maxLength + 2);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.constData(), seen);
    graphemes.setPosition(maxLength);
    const qsizetype end = graphemes.isAtBoundary() ? maxLength : graphemes.toPreviousBoundary();
    return text.left(std::max<qsizetype>(end, 0));
}

std::optional<QString> boundedText(const QString& text, TextBound bound) {
    if (text.size() <= bound.maxLength && hasOnlyEarlyCharacters(text))
        return text;
    QString kept = withShortMarkRuns(text);
    if (kept.size() <= bound.maxLength)
        return kept;
    switch (bound.overlong) {
    case TextBound::Overlong::refuse:
        return std::nullopt;
    case TextBound::Overlong::cutWithEllipsis:
        return graphemesWithin(kept, bound.maxLength - 1) + QChar(0x2026);
    case TextBound::Overlong::cut:
        break;
    }
    return graphemesWithin(kept, bound.maxLength);
}
