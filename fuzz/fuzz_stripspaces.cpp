#include "stripspaces.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString in = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString out = StripSpaces(in);

    // Every character but U+0020 survives, in order, and nothing is added.
    qsizetype j = 0;
    for (const QChar c : in) {
        if (c == u' ')
            continue;
        if (j >= out.size() || out.at(j) != c)
            std::abort();
        ++j;
    }
    if (j != out.size())
        std::abort();
    return 0;
}
