#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// True when the whole text is one number as the size boxes accept it: an
// optional sign, digits with at most one decimal separator of the locale, and
// an optional exponent. Blanks, group separators and anything else fail.
[[nodiscard]] bool isValidNumber(const QString &text, const QLocale &locale = QLocale());

// The number in text when the number test accepts the whole text, read with
// the same locale; what "Create Files" checks for even whole numbers.
[[nodiscard]] std::optional<double> acceptedNumber(const QString &text,
                                                   const QLocale &locale = QLocale());

// The value of the longest leading part of the text that reads as a number
// with "." as the decimal point; 0 when the text does not start with one.
[[nodiscard]] double numericValue(const QString &text);
