#pragma once

#include <QString>

// The version the program reports: major, minor and revision, as in "2.0.0".
[[nodiscard]] inline QString programVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(QUILLMARK_VERSION_MAJOR)
        .arg(QUILLMARK_VERSION_MINOR)
        .arg(QUILLMARK_VERSION_TWEAK);
}
