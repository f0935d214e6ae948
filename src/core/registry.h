#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The three registry calls the about window needs, in the shape of the
// system's open/query/close functions: raw bytes and the value's type come
// back unchanged, and decoding them is left to the caller.
class Registry
{
public:
    using Handle = quintptr;

    static constexpr quint32 LocalMachine = 0x80000002u;
    // Standard read right with query value, enumerate subkeys and notify.
    static constexpr quint32 KeyRead = 0x20019u;
    static constexpr quint32 TypeString = 1;
    static constexpr quint32 TypeNumber = 4;

    virtual ~Registry() = default;

    [[nodiscard]] virtual bool open(quint32 root, const QString &keyPath, quint32 access,
                                    Handle &key)
        = 0;
    // Fills the value's type and all its bytes; false when there is no such value.
    [[nodiscard]] virtual bool query(Handle key, const QString &valueName, quint32 &type,
                                     QByteArray &data)
        = 0;
    virtual void close(Handle key) = 0;
};

// The system registry on Windows; elsewhere the PATH-based stand-in.
[[nodiscard]] std::unique_ptr<Registry> makeSystemRegistry();
