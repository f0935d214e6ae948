#include "filelist.h"

#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

bool matchesFilePattern(const QString &name, const QString &pattern)
{
    const QStringList globs = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &glob : globs) {
        const QString trimmed = glob.trimmed();
        if (trimmed.isEmpty())
            continue;
        // "*.*" means every file, also those without an extension.
        if (trimmed == QLatin1String("*.*") || trimmed == QLatin1String("*"))
            return true;
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(
                                        trimmed, QRegularExpression::UnanchoredWildcardConversion),
                                    QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = re.match(name);
        if (m.hasMatch() && m.capturedStart() == 0 && m.capturedLength() == name.size())
            return true;
    }
    return false;
}

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT fileClicked(item->text()); });
    m_path = QDir::toNativeSeparators(QDir::currentPath());
    fill();
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    fill();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    fill();
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileList::keyPressEvent(QKeyEvent *event)
{
    QListWidgetItem *before = currentItem();
    QListWidget::keyPressEvent(event);
    QListWidgetItem *after = currentItem();
    if (after && after != before)
        Q_EMIT fileClicked(after->text());
}

void FileList::fill()
{
    clear();
    const QStringList names
        = QDir(m_path).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (matchesFilePattern(name, m_pattern))
            addItem(name);
    }
}
