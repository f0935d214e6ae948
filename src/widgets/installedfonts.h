#pragma once

#include <QString>

// Whether a font family is installed, asked without building Qt's font
// database: where fontconfig serves the fonts, it is asked directly, so the
// database can be built on another thread while the first window is made.
[[nodiscard]] bool fontFamilyInstalled(const QString &family);
