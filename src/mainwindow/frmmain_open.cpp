#include "draftstore.h"
#include "foldersettings.h"
#include "frmmain.h"
#include "openmission.h"
#include "picturebrowser.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace {

// The mission folder of a drag's one local folder or page; empty otherwise.
QString droppedMission(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return missionFolderOf(urls.first().toLocalFile());
}

} // namespace

void frmMain::openMission(const QString &folder)
{
    // Unwritten texts become a draft of their own; only where none can be
    // kept is the user asked before they are replaced.
    const bool unsaved = !sameTexts(brief(), m_savedBrief);
    const bool kept = unsaved && keepDraft();
    const std::optional<MissionBrief> opened
        = readMissionToOpen(folder, m_startBrief, unsaved && !kept, m_prompter);
    if (!opened)
        return;
    if (kept)
        m_drafts->setAside();
    setBrief(*opened);
    if (m_folders)
        m_folders->moveSaveFolder(folder);
    m_picture->showQuietly(opened->pictureSource);
    m_savedBrief = brief();
    (void)keepDraft();
    SSTab1->setCurrentIndex(0);
    txtMission->setFocus();
}

void frmMain::setFolderChooser(FolderChooser chooser)
{
    m_chooseFolder = std::move(chooser);
}

void frmMain::chooseMission()
{
    const QString start = txtDirectory->text();
    const QString folder = m_chooseFolder
        ? m_chooseFolder(this, start)
        : QFileDialog::getExistingDirectory(this, tr("Open Mission"), start);
    if (!folder.isEmpty())
        openMission(folder);
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedMission(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::catchMissionDrops()
{
    // The text boxes take dropped text themselves, and would insert a dropped
    // folder's path; a mission is opened wherever it is dropped.
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

bool frmMain::missionDropFiltered(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (droppedMission(drop->mimeData()).isEmpty())
        return false;
    if (type == QEvent::Drop)
        dropEvent(drop);
    else
        drop->acceptProposedAction();
    return true;
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString folder = droppedMission(event->mimeData());
    if (folder.isEmpty())
        return;
    event->acceptProposedAction();
    // The boxes opening may show must not run inside the drag's own loop.
    QTimer::singleShot(0, this, [this, folder] { openMission(folder); });
}
