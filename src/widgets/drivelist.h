#pragma once

#include <QComboBox>

// The drives: on Windows the drive letters, elsewhere the mounted volumes,
// each shown by its root path.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    [[nodiscard]] QString drive() const { return m_drive; }
    // False, and nothing changes, when root is not one of the listed drives.
    bool setDrive(const QString &root);
    // Lists these roots instead of the mounted volumes (kept in the given order).
    void setDrives(const QStringList &roots);
    // Reads the drives on the calling thread for the first list made, which
    // then need not read them itself.
    static void readDrivesAhead();

Q_SIGNALS:
    // The user picked another drive.
    void driveChanged(const QString &root);

private:
    void picked(int index);

    QString m_drive;
};
