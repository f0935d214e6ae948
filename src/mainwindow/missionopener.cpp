#include "missionopener.h"

#include "missiondocument.h"
#include "openmission.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

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

MissionOpener::MissionOpener(QWidget *window, const MissionDocument &document, Prompter &prompter)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_prompter(prompter)
{
    // The text boxes take dropped text themselves, and would insert a dropped
    // folder's path; a mission is opened wherever it is dropped.
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void MissionOpener::setFolderChooser(FolderChooser chooser)
{
    m_chooseFolder = std::move(chooser);
}

void MissionOpener::choose(const QString &start)
{
    const QString folder = m_chooseFolder
        ? m_chooseFolder(m_window, start)
        : QFileDialog::getExistingDirectory(m_window, tr("Open Mission"), start);
    if (!folder.isEmpty())
        open(folder);
}

void MissionOpener::open(const QString &folder)
{
    const std::optional<MissionBrief> read
        = readMissionToOpen(folder, m_document.start(), m_document.isUnwritten(), m_prompter);
    if (read)
        Q_EMIT missionRead(*read, folder);
}

bool MissionOpener::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString folder = droppedMission(drop->mimeData());
    if (folder.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    // The boxes opening may show must not run inside the drag's own loop.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, folder] { open(folder); });
    return true;
}
