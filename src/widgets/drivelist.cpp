#include "drivelist.h"

#include <QDir>
#include <QMutex>
#include <QStorageInfo>

#include <optional>

namespace {

struct Drives
{
    QStringList roots;
    QString working; // the root of the working folder's volume
};

Drives mountedDrives()
{
    Drives drives;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid())
            continue;
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (!drives.roots.contains(root))
            drives.roots.append(root);
    }
    drives.roots.sort(Qt::CaseInsensitive);
    drives.working = QDir::toNativeSeparators(QStorageInfo(QDir::currentPath()).rootPath());
    return drives;
}

// Drives read ahead for the first list made; none once a list has been made.
QMutex aheadMutex;
std::optional<Drives> aheadDrives;
bool listMade = false;

} // namespace

void DriveList::readDrivesAhead()
{
    Drives drives = mountedDrives();
    const QMutexLocker lock(&aheadMutex);
    if (!listMade)
        aheadDrives = std::move(drives);
}

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DriveList::picked);
    std::optional<Drives> ahead;
    {
        const QMutexLocker lock(&aheadMutex);
        listMade = true;
        ahead.swap(aheadDrives);
    }
    const Drives drives = ahead ? *std::move(ahead) : mountedDrives();
    setDrives(drives.roots);
    if (!setDrive(drives.working) && count() > 0)
        setDrive(itemData(0).toString());
}

void DriveList::setDrives(const QStringList &roots)
{
    const QString previous = m_drive;
    clear();
    for (const QString &root : roots)
        addItem(root, root);
    m_drive.clear();
    if (!setDrive(previous) && count() > 0)
        setDrive(itemData(0).toString());
}

bool DriveList::setDrive(const QString &root)
{
    const int index = findData(QDir::toNativeSeparators(root));
    if (index < 0)
        return false;
    setCurrentIndex(index);
    m_drive = itemData(index).toString();
    return true;
}

void DriveList::picked(int index)
{
    const QString root = itemData(index).toString();
    if (root == m_drive)
        return;
    m_drive = root;
    Q_EMIT driveChanged(root);
}
