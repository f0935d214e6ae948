#pragma once

#include <QObject>
#include <QString>

#include <functional>

class FileList;
class MissionDocument;
class Prompter;
class QDropEvent;
class QWidget;
struct MissionBrief;

// Opening a mission's pages: "Open Mission...", a folder or page dropped
// anywhere on the window, and the command line. It reads and checks the
// pages and hands the mission to the window, which puts it into its controls.
// A dropped picture is handed on as the mission's picture.
class MissionOpener : public QObject
{
    Q_OBJECT
public:
    // Asks for the mission to open, a folder or either page, starting at the
    // save folder start; empty when the user cancels.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &start)>;

    // pictures decides which dropped files are pictures.
    MissionOpener(QWidget *window, const MissionDocument &document, const FileList &pictures,
                  Prompter &prompter);

    void setFolderChooser(FolderChooser chooser);
    void choose(const QString &start);
    // path is a mission folder or either page; boxes tell why when nothing
    // opens. True when the mission opened.
    bool open(const QString &path);
    [[nodiscard]] static bool holdsPages(const QString &folder);

Q_SIGNALS:
    // The receiver may take the texts out of brief: the opener is done with it.
    void missionRead(MissionBrief &brief, const QString &folder);
    void pictureDropped(const QString &file);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Dropped { Nothing, Mission, Picture };
    [[nodiscard]] Dropped dropped(const QDropEvent &drop, QString *path) const;

    QWidget *m_window;
    const MissionDocument &m_document;
    const FileList &m_pictures;
    Prompter &m_prompter;
    FolderChooser m_chooseFolder;
};
