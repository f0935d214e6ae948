#pragma once

#include "atomicwrite.h"

#include <QByteArray>
#include <QString>

// The settings file remembers the last mission folder between runs: one line,
// the folder in double quotes, in the system's 8-bit encoding.

struct SettingsRead
{
    bool ok = false; // false only when the file could not be opened and read
    QString value; // the last field of the file, empty if it holds none
    QString error; // why it could not be read
};

// Fields are separated by commas or line ends; spaces before a field are
// skipped; a field that starts with a double quote runs to the next double
// quote (commas inside belong to it). Only the last field counts.
[[nodiscard]] QString lastSettingsField(const QByteArray &content);

// The written form has no escape: a double quote in the folder would end the
// field early and a line break would start a new one, so that the next start
// could read another, existing folder.
[[nodiscard]] bool settingsCanHold(const QString &folder);

[[nodiscard]] QByteArray settingsFileBytes(const QString &folder);

[[nodiscard]] SettingsRead readSettingsFile(const QString &iniPath);
[[nodiscard]] WriteResult writeSettingsFile(const QString &iniPath, const QString &folder);
