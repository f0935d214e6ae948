#include "registry.h"

#include "registrypath.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#ifdef _MSC_VER
#pragma comment(lib, "advapi32.lib")
#endif

namespace {
// The predefined roots are sign-extended 32-bit values.
HKEY rootHandle(quint32 root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class WindowsRegistry : public Registry
{
public:
    bool open(quint32 root, const QString &keyPath, quint32 access, Handle &key) override
    {
        HKEY opened = nullptr;
        const QByteArray path = keyPath.toLocal8Bit();
        if (RegOpenKeyExA(rootHandle(root), path.constData(), 0, access, &opened) != ERROR_SUCCESS)
            return false;
        key = reinterpret_cast<Handle>(opened);
        return true;
    }

    bool query(Handle key, const QString &valueName, quint32 &type, QByteArray &data) override
    {
        const QByteArray name = valueName.toLocal8Bit();
        const HKEY hkey = reinterpret_cast<HKEY>(key);
        DWORD valueType = 0;
        DWORD size = 0;
        if (RegQueryValueExA(hkey, name.constData(), nullptr, &valueType, nullptr, &size)
            != ERROR_SUCCESS)
            return false;
        // The value may grow between the two calls; try again a few times.
        for (int attempt = 0; attempt < 3; ++attempt) {
            data.resize(qsizetype(size));
            const LONG rc = RegQueryValueExA(hkey, name.constData(), nullptr, &valueType,
                                             reinterpret_cast<LPBYTE>(data.data()), &size);
            if (rc == ERROR_SUCCESS) {
                data.resize(qsizetype(size));
                type = valueType;
                return true;
            }
            if (rc != ERROR_MORE_DATA)
                return false;
        }
        return false;
    }

    void close(Handle key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};
} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

#else

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<PathRegistry>(PathRegistry::environmentFolders());
}

#endif
