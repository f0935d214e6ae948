#include "draftkeeper.h"

#include "draftstore.h"
#include "frmrecover.h"
#include "missiondocument.h"

#include <QAction>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Typing is left alone: a draft is kept only once it pauses this long.
constexpr int draftPauseMs = 2000;

} // namespace

DraftKeeper::DraftKeeper(QWidget *window, MissionDocument &document, QAction *recoverAction,
                         BriefSource brief, BriefSink putBrief)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_recoverAction(recoverAction)
    , m_brief(std::move(brief))
    , m_putBrief(std::move(putBrief))
    , m_pause(new QTimer(this))
{
    m_pause->setSingleShot(true);
    m_pause->setInterval(draftPauseMs);
    connect(m_pause, &QTimer::timeout, this, &DraftKeeper::keep);
    connect(&m_document, &MissionDocument::edited, this, [this] {
        if (m_drafts)
            m_pause->start();
    });
    // The session may end without the window being closed.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &DraftKeeper::keep);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DraftKeeper::keep);
    connect(m_recoverAction, &QAction::triggered, this, &DraftKeeper::recover);
    updateRecoverCommand();
}

void DraftKeeper::setStore(DraftStore *drafts)
{
    m_drafts = drafts;
}

bool DraftKeeper::keep()
{
    m_pause->stop();
    if (!m_drafts)
        return true;
    // Asking the document first spares reading every control when nothing
    // was edited since the pages were last written or opened.
    if (!m_document.isUnwritten()) {
        m_drafts->discard();
        return true;
    }
    return m_drafts->keep(m_brief(), m_document.start(), m_document.record()).ok;
}

bool DraftKeeper::setTextsAside()
{
    if (!m_drafts)
        return true;
    const bool kept = keep();
    m_drafts->setAside();
    return kept;
}

void DraftKeeper::recover()
{
    if (!m_drafts)
        return;
    (void)keep();
    auto *window = new frmRecover(*m_drafts, m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, &DraftKeeper::updateRecoverCommand);
    connect(window, &QDialog::accepted, this, [this, window] {
        const std::optional<Draft> draft = window->chosen();
        if (!draft)
            return;
        (void)setTextsAside();
        // The save folder comes back as it was typed; the settings file stays
        // as it is.
        m_putBrief(draft->brief);
        m_drafts->adopt(draft->folder);
        m_pause->stop();
    });
    window->open();
}

void DraftKeeper::updateRecoverCommand()
{
    // A draft that could not be written is told of there, even with none kept.
    m_recoverAction->setEnabled(m_drafts
                                && (m_drafts->hasDrafts() || m_drafts->hasFailureToShow()));
}
