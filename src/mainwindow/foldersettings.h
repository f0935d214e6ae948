#pragma once

#include <QObject>
#include <QString>

class DriveList;
class FolderList;
class Prompter;
class QLineEdit;

// Keeps the save folder between runs: the load handling of the main window,
// the press on the save-folder list that writes the settings file, and the
// drive list moving both folder lists.
class FolderSettings : public QObject
{
    Q_OBJECT

public:
    // The folder lists and the boxes they fill, named so that none can be
    // swapped.
    struct Controls
    {
        DriveList *Drive1;
        FolderList *Dir1;
        FolderList *Dir2;
        QLineEdit *txtDirectory;
        QLineEdit *Text1;
    };

    FolderSettings(const Controls &controls, Prompter &prompter, const QString &iniPath,
                   QObject *parent = nullptr);

    // Reads the settings file and points the folder lists and the two boxes at
    // the remembered folder. False, with the reason in error, when the file
    // cannot be read: the program must not start then.
    [[nodiscard]] bool load(QString *error);

    // Points the save-folder list at folder and remembers it as a press on
    // the list does.
    void moveSaveFolder(const QString &folder);

private:
    void saveFolderPressed();
    void driveChosen(const QString &root);

    DriveList *m_drive1;
    FolderList *m_dir1;
    FolderList *m_dir2;
    QLineEdit *m_txtDirectory;
    QLineEdit *m_text1;
    Prompter &m_prompter;
    QString m_iniPath;
    QString m_lastDrive;
};
