#include "filelist.h"
#include "focusorder.h"
#include "frmmain.h"
#include "pagechecks.h"
#include "pagepreviewdriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

void frmMain::wirePreview()
{
    m_preview = new PagePreviewDriver(
        this,
        { .txtMission = txtMission,
          .txtOverview = txtOverview,
          .Text1 = Text1,
          .txtPicWidth = txtPicWidth,
          .txtPicHeight = txtPicHeight,
          .txtDirectory = txtDirectory,
          .txtHeader = txtHeader,
          .txtBriefing = txtBriefing,
          .List1 = List1,
          .txtEndHeader = txtEndHeader,
          .txtEndBody = txtEndBody },
        [this] { return brief(); },
        [this](const Finding &finding) { showField(finding.field, finding.index); });
}

void frmMain::openPagePreview()
{
    m_preview->show();
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
