#include "pagepreviewdriver.h"

#include "controls.h"
#include "frmpagepreview.h"
#include "pagelines.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

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
    for (QPlainTextEdit *text : { c.txtOverview, c.txtHeader, c.txtBriefing }) {
        connect(text, &QPlainTextEdit::textChanged, this, &PagePreviewDriver::changed);
        connect(text, &QPlainTextEdit::cursorPositionChanged, this, &PagePreviewDriver::follow);
    }

    connectItemChanges(c.List1, this, [this] { changed(); });
    connect(c.List1, &QListWidget::currentRowChanged, this, &PagePreviewDriver::follow);
    connect(qApp, &QApplication::focusChanged, this, &PagePreviewDriver::follow);
}

void PagePreviewDriver::changed()
{
    if (m_preview)
        m_preview->scheduleRefresh();
}

void PagePreviewDriver::follow()
{
    if (!m_preview || !m_preview->isVisible())
        return;
    if (const std::optional<PageLine> line = writtenLine())
        m_preview->follow(*line);
}

// The page line made from the field that has the focus, at the caret's line
// in a multi-line field; nothing when the focus is elsewhere.
std::optional<PageLine> PagePreviewDriver::writtenLine() const
{
    const PreviewControls &c = m_controls;
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != m_mainWindow->window())
        return std::nullopt;
    // Counted in the controls: the record's texts are not copied per keystroke.
    const PageShape shape { c.txtOverview->blockCount(), c.txtHeader->blockCount(),
                            c.txtBriefing->blockCount(), c.List1->count() };
    const auto in = [focus](const QWidget *control) {
        return control && (control == focus || control->isAncestorOf(focus));
    };
    const auto caretLine
        = [](const QPlainTextEdit *text) { return text->textCursor().block().blockNumber(); };
    if (in(c.txtMission))
        return fieldPageLine(shape, { MissionField::MissionName });
    if (in(c.txtOverview))
        return fieldPageLine(shape, { MissionField::Overview }, caretLine(c.txtOverview));
    if (in(c.txtHeader))
        return fieldPageLine(shape, { MissionField::Notes }, caretLine(c.txtHeader));
    if (in(c.txtBriefing))
        return fieldPageLine(shape, { MissionField::Briefing }, caretLine(c.txtBriefing));
    if (in(c.List1))
        return fieldPageLine(shape, { MissionField::Objective, c.List1->currentRow() + 1 });
    if (in(c.txtObjective))
        return fieldPageLine(shape, { MissionField::Objective, shape.objectives });
    for (int i = 0; i < int(c.txtEndHeader.size()); ++i) {
        if (in(c.txtEndHeader[std::size_t(i)]))
            return fieldPageLine(shape, { MissionField::EndHeader, i + 1 });
        if (in(c.txtEndBody[std::size_t(i)]))
            return fieldPageLine(shape, { MissionField::EndDescription, i + 1 });
    }
    if (in(c.overviewTab))
        return fieldPageLine(shape, { MissionField::PictureSource });
    if (in(c.briefingTab))
        return fieldPageLine(shape, { MissionField::Notes });
    return std::nullopt;
}

void PagePreviewDriver::setSharedActions(const QList<QAction *> &actions)
{
    m_actions = actions;
    if (m_preview)
        m_preview->addActions(m_actions);
}

frmPagePreview *PagePreviewDriver::preview() const
{
    return m_preview;
}

void PagePreviewDriver::show()
{
    if (!m_preview) {
        m_preview = new frmPagePreview(m_brief, m_showField);
        m_preview->addActions(m_actions);
        if (!m_preview->restoreLayout())
            m_preview->placeBeside(m_mainWindow);
        connect(m_preview, &frmPagePreview::visibilityChanged, this,
                &PagePreviewDriver::visibilityChanged);
        m_preview->installEventFilter(this);
    }
    // Where the platform activates a window as it is shown, the keyboard
    // goes back to the main window.
    m_keyboardBack = m_mainWindow->isActiveWindow();
    m_shown.start();
    if (m_preview->isMinimized())
        m_preview->showNormal();
    else
        m_preview->show();
    m_preview->raise();
    follow();
}

bool PagePreviewDriver::eventFilter(QObject *watched, QEvent *event)
{
    constexpr qint64 showingMs = 500;
    if (event->type() == QEvent::WindowActivate && watched == m_preview
        && std::exchange(m_keyboardBack, false) && m_shown.elapsed() < showingMs)
        m_mainWindow->activateWindow();
    return QObject::eventFilter(watched, event);
}

void PagePreviewDriver::toggle()
{
    if (m_preview && m_preview->isVisible() && !m_preview->isMinimized()
        && m_preview->isActiveWindow())
        m_preview->close();
    else
        show();
}
