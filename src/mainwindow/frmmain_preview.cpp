#include "filelist.h"
#include "focusorder.h"
#include "frmmain.h"
#include "frmpagepreview.h"
#include "pagechecks.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

// Every control that holds a field of the record tells the preview it
// changed; a closed preview makes that a no-op.
void frmMain::wirePreview()
{
    const auto changed = [this] { schedulePreview(); };
    QList<QLineEdit *> lines { txtMission, Text1, txtPicWidth, txtPicHeight, txtDirectory };
    lines.append(QList<QLineEdit *>(txtEndHeader.begin(), txtEndHeader.end()));
    lines.append(QList<QLineEdit *>(txtEndBody.begin(), txtEndBody.end()));
    for (QLineEdit *line : std::as_const(lines))
        connect(line, &QLineEdit::textChanged, this, changed);
    for (QPlainTextEdit *text : { txtOverview, txtHeader, txtBriefing })
        connect(text, &QPlainTextEdit::textChanged, this, changed);

    const QAbstractItemModel *objectives = List1->model();
    connect(objectives, &QAbstractItemModel::rowsInserted, this, changed);
    connect(objectives, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(objectives, &QAbstractItemModel::rowsMoved, this, changed);
    connect(objectives, &QAbstractItemModel::dataChanged, this, changed);
    connect(objectives, &QAbstractItemModel::modelReset, this, changed);
    connect(objectives, &QAbstractItemModel::layoutChanged, this, changed);
}

void frmMain::schedulePreview()
{
    if (m_pagePreview)
        m_pagePreview->scheduleRefresh();
}

void frmMain::openPagePreview()
{
    if (!m_pagePreview) {
        m_pagePreview = new frmPagePreview(
            [this] { return brief(); },
            [this](const Finding &finding) { showField(finding.field, finding.index); }, this);
        m_pagePreview->placeBeside(this);
    }
    m_pagePreview->show();
    m_pagePreview->raise();
    m_pagePreview->activateWindow();
}

void frmMain::showField(CheckedField field, int index)
{
    enum { OverviewTab, BriefingTab };
    enum { SourceTab, PropertiesTab };
    const std::size_t ending = std::size_t(qBound(1, index, int(txtEndHeader.size())) - 1);
    QWidget *target = nullptr;
    switch (field) {
    case CheckedField::MissionName:
        target = txtMission;
        break;
    case CheckedField::Overview:
        target = txtOverview;
        break;
    case CheckedField::PictureSource:
        SSTab3->setCurrentIndex(SourceTab);
        target = File1;
        break;
    case CheckedField::PictureWidth:
    case CheckedField::PictureHeight:
        SSTab3->setCurrentIndex(PropertiesTab);
        target = field == CheckedField::PictureWidth ? txtPicWidth : txtPicHeight;
        break;
    case CheckedField::Notes:
        target = txtHeader;
        break;
    case CheckedField::Briefing:
        target = txtBriefing;
        break;
    case CheckedField::Objectives:
        List1->setCurrentRow(index - 1);
        target = List1;
        break;
    case CheckedField::EndHeader:
    case CheckedField::EndBody:
        SSTab2->setCurrentIndex(int(ending));
        target = field == CheckedField::EndHeader ? txtEndHeader[ending] : txtEndBody[ending];
        break;
    }
    if (!target)
        return;
    const bool onOverview = SSTab1->widget(OverviewTab)->isAncestorOf(target);
    SSTab1->setCurrentIndex(onOverview ? OverviewTab : BriefingTab);
    raise();
    activateWindow();
    focusTarget(target)->setFocus(Qt::OtherFocusReason);
}
