#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The pages are text in the system's 8-bit code page: the ANSI code page on
// Windows, windows-1250 (the charset the pages declare) elsewhere. A character
// the code page cannot hold becomes a decimal character reference such as
// "&#9731;", one per code point, so nothing typed is lost or turned into "?".
[[nodiscard]] QByteArray encodePageText(QStringView text);

// Appends the encoded text to out, as encodePageText() would produce it.
void appendPageText(QByteArray &out, QStringView text);

// True when the page holds the code point as a character of its code page;
// false when it carries it as a character reference instead.
[[nodiscard]] bool pageCanHold(char32_t codePoint);

// The page's bytes read back as text in the same code page; character
// references stay as written.
[[nodiscard]] QString decodePageText(QByteArrayView bytes);
