#include "drivelist.h"

#include <QDir>
#include <QStorageInfo>

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DriveList::picked);
    refresh();
    const QString working = QDir::toNativeSeparators(QStorageInfo(QDir::currentPath()).rootPath());
    if (!setDrive(working) && count() > 0)
        setDrive(itemData(0).toString());
}

void DriveList::refresh()
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid())
            continue;
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (!roots.contains(root))
            roots.append(root);
    }
    roots.sort(Qt::CaseInsensitive);
    setDrives(roots);
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
