#pragma once

#include "registry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A registry of the local machine held in memory. Keys open only with no
// more than the rights a plain user holds; every open and close is counted.
class FakeRegistry : public Registry
{
public:
    struct Value
    {
        quint32 type = TypeString;
        QByteArray data;
    };

    QHash<QString, QHash<QString, Value>> keys;
    quint32 grantedAccess = KeyRead;
    QStringList openedKeys;
    QList<quint32> requestedAccess;
    int openHandles = 0;

    void setString(const QString &key, const QString &name, const QByteArray &bytes)
    {
        keys[key][name] = { TypeString, bytes };
    }

    bool open(quint32 root, const QString &keyPath, quint32 access, Handle &key) override
    {
        requestedAccess.append(access);
        if (root != LocalMachine || !keys.contains(keyPath) || (access & ~grantedAccess) != 0)
            return false;
        openedKeys.append(keyPath);
        m_handles.append(keyPath);
        key = Handle(m_handles.size());
        ++openHandles;
        return true;
    }

    bool query(Handle key, const QString &valueName, quint32 &type, QByteArray &data) override
    {
        if (key == 0 || key > Handle(m_handles.size()))
            return false;
        const auto values = keys.value(m_handles.at(qsizetype(key) - 1));
        if (!values.contains(valueName))
            return false;
        type = values.value(valueName).type;
        data = values.value(valueName).data;
        return true;
    }

    void close(Handle key) override
    {
        if (key != 0 && key <= Handle(m_handles.size()))
            --openHandles;
    }

private:
    QStringList m_handles;
};
