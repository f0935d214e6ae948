#include "numbertest.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The first byte picks the locale, so decimal commas and other group
// separators are exercised as well as the C locale's.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Hindi, QLocale::India),
    };
    const QLocale &locale = locales[data[0] % std::size(locales)];
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const bool valid = isValidNumber(text, locale);
    const double value = numericValue(text);
    if (std::isnan(value))
        std::abort();
    // Nothing that reads as a number can be blank.
    if (valid && text.trimmed().isEmpty())
        std::abort();
    // Plain digits are a number in every locale and are their own value.
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,15}")));
    if (digits.match(text).hasMatch()) {
        if (!isValidNumber(text, QLocale::c()) || value != text.toDouble())
            std::abort();
    }
    return 0;
}
