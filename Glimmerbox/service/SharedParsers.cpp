#include "SharedParsers.h"

#include <algorithm>
#include <string_view>

namespace {

// Reads the fixed-width parts of the service's time stamps left to right; every read checks its bounds.
class DateText {
public:
    explicit DateText(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_index == m_text.size(); }

    bool literal(char16_t c) {
        if (m_index >= m_text.size() || m_text.at(m_index) != c)
            return false;
        ++m_index;
        return true;
    }

    // Exactly `count` ASCII digits.
    std::optional<int> digits(int count) {
        if (m_text.size() - m_index < count)
            return std::nullopt;
        int value = 0;
        for (int i = 0; i < count; ++i) {
            const char16_t c = m_text.at(m_index + i).unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c - u'0');
        }
        m_index += count;
        return value;
    }

    // One or more digits of a fraction of a second, as milliseconds (further digits are truncated).
    std::optional<int> fractionMilliseconds() {
        int milliseconds = 0;
        int read = 0;
        while (m_index < m_text.size()) {
            const char16_t c = m_text.at(m_index).unicode();
            if (c < u'0' || c > u'9')
                break;
            if (read < 3)
                milliseconds = milliseconds * 10 + (c - u'0');
            ++read;
            ++m_index;
        }
        if (read == 0)
            return std::nullopt;
        for (int i = read; i < 3; ++i)
            milliseconds *= 10;
        return milliseconds;
    }

    // "Z", or a sign with hours and, when `colonOnly` is false, optional minutes with or without a colon;
    // with `colonOnly` the minutes and their colon are required. The offset in seconds east of UTC.
    std::optional<int> zone(bool colonOnly) {
        if (literal(u'Z'))
            return 0;
        int sign = 0;
        if (literal(u'+'))
            sign = 1;
        else if (literal(u'-'))
            sign = -1;
        else
            return std::nullopt;
        const std::optional<int> hours = digits(2);
        if (!hours || *hours > 23)
            return std::nullopt;
        int minutes = 0;
        const bool colon = literal(u':');
        if (colon || colonOnly || !atEnd()) {
            if (colonOnly && !colon)
                return std::nullopt;
            const std::optional<int> read = digits(2);
            if (!read || *read > 59)
                return std::nullopt;
            minutes = *read;
        }
        return sign * (*hours * 3600 + minutes * 60);
    }

private:
    QStringView m_text;
    qsizetype m_index = 0;
};

enum class DateForm { fractionalSecondsWithZone, secondsWithZone, minutesWithZone, secondsWithoutZone };

std::optional<QDateTime> parseForm(QStringView text, DateForm form) {
    DateText reader(text);
    const std::optional<int> year = reader.digits(4);
    if (!year || !reader.literal(u'-'))
        return std::nullopt;
    const std::optional<int> month = reader.digits(2);
    if (!month || !reader.literal(u'-'))
        return std::nullopt;
    const std::optional<int> day = reader.digits(2);
    if (!day || !reader.literal(u'T'))
        return std::nullopt;
    const std::optional<int> hour = reader.digits(2);
    if (!hour || !reader.literal(u':'))
        return std::nullopt;
    const std::optional<int> minute = reader.digits(2);
    if (!minute)
        return std::nullopt;

    int second = 0;
    int millisecond = 0;
    if (form != DateForm::minutesWithZone) {
        const std::optional<int> read = reader.literal(u':') ? reader.digits(2) : std::nullopt;
        if (!read)
            return std::nullopt;
        second = *read;
    }
    if (form == DateForm::fractionalSecondsWithZone) {
        const std::optional<int> read = reader.literal(u'.') ? reader.fractionMilliseconds() : std::nullopt;
        if (!read)
            return std::nullopt;
        millisecond = *read;
    }
    int offset = 0;
    if (form != DateForm::secondsWithoutZone) {
        const std::optional<int> read = reader.zone(form != DateForm::minutesWithZone);
        if (!read)
            return std::nullopt;
        offset = *read;
    }
    if (!reader.atEnd())
        return std::nullopt;

    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, second, millisecond);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC).addSecs(-offset);
}

// The rules read the status texts in lower case. These are short ASCII from the service, and are lowered
// on the stack; any other text is lowered in full, as Unicode has it.
class LowerText {
public:
    explicit LowerText(QStringView text) {
        m_ascii = text.size() <= qsizetype(sizeof(m_buffer)) &&
                  std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (m_ascii) {
            std::transform(text.begin(), text.end(), m_buffer, [](QChar c) {
                const char ascii = char(c.unicode());
                return ascii >= 'A' && ascii <= 'Z' ? char(ascii - 'A' + 'a') : ascii;
            });
            m_view = std::string_view(m_buffer, size_t(text.size()));
        } else {
            m_lowered = text.toString().toLower();
        }
    }
    // The view points into the object's own buffer.
    LowerText(const LowerText&) = delete;
    LowerText& operator=(const LowerText&) = delete;

    bool equals(std::string_view lower) const {
        return m_ascii ? m_view == lower : m_lowered == toLatin1(lower);
    }
    bool contains(std::string_view lower) const {
        return m_ascii ? m_view.find(lower) != std::string_view::npos : m_lowered.contains(toLatin1(lower));
    }

private:
    static QLatin1StringView toLatin1(std::string_view text) {
        return QLatin1StringView(text.data(), text.size());
    }

    bool m_ascii = false;
    char m_buffer[64];
    std::string_view m_view;
    QString m_lowered;
};

} // namespace

std::optional<QDateTime> parseDate(QStringView text) {
    for (DateForm form : {DateForm::fractionalSecondsWithZone, DateForm::secondsWithZone,
                          DateForm::minutesWithZone, DateForm::secondsWithoutZone}) {
        if (std::optional<QDateTime> date = parseForm(text, form))
            return date;
    }
    return std::nullopt;
}

GameStatus mapGameStatus(QStringView state, std::optional<QStringView> detail) {
    const LowerText lowerState(state);
    if (lowerState.equals("in")) {
        if (!detail)
            return GameStatus::inProgress;
        const LowerText lowerDetail(*detail);
        if (lowerDetail.contains("halftime") || lowerDetail.contains("half time"))
            return GameStatus::halftime;
        if (lowerDetail.contains("end of") || lowerDetail.contains("intermission"))
            return GameStatus::endOfPeriod;
        return GameStatus::inProgress;
    }
    if (lowerState.equals("post"))
        return GameStatus::final_;
    return GameStatus::scheduled;
}
