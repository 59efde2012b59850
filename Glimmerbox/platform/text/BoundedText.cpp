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

// The first run of more than maxMarksInARow extenders that starts at or after `from`, as its start and end;
// nothing when there is none.
std::optional<std::pair<qsizetype, qsizetype>> overlongRun(const QString& text, qsizetype from) {
    qsizetype runStart = -1;
    int count = 0;
    qsizetype i = from;
    while (i < text.size()) {
        char32_t c = text.at(i).unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        if (extendsCharacter(c)) {
            if (count++ == 0)
                runStart = i;
        } else if (count > maxMarksInARow) {
            return std::pair{runStart, i};
        } else {
            count = 0;
        }
        i += width;
    }
    if (count > maxMarksInARow)
        return std::pair{runStart, i};
    return std::nullopt;
}

// `text` with each run of more than maxMarksInARow extenders kept to its first maxMarksInARow.
QString withShortMarkRuns(const QString& text) {
    std::optional<std::pair<qsizetype, qsizetype>> run = overlongRun(text, 0);
    if (!run)
        return text;
    QString kept;
    qsizetype copied = 0;
    while (run) {
        // The first maxMarksInARow extenders of the run, counted by code point.
        qsizetype keepEnd = run->first;
        for (int n = 0; n < maxMarksInARow; ++n)
            keepEnd += text.at(keepEnd).isHighSurrogate() ? 2 : 1;
        kept.append(QStringView(text).sliced(copied, keepEnd - copied));
        copied = run->second;
        run = overlongRun(text, copied);
    }
    kept.append(QStringView(text).sliced(copied));
    return kept;
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
