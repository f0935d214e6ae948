#pragma once

#include "registry.h"

#include <QStringList>

// The registry where there is none: it holds only the system-information
// key, whose "PATH" value names the first system-information program found
// in the given search folders.
class PathRegistry : public Registry
{
public:
    explicit PathRegistry(QStringList searchFolders);

    // The folders of the PATH environment variable, empty entries left out.
    [[nodiscard]] static QStringList environmentFolders();
    [[nodiscard]] static QStringList programNames();
    [[nodiscard]] QString findProgram() const;

    [[nodiscard]] bool open(quint32 root, const QString &keyPath, quint32 access,
                            Handle &key) override;
    [[nodiscard]] bool query(Handle key, const QString &valueName, quint32 &type,
                             QByteArray &data) override;
    void close(Handle key) override;

private:
    QStringList m_folders;
};
