#include "checksmodel.h"

#include <QApplication>
#include <QStyle>

ChecksModel::ChecksModel(QObject *parent)
    : QAbstractListModel(parent)
    // In the order of Finding::Severity.
    , m_icons { QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical),
                QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning),
                QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation) }
{
}

void ChecksModel::setFindings(const QList<Finding> &findings)
{
    if (findings.isEmpty() != m_findings.isEmpty()) {
        beginResetModel();
        m_findings = findings;
        endResetModel();
        return;
    }
    qsizetype head = 0;
    const qsizetype common = qMin(findings.size(), m_findings.size());
    while (head < common && findings[head] == m_findings[head])
        ++head;
    qsizetype tail = 0;
    while (tail < common - head
           && findings[findings.size() - 1 - tail] == m_findings[m_findings.size() - 1 - tail])
        ++tail;
    const int oldEnd = int(m_findings.size() - tail);
    const int newEnd = int(findings.size() - tail);
    if (oldEnd > head) {
        beginRemoveRows({}, int(head), oldEnd - 1);
        m_findings.remove(head, oldEnd - head);
        endRemoveRows();
    }
    if (newEnd > head) {
        beginInsertRows({}, int(head), newEnd - 1);
        m_findings.insert(head, newEnd - head, Finding {});
        std::copy(findings.begin() + head, findings.begin() + newEnd, m_findings.begin() + head);
        endInsertRows();
    }
}

const Finding *ChecksModel::finding(int row) const
{
    return row >= 0 && row < m_findings.size() ? &m_findings[row] : nullptr;
}

int ChecksModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_findings.isEmpty() ? 1 : int(m_findings.size());
}

QVariant ChecksModel::data(const QModelIndex &index, int role) const
{
    const Finding *found = finding(index.row());
    if (!found) {
        if (role == Qt::DisplayRole && index.row() == 0)
            return tr("No problems found.");
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return findingLine(*found);
    case Qt::ToolTipRole:
        // Text quoted from a page is shown as it is, never as markup.
        return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
            .arg(findingLine(*found).toHtmlEscaped());
    case Qt::DecorationRole:
        return m_icons[std::size_t(found->severity)];
    default:
        return {};
    }
}

Qt::ItemFlags ChecksModel::flags(const QModelIndex &index) const
{
    return finding(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}
