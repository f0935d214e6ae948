#include "registrypath.h"

#include <QDir>
#include <QStandardPaths>

namespace {
constexpr Registry::Handle systemInformationKey = 1;

const QString &systemInformationKeyPath()
{
    static const QString path = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
    return path;
}
} // namespace

PathRegistry::PathRegistry(QStringList searchFolders)
    : m_folders(std::move(searchFolders))
{
    // An empty entry would mean the current folder; never start a program from there.
    m_folders.removeAll(QString());
}

QStringList PathRegistry::environmentFolders()
{
    const QString path = qEnvironmentVariable("PATH");
    return path.split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QStringList PathRegistry::programNames()
{
    return { QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
             QStringLiteral("gnome-system-monitor") };
}

QString PathRegistry::findProgram() const
{
    // findExecutable searches the whole PATH when given no folders.
    if (m_folders.isEmpty())
        return {};
    for (const QString &name : programNames()) {
        const QString found = QStandardPaths::findExecutable(name, m_folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool PathRegistry::open(quint32 root, const QString &keyPath, quint32 access, Handle &key)
{
    Q_UNUSED(access);
    key = 0;
    if (root != LocalMachine
        || keyPath.compare(systemInformationKeyPath(), Qt::CaseInsensitive) != 0)
        return false;
    key = systemInformationKey;
    return true;
}

bool PathRegistry::query(Handle key, const QString &valueName, quint32 &type, QByteArray &data)
{
    if (key != systemInformationKey
        || valueName.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return false;
    const QString program = findProgram();
    if (program.isEmpty())
        return false;
    type = TypeString;
    data = QDir::toNativeSeparators(program).toLocal8Bit();
    data.append('\0');
    return true;
}

void PathRegistry::close(Handle key)
{
    Q_UNUSED(key);
}
