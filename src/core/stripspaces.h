#pragma once

#include <QString>

// The text without its plain spaces (U+0020); other white space stays.
[[nodiscard]] QString StripSpaces(const QString &text);
