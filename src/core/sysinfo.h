#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class Prompter;
class Registry;

// Everything finding and starting the system information tool touches,
// so it can be replaced in tests.
struct SysInfoServices
{
    std::shared_ptr<Registry> registry;
    std::function<bool(const QString &path)> fileExists;
    // Starts the program as a new process without waiting for it.
    std::function<bool(const QString &program)> startProgram;

    // The system registry, the file system and detached processes.
    [[nodiscard]] static SysInfoServices system();
};

// The largest value read from the registry, in bytes.
inline constexpr qsizetype keyValueLimit = 1024;

// Turns a registry value's raw bytes into text by its type. A string keeps
// all its bytes except a terminating zero; a 32-bit number becomes "&h" and
// its upper-case hexadecimal digits; any other type leaves the value as it
// was. Data over the limit fails and empties the value.
[[nodiscard]] bool decodeKeyValue(quint32 type, const QByteArray &bytes, QString &value);

// Reads one value of a key opened for reading only. On any failure the
// value is emptied and false returned.
[[nodiscard]] bool GetKeyValue(Registry &registry, quint32 rootKey, const QString &keyPath,
                               const QString &valueName, QString &value);

// Finds the system information tool in the registry and starts it; true
// when it was started.
[[nodiscard]] bool launchSysInfo(const SysInfoServices &services);

// launchSysInfo, telling the user when the tool could not be started.
void StartSysInfo(const SysInfoServices &services, Prompter &prompter);
