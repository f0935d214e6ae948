#pragma once

#include "pagechecks.h"

#include <QAbstractListModel>
#include <QIcon>

#include <array>

// The checks as the preview lists them. A new list changes only the rows that
// differ from the last one, so thousands of findings cost little when one of
// them changes. An empty list shows one line saying so.
class ChecksModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ChecksModel(QObject *parent = nullptr);

    void setFindings(const QList<Finding> &findings);
    [[nodiscard]] const Finding *finding(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Finding> m_findings;
    std::array<QIcon, 3> m_icons;
};
