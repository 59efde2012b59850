#include "EventSlices.h"

#include <cstring>

namespace {

// Reads the structure of JSON text without decoding it. Every step checks its bounds; any byte out of
// place makes the scan fail, never guess.
class JsonScan {
public:
    explicit JsonScan(QByteArrayView text) : m_text(text) {}

    qsizetype position() const { return m_index; }
    bool atEnd() const { return m_index >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text.at(m_index); }

    void skipSpace() {
        while (!atEnd() && isSpace(m_text.at(m_index)))
            ++m_index;
    }

    bool take(char c) {
        if (peek() != c)
            return false;
        ++m_index;
        return true;
    }

    // A string without escapes; its text between the quotes.
    std::optional<QByteArrayView> plainString() {
        if (!take('"'))
            return std::nullopt;
        const qsizetype start = m_index;
        while (!atEnd() && m_text.at(m_index) != '"') {
            if (m_text.at(m_index) == '\\')
                return std::nullopt;
            ++m_index;
        }
        if (atEnd())
            return std::nullopt;
        return m_text.sliced(start, m_index++ - start);
    }

    // Past one value: a string, a bracketed value (strings inside skipped, brackets counted), or a bare
    // word or number up to the next separator.
    bool skipValue() {
        const char first = peek();
        if (first == '"')
            return skipString();
        if (first == '{' || first == '[')
            return skipBracketed();
        const qsizetype start = m_index;
        while (!atEnd() && !isSpace(peek()) && peek() != ',' && peek() != '}' && peek() != ']')
            ++m_index;
        return m_index > start;
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    bool skipString() {
        ++m_index;
        while (!atEnd()) {
            const char* from = m_text.data() + m_index;
            const auto* quote =
                static_cast<const char*>(std::memchr(from, '"', size_t(m_text.size() - m_index)));
            if (!quote)
                return false;
            // A quote preceded by an odd number of backslashes is escaped.
            qsizetype backslashes = 0;
            for (const char* p = quote; p > from && p[-1] == '\\'; --p)
                ++backslashes;
            m_index = quote - m_text.data() + 1;
            if (backslashes % 2 == 0)
                return true;
        }
        return false;
    }

    bool skipBracketed() {
        int depth = 0;
        while (!atEnd()) {
            const char c = m_text.at(m_index);
            if (c == '"') {
                if (!skipString())
                    return false;
                continue;
            }
            ++m_index;
            if (c == '{' || c == '[') {
                if (++depth > eventSliceDepthLimit)
                    return false;
            } else if (c == '}' || c == ']') {
                if (--depth == 0)
                    return true;
            }
        }
        return false;
    }

    QByteArrayView m_text;
    qsizetype m_index = 0;
};

// The elements of the array at the scan's position, up to and past its closing bracket.
std::optional<QList<QByteArrayView>> arrayElements(JsonScan& scan, QByteArrayView text) {
    QList<QByteArrayView> elements;
    if (!scan.take('['))
        return std::nullopt;
    scan.skipSpace();
    if (scan.take(']'))
        return elements;
    while (true) {
        const qsizetype start = scan.position();
        if (!scan.skipValue())
            return std::nullopt;
        elements.append(text.sliced(start, scan.position() - start));
        scan.skipSpace();
        if (scan.take(']'))
            return elements;
        if (!scan.take(','))
            return std::nullopt;
        scan.skipSpace();
    }
}

} // namespace

std::optional<EventSlices> sliceEvents(const QByteArray& body) {
    const QByteArrayView text(body);
    JsonScan scan(text);
    scan.skipSpace();
    if (!scan.take('{'))
        return std::nullopt;
    std::optional<QList<QByteArrayView>> events;
    qsizetype arrayOpen = -1;
    qsizetype arrayEnd = -1;
    scan.skipSpace();
    if (scan.take('}'))
        return std::nullopt;
    while (true) {
        scan.skipSpace();
        const std::optional<QByteArrayView> key = scan.plainString();
        if (!key)
            return std::nullopt;
        scan.skipSpace();
        if (!scan.take(':'))
            return std::nullopt;
        scan.skipSpace();
        if (*key == QByteArrayView("events")) {
            if (events || scan.peek() != '[')
                return std::nullopt;
            arrayOpen = scan.position();
            events = arrayElements(scan, text);
            if (!events)
                return std::nullopt;
            arrayEnd = scan.position();
        } else if (!scan.skipValue()) {
            return std::nullopt;
        }
        scan.skipSpace();
        if (scan.take('}'))
            break;
        if (!scan.take(','))
            return std::nullopt;
    }
    if (!events)
        return std::nullopt;
    // The array's brackets stay, its content goes.
    EventSlices slices;
    slices.rest.reserve(body.size() - (arrayEnd - arrayOpen) + 2);
    slices.rest.append(text.first(arrayOpen + 1));
    slices.rest.append(text.sliced(arrayEnd - 1));
    slices.events = std::move(*events);
    return slices;
}
