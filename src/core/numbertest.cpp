#include "numbertest.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the leading run of digits from pos.
qsizetype digitRun(QStringView text, qsizetype pos)
{
    qsizetype end = pos;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - pos;
}

bool startsWithAt(QStringView text, qsizetype pos, const QString &token)
{
    return !token.isEmpty() && text.mid(pos).startsWith(token);
}

// Length of a leading sign at pos: ASCII or the locale's own sign, 0 if none.
qsizetype signLength(QStringView text, qsizetype pos, const QLocale &locale)
{
    if (pos >= text.size())
        return 0;
    if (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))
        return 1;
    for (const QString &sign : { locale.negativeSign(), locale.positiveSign() }) {
        if (startsWithAt(text, pos, sign))
            return sign.size();
    }
    return 0;
}

// The power of ten of the first non-zero digit of an ASCII number such as
// "000.0012e-5", saturated far beyond any double's range.
long long leadingDigitPower(const std::string &number)
{
    const auto e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    long long power = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    if (e != std::string::npos) {
        long long exponent = 0;
        const bool negative = number[e + 1] == '-';
        for (std::size_t i = e + 1; i < number.size(); ++i) {
            if (number[i] >= '0' && number[i] <= '9')
                exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000'000LL);
        }
        power += negative ? -exponent : exponent;
    }
    return power;
}

} // namespace

bool isValidNumber(const QString &text, const QLocale &locale)
{
    const QStringView s(text);
    const QString point = locale.decimalPoint();
    qsizetype pos = signLength(s, 0, locale);

    const qsizetype whole = digitRun(s, pos);
    pos += whole;
    qsizetype fraction = 0;
    if (startsWithAt(s, pos, point)) {
        pos += point.size();
        fraction = digitRun(s, pos);
        pos += fraction;
    }
    if (whole + fraction == 0)
        return false;

    if (pos < s.size() && (s[pos] == QLatin1Char('e') || s[pos] == QLatin1Char('E'))) {
        ++pos;
        pos += signLength(s, pos, locale);
        const qsizetype exponent = digitRun(s, pos);
        if (exponent == 0)
            return false;
        pos += exponent;
    }
    return pos == s.size();
}

std::optional<double> acceptedNumber(const QString &text, const QLocale &locale)
{
    if (!isValidNumber(text, locale))
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double numericValue(const QString &text)
{
    const QStringView s(text);
    qsizetype pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == QLatin1Char('+') || s[pos] == QLatin1Char('-'))) {
        negative = s[pos] == QLatin1Char('-');
        ++pos;
    }
    const qsizetype mantissaStart = pos;
    const qsizetype whole = digitRun(s, pos);
    pos += whole;
    qsizetype fraction = 0;
    if (pos < s.size() && s[pos] == QLatin1Char('.')) {
        fraction = digitRun(s, pos + 1);
        if (whole + fraction > 0)
            pos += 1 + fraction;
    }
    if (whole + fraction == 0)
        return 0.0;

    // The exponent counts only when at least one digit follows it.
    qsizetype end = pos;
    if (pos < s.size() && (s[pos] == QLatin1Char('e') || s[pos] == QLatin1Char('E'))) {
        qsizetype epos = pos + 1;
        if (epos < s.size() && (s[epos] == QLatin1Char('+') || s[epos] == QLatin1Char('-')))
            ++epos;
        const qsizetype exponent = digitRun(s, epos);
        if (exponent > 0)
            end = epos + exponent;
    }

    // Everything in [mantissaStart, end) is ASCII, so Latin-1 is exact; from_chars
    // ignores the process locale, unlike strtod.
    const std::string number = s.mid(mantissaStart, end - mantissaStart).toLatin1().toStdString();
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: saturate the way a reader of the
        // text would expect, by where the first significant digit stands.
        value = leadingDigitPower(number) > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}
