#include "frmmain.h"
#include "pagechecks.h"
#include "pagepreviewdriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

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
        [this](const Finding &finding) { showField(finding.field, finding.from, finding.to); });
}

void frmMain::openPagePreview()
{
    m_preview->show();
}
