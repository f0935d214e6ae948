#include "missionopener.h"

#include "filelist.h"
#include "missiondocument.h"
#include "openmission.h"
#include "prompter.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

// The dialog lists folders and the two pages, and starts in the parent of
// the save folder with that mission selected.
QString chooseMission(QWidget *parent, const QString &start)
{
    QFileDialog dialog(parent, MissionOpener::tr("Open Mission"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(MissionOpener::tr("Mission pages (overview.html briefing.html)"));
    const QFileInfo mission(QDir::fromNativeSeparators(start));
    if (!start.isEmpty() && mission.isDir()) {
        dialog.setDirectory(mission.absolutePath());
        dialog.selectFile(mission.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

bool MissionOpener::holdsPages(const QString &folder)
{
    const QDir dir(folder);
    return dir.exists(QStringLiteral("overview.html"))
        || dir.exists(QStringLiteral("briefing.html"));
}

MissionOpener::MissionOpener(QWidget *window, const MissionDocument &document,
                             const FileList &pictures, Prompter &prompter)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_pictures(pictures)
    , m_prompter(prompter)
    , m_chooseFolder(chooseMission)
{
    // The text boxes would take a dropped file as text and insert its path;
    // every drop that names files is decided here instead.
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
    const QString path = m_chooseFolder(m_window, start);
    if (!path.isEmpty())
        open(path);
}

bool MissionOpener::open(const QString &path)
{
    std::optional<OpenedMission> read = readMissionToOpen(path, m_document.start(), m_prompter);
    if (!read)
        return false;
    Q_EMIT missionRead(read->brief, read->folder);
    if (!read->notice.isEmpty())
        m_prompter.message(read->notice, tr("Open Mission"), Prompter::Icon::Information);
    return true;
}

MissionOpener::Dropped MissionOpener::dropped(const QDropEvent &drop, QString *path) const
{
    const QList<QUrl> urls = drop.mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return Dropped::Nothing;
    *path = urls.first().toLocalFile();
    const QFileInfo info(*path);
    if (info.isDir())
        return holdsPages(*path) ? Dropped::Mission : Dropped::Nothing;
    if (!info.isFile())
        return Dropped::Nothing;
    if (!missionFolderOf(*path).isEmpty())
        return Dropped::Mission;
    return m_pictures.lists(info.fileName()) ? Dropped::Picture : Dropped::Nothing;
}

bool MissionOpener::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    QString path;
    const Dropped what = dropped(*drop, &path);
    if (what == Dropped::Nothing) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The boxes opening may show must not run inside the drag's own loop.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, what, path] {
            if (what == Dropped::Mission)
                open(path);
            else
                Q_EMIT pictureDropped(path);
        });
    return true;
}
