#include "sysinfo.h"

#include "prompter.h"
#include "registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <exception>

SysInfoServices SysInfoServices::system()
{
    SysInfoServices services;
    services.registry = makeSystemRegistry();
    services.fileExists = [](const QString &path) { return QFileInfo(path).isFile(); };
    services.startProgram = [](const QString &program) {
        return !program.isEmpty() && QProcess::startDetached(program, {});
    };
    return services;
}

bool decodeKeyValue(quint32 type, const QByteArray &bytes, QString &value)
{
    if (bytes.size() > keyValueLimit) {
        value.clear();
        return false;
    }
    switch (type) {
    case Registry::TypeString: {
        QByteArray kept = bytes;
        if (kept.endsWith('\0'))
            kept.chop(1);
        value = QString::fromLocal8Bit(kept);
        break;
    }
    case Registry::TypeNumber: {
        // Little-endian, all four bytes: a zero high byte is not a terminator here.
        quint32 number = 0;
        for (qsizetype i = qMin<qsizetype>(bytes.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | quint8(bytes.at(i));
        value = QLatin1String("&h") + value + QString::number(number, 16).toUpper();
        break;
    }
    default:
        break;
    }
    return true;
}

bool GetKeyValue(Registry &registry, quint32 rootKey, const QString &keyPath,
                 const QString &valueName, QString &value)
{
    Registry::Handle key = 0;
    if (!registry.open(rootKey, keyPath, Registry::KeyRead, key)) {
        value.clear();
        return false;
    }
    quint32 type = 0;
    QByteArray data;
    const bool read
        = registry.query(key, valueName, type, data) && decodeKeyValue(type, data, value);
    registry.close(key);
    if (!read)
        value.clear();
    return read;
}

bool launchSysInfo(const SysInfoServices &services)
{
    if (!services.registry || !services.fileExists || !services.startProgram)
        return false;
    try {
        QString path;
        if (!GetKeyValue(*services.registry, Registry::LocalMachine,
                         QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"),
                         QStringLiteral("PATH"), path)) {
            QString folder;
            if (!GetKeyValue(*services.registry, Registry::LocalMachine,
                             QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)"),
                             QStringLiteral("MSINFO"), folder))
                return false;
            path = folder + QLatin1String(R"(\MSINFO32.EXE)");
            if (!services.fileExists(path))
                return false;
        }
        return services.startProgram(path);
    } catch (const std::exception &) {
        return false;
    }
}

void StartSysInfo(const SysInfoServices &services, Prompter &prompter)
{
    if (launchSysInfo(services))
        return;
    prompter.message(
        QCoreApplication::translate("frmAbout", "System Information Is Unavailable At This Time"),
        QStringLiteral("Quillmark"), Prompter::Icon::None, Prompter::Buttons::Ok,
        Prompter::Button::Ok);
}
