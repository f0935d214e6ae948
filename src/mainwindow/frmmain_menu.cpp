#include "controls.h"
#include "draftkeeper.h"
#include "frmabout.h"
#include "frmmain.h"
#include "missionopener.h"
#include "recentmissions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>

namespace {

QAction *addCommand(QMenu *menu, const QString &caption, const char *name,
                    const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void frmMain::buildMenuBar()
{
    m_menuBar = named(new QMenuBar(this), "menuBar");
    m_menuBar->setNativeMenuBar(false);

    QMenu *file = named(m_menuBar->addMenu(tr("&File")), "mnuFile");
    connect(addCommand(file, tr("&Open Mission..."), "mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { m_opener->choose(txtDirectory->text()); });
    m_recentMenu = named(file->addMenu(tr("Open &Recent")), "mnuRecent");
    connect(m_recentMenu, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    fillRecentMenu();
    connect(
        addCommand(file, tr("&Create Files"), "mnuCreateFiles", QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, this, &frmMain::createFiles);
    m_recoverAction = addCommand(file, tr("Reco&ver Texts..."), "mnuRecover");
    // The drafts are looked at when the menu opens, not at start-up.
    connect(file, &QMenu::aboutToShow, this, [this] { m_drafts->updateRecoverCommand(); });
    file->addSeparator();
    connect(addCommand(file, tr("&Quit"), "mnuQuit", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);

    QMenu *view = named(m_menuBar->addMenu(tr("&View")), "mnuView");
    QAction *preview
        = addCommand(view, tr("&Preview Pages"), "mnuPreview", QKeySequence(Qt::Key_F5));
    preview->setCheckable(true);
    connect(preview, &QAction::triggered, this, &frmMain::openPagePreview);

    QMenu *help = named(m_menuBar->addMenu(tr("&Help")), "mnuHelp");
    connect(addCommand(help, tr("&About Quillmark"), "mnuAbout"), &QAction::triggered, this,
            [this] { frmAbout::showAbout(m_prompter, this); });
}

void frmMain::setRecentMissions(RecentMissions *recent)
{
    m_recent = recent;
}

// Read afresh each time: another window may have opened or written since.
void frmMain::fillRecentMenu()
{
    // The entry that was triggered may be the one asking for this.
    const auto old = m_recentMenu->actions();
    for (QAction *action : old) {
        m_recentMenu->removeAction(action);
        action->deleteLater();
    }
    const QStringList folders = m_recent ? m_recent->folders() : QStringList();
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString &folder = folders.at(i);
        QAction *entry
            = m_recentMenu->addAction(QStringLiteral("&%1 %2   %3")
                                          .arg(QString::number(i + 1), QFileInfo(folder).fileName(),
                                               QDir::toNativeSeparators(folder)));
        connect(entry, &QAction::triggered, this, [this, folder] { openRecent(folder); });
    }
    m_recentMenu->addSeparator();
    QAction *clear = addCommand(m_recentMenu, tr("&Clear List"), "mnuClearRecent");
    clear->setEnabled(!folders.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        m_recent->clear();
        fillRecentMenu();
    });
}

void frmMain::openRecent(const QString &folder)
{
    // The failed open has said why; a folder without pages leaves the list.
    if (!m_opener->open(folder) && !MissionOpener::holdsPages(folder)) {
        m_recent->remove(folder);
        fillRecentMenu();
    }
}
