#include "foldersettings.h"

#include "drivelist.h"
#include "folderlist.h"
#include "prompter.h"
#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStorageInfo>

FolderSettings::FolderSettings(const Controls &controls, Prompter &prompter, const QString &iniPath,
                               QObject *parent)
    : QObject(parent)
    , m_drive1(controls.Drive1)
    , m_dir1(controls.Dir1)
    , m_dir2(controls.Dir2)
    , m_txtDirectory(controls.txtDirectory)
    , m_text1(controls.Text1)
    , m_prompter(prompter)
    , m_iniPath(iniPath)
    , m_lastDrive(controls.Drive1->drive())
{
    connect(m_dir1, &FolderList::mousePressed, this, &FolderSettings::saveFolderPressed);
    connect(m_drive1, &DriveList::driveChanged, this, &FolderSettings::driveChosen);
}

bool FolderSettings::load(QString *error)
{
    const SettingsRead read = readSettingsFile(m_iniPath);
    if (!read.ok) {
        if (error) {
            *error = tr("The settings file %1 could not be read: %2.\n\nMake sure Varnholt.ini is "
                        "in the same directory as the program.")
                         .arg(QDir::toNativeSeparators(m_iniPath), read.error);
        }
        return false;
    }
    // A remembered folder that is gone leaves both lists where they started.
    if (m_dir1->setPath(read.value))
        m_dir2->setPath(read.value);
    m_txtDirectory->setText(m_dir1->path());
    m_text1->setText(m_dir2->path());
    return true;
}

void FolderSettings::saveFolderPressed()
{
    const QString folder = m_dir1->path();
    if (!settingsCanHold(folder)) {
        m_prompter.message(tr("The save folder %1 is not remembered for the next start: the "
                              "settings file cannot hold a folder whose path holds a double "
                              "quote or a line break.")
                               .arg(folder),
                           tr("Error"), Prompter::Icon::Warning);
        m_txtDirectory->setText(folder);
        return;
    }
    const WriteResult written = writeSettingsFile(m_iniPath, folder);
    if (!written.ok) {
        m_prompter.message(tr("The save folder could not be remembered: the settings file %1 "
                              "could not be written (%2).")
                               .arg(QDir::toNativeSeparators(m_iniPath), written.reason),
                           tr("Error"), Prompter::Icon::Critical);
    }
    m_txtDirectory->setText(folder);
}

void FolderSettings::moveSaveFolder(const QString &folder)
{
    if (m_dir1->setPath(folder))
        saveFolderPressed();
}

void FolderSettings::driveChosen(const QString &root)
{
    const QStorageInfo volume(root);
    const bool ready = QFileInfo(root).isDir() && (!volume.isValid() || volume.isReady());
    if (!ready || !m_dir1->setPath(root)) {
        m_prompter.message(tr("The drive %1 is not ready.").arg(QDir::toNativeSeparators(root)),
                           tr("Error"), Prompter::Icon::Critical);
        m_drive1->setDrive(m_lastDrive);
        return;
    }
    m_dir2->setPath(root);
    m_lastDrive = root;
}
