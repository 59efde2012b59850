#include "platform/text/DisplayText.h"

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

} // namespace

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
