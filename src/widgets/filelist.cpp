#include "filelist.h"

#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

QRegularExpression filePatternExpression(const QString &pattern)
{
    QStringList alternatives;
    const QStringList globs = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &glob : globs) {
        const QString trimmed = glob.trimmed();
        if (trimmed.isEmpty())
            continue;
        // "*.*" means every file, also those without an extension.
        if (trimmed == QLatin1String("*.*") || trimmed == QLatin1String("*"))
            alternatives << QStringLiteral(".*");
        else
            alternatives << QRegularExpression::wildcardToRegularExpression(
                trimmed, QRegularExpression::UnanchoredWildcardConversion);
    }
    if (alternatives.isEmpty())
        return QRegularExpression(QStringLiteral("(?!)"));
    return QRegularExpression(
        QRegularExpression::anchoredPattern(
            QStringLiteral("(?:") + alternatives.join(QStringLiteral(")|(?:")) + QLatin1Char(')')),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_expression = filePatternExpression(QStringLiteral("*.*"));
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT fileClicked(item->text()); });
    // Listed once shown or given a folder: at start-up the pattern and then
    // the picture folder come first, and a listing for each would be thrown
    // away.
    m_path = QDir::toNativeSeparators(QDir::currentPath());
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    fill();
}

void FileList::setPattern(const QString &pattern)
{
    m_expression = filePatternExpression(pattern);
    if (m_listed)
        fill();
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool FileList::lists(const QString &fileName) const
{
    return m_expression.match(fileName).hasMatch();
}

bool FileList::select(const QString &fileName)
{
    QList<QListWidgetItem *> found
        = findItems(fileName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        fill();
        found = findItems(fileName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    }
    if (found.isEmpty())
        return false;
    setCurrentItem(found.first());
    scrollToItem(found.first());
    return true;
}

void FileList::showEvent(QShowEvent *event)
{
    if (!m_listed)
        fill();
    QListWidget::showEvent(event);
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
    m_listed = true;
    clear();
    const QStringList names = QDir(m_path).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (lists(name))
            addItem(name);
    }
}
