#include "draftstore.h"
#include "frmmain.h"
#include "frmrecover.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
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
        watchTexts();
        // The session may end without the window being closed.
        connect(qApp, &QGuiApplication::commitDataRequest, this, &frmMain::keepDraft);
        connect(qApp, &QCoreApplication::aboutToQuit, this, &frmMain::keepDraft);
    }
}

void frmMain::watchTexts()
{
    const auto restart = [this] { m_draftTimer->start(); };
    const auto lines = m_client->findChildren<QLineEdit *>();
    for (QLineEdit *box : lines) {
        if (box != txtObjective)
            connect(box, &QLineEdit::textChanged, m_draftTimer, restart);
    }
    const auto texts = m_client->findChildren<QPlainTextEdit *>();
    for (QPlainTextEdit *box : texts)
        connect(box, &QPlainTextEdit::textChanged, m_draftTimer, restart);
    QAbstractItemModel *objectives = List1->model();
    connect(objectives, &QAbstractItemModel::rowsInserted, m_draftTimer, restart);
    connect(objectives, &QAbstractItemModel::rowsRemoved, m_draftTimer, restart);
    connect(objectives, &QAbstractItemModel::dataChanged, m_draftTimer, restart);
}

bool frmMain::keepDraft()
{
    if (m_draftTimer)
        m_draftTimer->stop();
    return m_drafts && m_drafts->keep(brief(), m_startBrief, m_savedBrief).ok;
}

bool frmMain::setTextsAside()
{
    if (!keepDraft())
        return false;
    m_drafts->setAside();
    return true;
}

void frmMain::recoverTexts()
{
    if (!m_drafts)
        return;
    (void)keepDraft();
    auto *window = new frmRecover(*m_drafts, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::accepted, this, [this, window] {
        const std::optional<Draft> draft = window->chosen();
        if (!draft)
            return;
        (void)setTextsAside();
        // The save folder comes back as typed; the settings file stays as it is.
        setBrief(draft->brief);
        m_drafts->adopt(draft->folder);
        m_draftTimer->stop();
    });
    window->open();
}

void frmMain::updateRecoverCommand()
{
    m_recoverAction->setEnabled(m_drafts && m_drafts->hasDrafts());
}
