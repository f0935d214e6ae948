#pragma once

#include <QObject>
#include <QString>

#include <functional>

class MissionDocument;
class Prompter;
class QWidget;
struct MissionBrief;

// Opening a mission's pages: "Open Mission...", a folder or page dropped
// anywhere on the window, and the command line. It reads and checks the
// pages and hands the mission to the window, which puts it into its controls.
class MissionOpener : public QObject
{
    Q_OBJECT
public:
    // Asks for the folder to open, starting at start; empty when the user
    // cancels.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &start)>;

    MissionOpener(QWidget *window, const MissionDocument &document, Prompter &prompter);

    void setFolderChooser(FolderChooser chooser);
    void choose(const QString &start);
    // Boxes tell why when nothing opens.
    void open(const QString &folder);

Q_SIGNALS:
    void missionRead(const MissionBrief &brief, const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    const MissionDocument &m_document;
    Prompter &m_prompter;
    FolderChooser m_chooseFolder;
};
