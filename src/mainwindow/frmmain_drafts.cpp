#include "draftstore.h"
#include "frmmain.h"
#include "frmrecover.h"
#include "missiondocument.h"

#include <QAction>
#include <QGuiApplication>
#include <QTimer>

namespace {

// Typing is left alone: a draft is kept only once it pauses this long.
constexpr int draftPauseMs = 2000;

} // namespace

void frmMain::setDraftStore(DraftStore *drafts)
{
    m_drafts = drafts;
    if (!m_draftTimer) {
        m_draftTimer = new QTimer(this);
        m_draftTimer->setSingleShot(true);
        m_draftTimer->setInterval(draftPauseMs);
        connect(m_draftTimer, &QTimer::timeout, this, &frmMain::keepDraft);
        connect(m_document, &MissionDocument::edited, m_draftTimer,
                [this] { m_draftTimer->start(); });
        // The session may end without the window being closed.
        connect(qApp, &QGuiApplication::commitDataRequest, this, &frmMain::keepDraft);
        connect(qApp, &QCoreApplication::aboutToQuit, this, &frmMain::keepDraft);
    }
    updateRecoverCommand();
}

bool frmMain::keepDraft()
{
    if (m_draftTimer)
        m_draftTimer->stop();
    if (!m_drafts)
        return true;
    // Asking the document first spares reading every control when nothing
    // was edited since the pages were last written or opened.
    if (!m_document->isUnwritten()) {
        m_drafts->discard();
        return true;
    }
    return m_drafts->keep(brief(), m_document->start(), m_document->record()).ok;
}

bool frmMain::setTextsAside()
{
    if (!m_drafts)
        return true;
    const bool kept = keepDraft();
    m_drafts->setAside();
    return kept;
}

void frmMain::recoverTexts()
{
    if (!m_drafts)
        return;
    (void)keepDraft();
    auto *window = new frmRecover(*m_drafts, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, &frmMain::updateRecoverCommand);
    connect(window, &QDialog::accepted, this, [this, window] {
        const std::optional<Draft> draft = window->chosen();
        if (!draft)
            return;
        (void)setTextsAside();
        // The save folder comes back as it was typed; the settings file stays
        // as it is.
        setBrief(draft->brief);
        m_drafts->adopt(draft->folder);
        m_draftTimer->stop();
    });
    window->open();
}

void frmMain::updateRecoverCommand()
{
    // A draft that could not be written is told of there, even with none kept.
    m_recoverAction->setEnabled(m_drafts
                                && (m_drafts->hasDrafts() || m_drafts->hasFailureToShow()));
}
