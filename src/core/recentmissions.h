#pragma once

#include <QString>
#include <QStringList>

// The missions most recently opened or written, newest first, kept in the
// program's own configuration file so that every window and start sees them.
class RecentMissions
{
public:
    static constexpr int kept = 8;

    explicit RecentMissions(QString configFile);

    [[nodiscard]] QStringList folders() const;
    // Puts folder first, once.
    void add(const QString &folder);
    void remove(const QString &folder);
    void clear();

private:
    void save(const QStringList &folders);

    QString m_file;
};
