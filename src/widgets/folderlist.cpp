#include "folderlist.h"

#include "builtinpictures.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int IndentPixels = 12;

// Indents each entry by its depth, as the classic list draws its tree.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(index.data(LevelRole).toInt() * IndentPixels, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(LevelRole).toInt() * IndentPixels;
        return size;
    }
};

// The resources of one folder picture in its two sizes.
QStringList folderPictures(const char *name)
{
    QStringList resources;
    for (int size : { 16, 32 })
        resources.append(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                             .arg(QLatin1String(name))
                             .arg(size));
    return resources;
}

// The classic list's folder pictures, Qt's own. The style would first look
// for them in the desktop's icon theme: thousands of file lookups per list
// at start-up, where the theme usually has none and the same pictures follow.
QIcon classicFolderIcon(const QWidget *list, const char *name, QStyle::StandardPixmap fallback)
{
    const QIcon icon = builtInIcon(folderPictures(name));
    return icon.isNull() ? list->style()->standardIcon(fallback) : icon;
}

QString cleanFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

QStringList FolderList::pictures()
{
    return folderPictures("diropen") + folderPictures("dirclosed");
}

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    m_openIcon = classicFolderIcon(this, "diropen", QStyle::SP_DirOpenIcon);
    m_closedIcon = classicFolderIcon(this, "dirclosed", QStyle::SP_DirClosedIcon);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
    // The working folder is listed once the list is shown; at start-up the
    // settings file names another folder first.
    m_path = QDir::toNativeSeparators(cleanFolder(QDir::currentPath()));
}

bool FolderList::setPath(const QString &folder)
{
    if (folder.isEmpty() || folder.contains(QChar(0)))
        return false;
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        return false;
    const QString native = QDir::toNativeSeparators(cleanFolder(folder));
    if (native == m_path) {
        if (!m_listed)
            fill();
        return true;
    }
    m_path = native;
    fill();
    Q_EMIT changed(m_path);
    return true;
}

void FolderList::showEvent(QShowEvent *event)
{
    if (!m_listed)
        fill();
    QListWidget::showEvent(event);
}

void FolderList::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed();
    QListWidget::mousePressEvent(event);
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QListWidgetItem *item = currentItem()) {
            open(item);
            event->accept();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::open(QListWidgetItem *item)
{
    if (!item)
        return;
    // The folder may have gone since the list was filled; show what is there now.
    if (!setPath(item->data(PathRole).toString()))
        fill();
}

void FolderList::fill()
{
    m_listed = true;
    clear();

    QStringList chain;
    QDir dir(QDir::fromNativeSeparators(m_path));
    for (;;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }

    int level = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &folder : std::as_const(chain)) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder)
                                                   : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(m_openIcon, name, this);
        item->setData(PathRole, folder);
        item->setData(LevelRole, level++);
        current = item;
    }

    const QFileInfoList subfolders
        = QDir(QDir::fromNativeSeparators(m_path))
              .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &sub : subfolders) {
        auto *item = new QListWidgetItem(m_closedIcon, sub.fileName(), this);
        item->setData(PathRole, sub.absoluteFilePath());
        item->setData(LevelRole, level);
    }
    setCurrentItem(current);
}
