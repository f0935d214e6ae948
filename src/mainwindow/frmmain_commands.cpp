#include "clearall.h"
#include "clickablelabel.h"
#include "draftkeeper.h"
#include "filelist.h"
#include "folderlist.h"
#include "frmabout.h"
#include "frmmain.h"
#include "imagebox.h"
#include "markupcommands.h"
#include "objectiveseditor.h"
#include "picturebrowser.h"
#include "picturesizeboxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

// Hands each command's controls to the rule that acts on them.
void frmMain::wireCommands()
{
    connect(cmdMake, &QPushButton::clicked, this, &frmMain::createFiles);
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        clearAll({ txtMission, txtOverview, txtBriefing, txtHeader, Label16, List1 }, m_prompter);
    });

    connect(Command4, &QPushButton::clicked, this, [this] { appendLineBreak(txtHeader); });
    connect(Command5, &QPushButton::clicked, this, [this] { insertMarker(txtHeader, m_prompter); });
    connect(Command1, &QPushButton::clicked, this, [this] { appendLineBreak(txtBriefing); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { insertMarker(txtBriefing, m_prompter); });

    m_objectives = new ObjectivesEditor(
        { .List1 = List1, .Label16 = Label16, .txtObjective = txtObjective, .mainWindow = this },
        m_prompter, [this](double seconds) { Pause(seconds); }, this);
    connect(Command2, &QPushButton::clicked, m_objectives, &ObjectivesEditor::addObjective);
    connect(Command7, &QPushButton::clicked, m_objectives, &ObjectivesEditor::editObjective);
    connect(Command6, &QPushButton::clicked, m_objectives, &ObjectivesEditor::clearObjectives);

    m_sizes = new PictureSizeBoxes({ .txtPicWidth = txtPicWidth,
                                     .txtPicHeight = txtPicHeight,
                                     .lblPicWidth = lblPicWidth,
                                     .lblPicHeight = lblPicHeight,
                                     .lblWarning = lblWarning },
                                   m_prompter, this);
    // Both folder lists start at the working folder; the file list follows the
    // picture folder.
    File1->setPattern(QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg"));
    connect(Dir2, &FolderList::changed, File1, &FileList::setPath);
    m_picture = new PictureBrowser({ .Text1 = Text1,
                                     .imgPicPreview = imgPicPreview,
                                     .txtPicWidth = txtPicWidth,
                                     .txtPicHeight = txtPicHeight,
                                     .mainWindow = this },
                                   m_prompter, this);
    connect(File1, &FileList::fileClicked, m_picture,
            [this](const QString &fileName) { m_picture->choose(File1->path(), fileName); });
    connect(imgPicPreview, &ImageBox::doubleClicked, m_picture, &PictureBrowser::showPreview);

    connect(Label15, &ClickableLabel::clicked, this,
            [this] { frmAbout::showAbout(m_prompter, this); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program: every other window goes with
    // it, and nothing is asked.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    (void)m_drafts->keep();
    event->accept();
    QCoreApplication::quit();
}

void frmMain::browsePicture(const QString &file, bool choose)
{
    const QFileInfo info(file);
    if (!info.isFile() || !Dir2->setPath(info.absolutePath()) || !File1->select(info.fileName()))
        return;
    if (choose)
        m_picture->choose(File1->path(), info.fileName());
}
