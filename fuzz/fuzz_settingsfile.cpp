#include "settingsfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)lastSettingsField(file);

    // Whatever folder the program writes, one quoted path and CR LF, it
    // reads back whole: commas, leading spaces and all.
    const QString folder = QString::fromUtf8(file);
    if (!folder.contains(u'"') && !folder.contains(u'\r') && !folder.contains(u'\n')) {
        if (lastSettingsField(settingsFileBytes(folder)) != folder)
            std::abort();
    }
    return 0;
}
