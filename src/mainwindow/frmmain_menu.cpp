#include "controls.h"
#include "frmabout.h"
#include "frmmain.h"

#include <QAction>
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
    connect(
        addCommand(file, tr("&Create Files"), "mnuCreateFiles", QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, this, &frmMain::createFiles);
    m_recoverAction = addCommand(file, tr("Reco&ver Texts..."), "mnuRecover");
    connect(m_recoverAction, &QAction::triggered, this, &frmMain::recoverTexts);
    connect(file, &QMenu::aboutToShow, this, &frmMain::updateRecoverCommand);
    updateRecoverCommand();
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
