#include "recentmissions.h"

#include <QDir>
#include <QSettings>

namespace {

const QString key = QStringLiteral("recentMissions");

QString sameForm(const QString &folder)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

} // namespace

RecentMissions::RecentMissions(QString configFile)
    : m_file(std::move(configFile))
{
}

QStringList RecentMissions::folders() const
{
    return QSettings(m_file, QSettings::IniFormat).value(key).toStringList().mid(0, kept);
}

void RecentMissions::add(const QString &folder)
{
    QStringList folders = this->folders();
    folders.removeAll(sameForm(folder));
    folders.prepend(sameForm(folder));
    save(folders.mid(0, kept));
}

void RecentMissions::remove(const QString &folder)
{
    QStringList folders = this->folders();
    if (folders.removeAll(sameForm(folder)) > 0)
        save(folders);
}

void RecentMissions::clear()
{
    save({});
}

void RecentMissions::save(const QStringList &folders)
{
    QSettings settings(m_file, QSettings::IniFormat);
    if (folders.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, folders);
}
