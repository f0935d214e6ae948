#include "frmmain.h"
#include "pagechecks.h"
#include "pagepreviewdriver.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>

void frmMain::wirePreview()
{
    enum { OverviewTab, BriefingTab };
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
          .txtObjective = txtObjective,
          .List1 = List1,
          .txtEndHeader = txtEndHeader,
          .txtEndBody = txtEndBody,
          .overviewTab = SSTab1->widget(OverviewTab),
          .briefingTab = SSTab1->widget(BriefingTab) },
        [this] { return brief(); },
        [this](const Finding &finding) { showField(finding.field, finding.from, finding.to); });

    QList<QAction *> shared;
    for (const char *name : { "mnuOpen", "mnuCreateFiles", "mnuQuit", "mnuPreview" })
        shared.append(m_menuBar->findChild<QAction *>(QLatin1String(name)));
    m_preview->setSharedActions(shared);
    connect(m_preview, &PagePreviewDriver::visibilityChanged, shared.last(), &QAction::setChecked);
}

void frmMain::openPagePreview()
{
    m_preview->toggle();
}
