#pragma once

#include <QString>

#include <functional>

// Where the settings file Varnholt.ini is read and written for a program
// whose executable lies in programDir: beside the executable wherever the
// file there can be written. Where it cannot (a program installed for all
// users), each user gets a file in their own folder instead, copied once from
// the shipped one (the one beside the program or
// <prefix>/share/quillmark/Varnholt.ini): the config folder on Linux, the
// application-data folder on Windows. When there is none at all, the path
// beside the program, so that start-up reports it missing.
[[nodiscard]] QString settingsFileLocation(const QString &programDir);

// The program's own configuration file (Linux: ~/.config/quillmark/
// quillmark.conf), never the game's settings file.
[[nodiscard]] QString programConfigFile();

// The same with the user's config folder and the writability test given,
// for tests (as root, permission bits do not stop a write).
[[nodiscard]] QString settingsFileLocation(const QString &programDir, const QString &configDir,
                                           const std::function<bool(const QString &)> &isWritable);
