#include "pagepreviewdriver.h"

#include "controls.h"
#include "frmpagepreview.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

PagePreviewDriver::PagePreviewDriver(QWidget *mainWindow, const PreviewControls &controls,
                                     BriefSource brief, FieldShower showField)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_controls(controls)
    , m_brief(std::move(brief))
    , m_showField(std::move(showField))
{
    wire();
}

PagePreviewDriver::~PagePreviewDriver()
{
    delete m_preview;
}

// Every control that holds a field of the record tells the preview it
// changed; while there is no preview that costs nothing.
void PagePreviewDriver::wire()
{
    const PreviewControls &c = m_controls;
    QList<QLineEdit *> lines { c.txtMission, c.Text1, c.txtPicWidth, c.txtPicHeight,
                               c.txtDirectory };
    lines.append(QList<QLineEdit *>(c.txtEndHeader.begin(), c.txtEndHeader.end()));
    lines.append(QList<QLineEdit *>(c.txtEndBody.begin(), c.txtEndBody.end()));
    for (QLineEdit *line : std::as_const(lines))
        connect(line, &QLineEdit::textChanged, this, &PagePreviewDriver::changed);
    for (QPlainTextEdit *text : { c.txtOverview, c.txtHeader, c.txtBriefing })
        connect(text, &QPlainTextEdit::textChanged, this, &PagePreviewDriver::changed);

    connectItemChanges(c.List1, this, [this] { changed(); });
}

void PagePreviewDriver::changed()
{
    if (m_preview)
        m_preview->scheduleRefresh();
}

frmPagePreview *PagePreviewDriver::preview() const
{
    return m_preview;
}

void PagePreviewDriver::show()
{
    if (!m_preview) {
        m_preview = new frmPagePreview(m_brief, m_showField, m_mainWindow);
        m_preview->placeBeside(m_mainWindow);
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}
