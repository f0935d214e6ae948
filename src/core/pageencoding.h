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

// How the bytes of a page read back are decoded: in the page's code page, or
// as UTF-8 where a hand-edited page starts with a UTF-8 byte-order mark.
enum class PageCharset { CodePage, Utf8 };

// Which kind of box a field's text comes from. A multi-line box turns line
// and paragraph separators (and the frame marks U+FDD0, U+FDD1) into line
// breaks, so its text never reaches a page holding one of them.
enum class FieldLines { One, Many };

// The inverse of encodePageText(). A character reference becomes its character
// only where encodePageText() writes one, that is for a code point the code
// page cannot hold and the field can hold; every other reference ("&#65;",
// "&amp;", "&#x263A;", "&#8232;" in a multi-line field) is text the user
// typed and stays as it is.
[[nodiscard]] QString decodePageText(QByteArrayView bytes,
                                     PageCharset charset = PageCharset::CodePage,
                                     FieldLines lines = FieldLines::One);
