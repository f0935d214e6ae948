#include "frmmain.h"

#include "controls.h"
#include "createfiles.h"
#include "drivelist.h"
#include "filelist.h"
#include "focusorder.h"
#include "folderlist.h"
#include "foldersettings.h"
#include "framefit.h"
#include "labelsizer.h"
#include "missionbrief.h"
#include "multilinetext.h"
#include "pause.h"
#include "picturesizeboxes.h"
#include "twips.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

frmMain::frmMain(Prompter &prompter, std::function<void(double)> pause, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , m_prompter(prompter)
    , m_pause(std::move(pause))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillmark"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark-32.png")));
    setBackgroundRole(QPalette::Window);
    // The commands beyond the form sit in a menu bar above it; the form keeps
    // its size and its place on the screen.
    m_client = named(new QWidget(this), "clientArea");
    buildMenuBar();
    buildWindow();
    wireCommands();
    // The controls start empty and take the starting values of the record.
    setBrief(MissionBrief());
    autoSizeLabels(
        { Label20, Label19, Label21, lblPicWidth, Label23, lblPicHeight, Label17, Label16 });
    keepInsideFrames(this);

    // The client area's corner sits at a fixed place on the screen.
    const QRect client = Twips::toPixels(480, 975, 5535, 7920);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, client.width(), menuHeight);
    m_client->setGeometry(0, menuHeight, client.width(), client.height());
    setGeometry(client.adjusted(0, -menuHeight, 0, 0));
    setFixedSize(client.width(), client.height() + menuHeight);

    wirePreview();
    setAcceptDrops(true);
    catchMissionDrops();
    m_startBrief = m_savedBrief = brief();

    txtMission->setFocus();
}

frmMain::~frmMain()
{
    // The list empties its model while the window's children are destroyed,
    // after this window has stopped being a frmMain.
    QObject::disconnect(List1->model(), nullptr, this, nullptr);
}

bool frmMain::load(const QString &iniPath, QString *error)
{
    delete m_folders;
    m_folders = new FolderSettings({ .Drive1 = Drive1,
                                     .Dir1 = Dir1,
                                     .Dir2 = Dir2,
                                     .txtDirectory = txtDirectory,
                                     .Text1 = Text1 },
                                   m_prompter, iniPath, this);
    if (!m_folders->load(error))
        return false;
    m_startBrief = m_savedBrief = brief();
    return true;
}

MissionBrief frmMain::brief() const
{
    MissionBrief b;
    b.missionName = txtMission->text();
    b.overviewText = crlfText(txtOverview);
    b.pictureSource = Text1->text();
    b.pictureWidth = txtPicWidth->text();
    b.pictureHeight = txtPicHeight->text();
    b.notesText = crlfText(txtHeader);
    b.briefingText = crlfText(txtBriefing);
    b.objectives.clear();
    for (int i = 0; i < List1->count(); ++i)
        b.objectives.append(List1->item(i)->text());
    b.objectiveCount = Label16->text();
    for (std::size_t i = 0; i < b.endings.size(); ++i)
        b.endings[i] = { txtEndHeader[i]->text(), txtEndBody[i]->text() };
    b.saveFolder = txtDirectory->text();
    return b;
}

void frmMain::setBrief(const MissionBrief &b)
{
    txtMission->setText(b.missionName);
    setCrlfText(txtOverview, b.overviewText);
    Text1->setText(b.pictureSource);
    setSizeBoxText(txtPicWidth, b.pictureWidth);
    setSizeBoxText(txtPicHeight, b.pictureHeight);
    setCrlfText(txtHeader, b.notesText);
    setCrlfText(txtBriefing, b.briefingText);
    List1->clear();
    List1->addItems(b.objectives);
    Label16->setText(QString::number(List1->count()));
    for (std::size_t i = 0; i < b.endings.size(); ++i) {
        txtEndHeader[i]->setText(b.endings[i].header);
        txtEndBody[i]->setText(b.endings[i].description);
    }
    txtDirectory->setText(b.saveFolder);
}

void frmMain::createFiles()
{
    // The list is left as the briefing writer leaves it before the success
    // message shows.
    const auto selectLastObjective = [this] {
        if (List1->count() == 0)
            return;
        List1->setCurrentRow(List1->count() - 1);
        List1->setFocus();
    };
    const CreateFilesOutcome outcome
        = ::createFiles(brief(), m_prompter, nativePathStyle(), selectLastObjective);
    if (outcome.result == CreateFilesOutcome::Result::Written) {
        m_savedBrief = brief();
        (void)keepDraft();
    }
    if (outcome.field)
        showField(*outcome.field);
}

// Shows the tabs that hold the field's control and returns it.
QWidget *frmMain::fieldControl(FieldRef ref)
{
    enum { SourceTab, PropertiesTab };
    const int ending = qBound(1, ref.index, int(txtEndHeader.size())) - 1;
    switch (ref.field) {
    case MissionField::MissionName:
        return txtMission;
    case MissionField::Overview:
        return txtOverview;
    case MissionField::PictureSource:
        SSTab3->setCurrentIndex(SourceTab);
        return File1;
    case MissionField::PictureWidth:
        SSTab3->setCurrentIndex(PropertiesTab);
        return txtPicWidth;
    case MissionField::PictureHeight:
        SSTab3->setCurrentIndex(PropertiesTab);
        return txtPicHeight;
    case MissionField::Notes:
        return txtHeader;
    case MissionField::Briefing:
        return txtBriefing;
    case MissionField::Objective:
        List1->setCurrentRow(ref.index - 1);
        return List1;
    case MissionField::EndHeader:
        SSTab2->setCurrentIndex(ending);
        return txtEndHeader[std::size_t(ending)];
    case MissionField::EndDescription:
        SSTab2->setCurrentIndex(ending);
        return txtEndBody[std::size_t(ending)];
    }
    return nullptr;
}

void frmMain::showField(FieldRef ref, int from, int to)
{
    QWidget *target = fieldControl(ref);
    if (!target)
        return;
    enum { OverviewTab, BriefingTab };
    SSTab1->setCurrentIndex(SSTab1->widget(OverviewTab)->isAncestorOf(target) ? OverviewTab
                                                                              : BriefingTab);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    focusTarget(target)->setFocus(Qt::OtherFocusReason);
    if (from < 0 || to < from)
        return;
    if (auto *line = qobject_cast<QLineEdit *>(target))
        line->setSelection(from, to - from);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(target))
        selectCrlfRange(text, from, to);
}

void frmMain::Pause(double seconds)
{
    m_pause(seconds);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // Enter reaches the window only from controls that do not use it
    // themselves; there it acts on the default button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (cmdMake->isEnabled())
            cmdMake->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::autoSizeLabels(std::initializer_list<QLabel *> labels)
{
    for (QLabel *label : labels)
        LabelSizer::track(label);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    return missionDropFiltered(event) || QWidget::eventFilter(watched, event);
}

QList<QWidget *> frmMain::tabOrder() const
{
    QList<QWidget *> order { txtMission,
                             txtOverview,
                             txtHeader,
                             txtBriefing,
                             txtObjective,
                             Command2,
                             txtEndHeader[0],
                             txtEndBody[0],
                             txtEndBody[1],
                             txtEndHeader[2],
                             txtEndBody[2],
                             SSTab2,
                             txtEndBody[3],
                             txtEndHeader[4],
                             txtEndBody[4],
                             txtEndHeader[5],
                             txtEndBody[5],
                             cmdClear,
                             cmdMake,
                             SSTab1,
                             txtEndHeader[1],
                             txtEndHeader[3],
                             Dir1,
                             Command1,
                             Command3,
                             List1,
                             Command4,
                             Command5,
                             Command6,
                             SSTab3,
                             Dir2,
                             File1,
                             txtPicHeight,
                             txtPicWidth,
                             Drive1,
                             txtDirectory,
                             Command7,
                             Text1 };
    for (QWidget *&control : order)
        control = focusTarget(control);
    return order;
}

bool frmMain::focusNextPrevChild(bool next)
{
    return stepFocus(tabOrder(), this, next) || QWidget::focusNextPrevChild(next);
}
