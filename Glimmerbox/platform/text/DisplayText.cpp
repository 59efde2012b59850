#include "platform/text/DisplayText.h"

#include "platform/text/BoundedText.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace {

bool breaksTheLine(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control: // tab, CR, LF, NEL and the rest of C0 and C1
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Nothing a reader would take for a letter: a space, a break, a control or an invisible format character
// (zero-width spaces and joiners, direction marks).
bool showsNothing(QChar c) {
    return c.isSpace() || breaksTheLine(c) || c.category() == QChar::Other_Format;
}

constexpr QChar ellipsis(0x2026);
constexpr QChar firstStrongIsolate(0x2068);
constexpr QChar popDirectionalIsolate(0x2069);
constexpr QChar popDirectionalFormatting(0x202C);

// What closes the embedding, override or isolate that `c` opens; nothing for any other character.
std::optional<QChar> closerOf(QChar c) {
    switch (c.unicode()) {
    case 0x202A: // left-to-right embedding
    case 0x202B: // right-to-left embedding
    case 0x202D: // left-to-right override
    case 0x202E: // right-to-left override
        return popDirectionalFormatting;
    case 0x2066: // left-to-right isolate
    case 0x2067: // right-to-left isolate
    case 0x2068: // first strong isolate
        return popDirectionalIsolate;
    default:
        return std::nullopt;
    }
}

// `text` with every embedding, override and isolate it opens closed at its end, innermost first, and every
// closing mark that closes nothing of its own left out: it would close what the text is set into. As the
// bidirectional algorithm has it, a PDF closes no isolate, and a PDI closes the embeddings inside its isolate
// too (here explicitly).
QString withDirectionsClosed(const QString& text) {
    QString closed;
    closed.reserve(text.size() + 2);
    QList<QChar> owed; // closers, innermost last
    for (const QChar c : text) {
        if (const std::optional<QChar> closer = closerOf(c)) {
            owed.append(*closer);
        } else if (c == popDirectionalFormatting) {
            if (owed.isEmpty() || owed.last() != popDirectionalFormatting)
                continue;
            owed.removeLast();
        } else if (c == popDirectionalIsolate) {
            if (!owed.contains(popDirectionalIsolate))
                continue;
            for (; owed.last() != popDirectionalIsolate; owed.removeLast())
                closed.append(owed.last());
            owed.removeLast();
        }
        closed.append(c);
    }
    for (auto it = owed.crbegin(); it != owed.crend(); ++it)
        closed.append(*it);
    return closed;
}

} // namespace

QString isolatedLine(const QString& text, qsizetype maxLength) {
    const QString line = oneLineText(text).trimmed();
    QString shown = withDirectionsClosed(line);
    // Shortened, the ellipsis and the closing marks it then needs within the length.
    qsizetype room = maxLength - 1;
    while (shown.size() > maxLength) {
        shown = withDirectionsClosed(graphemesWithin(line, room) + ellipsis);
        if (room <= 0)
            break; // the ellipsis alone
        room = std::max<qsizetype>(room - std::max<qsizetype>(shown.size() - maxLength, 1), 0);
    }
    return firstStrongIsolate + shown + popDirectionalIsolate;
}

QString oneLineText(const QString& text) {
    if (std::none_of(text.cbegin(), text.cend(), breaksTheLine))
        return text;
    QString line;
    line.reserve(text.size());
    bool inRun = false;
    for (const QChar c : text) {
        if (!breaksTheLine(c)) {
            line.append(c);
            inRun = false;
        } else if (!inRun) {
            line.append(u' ');
            inRun = true;
        }
    }
    return line;
}

QString elidedLine(const QString& text, const QFont& font, double width) {
    const QString line = oneLineText(text);
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    return metrics.elidedText(line, Qt::ElideRight, width);
}

QStringList wrappedLines(const QString& text, const QFont& font, double width, int maxLines) {
    const QString line = oneLineText(text);
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    while (lines.size() < maxLines) {
        QTextLine next = layout.createLine();
        if (!next.isValid())
            break;
        next.setLineWidth(width);
        const bool isLast = lines.size() == maxLines - 1;
        // The last line allowed takes the rest of the text, shortened.
        const int length = isLast ? int(line.size()) - next.textStart() : next.textLength();
        const QString piece = line.mid(next.textStart(), length).trimmed();
        lines.append(isLast ? elidedLine(piece, font, width) : piece);
    }
    layout.endLayout();
    return lines;
}

QString initialOf(const QString& text) {
    // Whole graphemes, so that a letter stored as several code points stays whole.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end > start; end = graphemes.toNextBoundary()) {
        if (!showsNothing(text.at(start)))
            return text.mid(start, end - start);
        start = end;
    }
    return {};
}
