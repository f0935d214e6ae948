#include "frmmain.h"

#include "controls.h"
#include "createfiles.h"
#include "draftkeeper.h"
#include "drivelist.h"
#include "filelist.h"
#include "focusorder.h"
#include "folderlist.h"
#include "foldersettings.h"
#include "framefit.h"
#include "labelsizer.h"
#include "missionbrief.h"
#include "missiondocument.h"
#include "missionopener.h"
#include "multilinetext.h"
#include "pagepath.h"
#include "pause.h"
#include "picturebrowser.h"
#include "picturesizeboxes.h"
#include "recentmissions.h"
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
    setBackgroundRole(QPalette::Window);
    // The commands beyond the form sit in a menu bar above it; the form keeps
    // its size and its place on the screen.
    m_client = named(new QWidget(this), "clientArea");
    buildMenuBar();
    setupForm(m_client);
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
    m_document = new MissionDocument(
        [this](FieldRef field, MissionBrief &brief) { readField(field, brief); }, this);
    wireDocument();
    m_opener = new MissionOpener(this, *m_document, *File1, m_prompter);
    connect(m_opener, &MissionOpener::missionRead, this, &frmMain::putOpenedMission);
    connect(m_opener, &MissionOpener::pictureDropped, this,
            [this](const QString &file) { browsePicture(file, true); });
    m_drafts = new DraftKeeper(
        this, *m_document, m_recoverAction, [this] { return brief(); },
        [this](const MissionBrief &draft) { setBrief(draft); });
    m_document->started(brief());

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
    m_document->started(brief());
    return true;
}

MissionBrief frmMain::brief(const BoxTexts *fromBoxes) const
{
    MissionBrief b;
    for (const FieldRef field : recordFields()) {
        if (!fromBoxes || !fromBoxes->fromBox(field.field))
            readField(field, b);
    }
    b.saveFolder = txtDirectory->text();
    return b;
}

void frmMain::readField(FieldRef field, MissionBrief &b) const
{
    const auto ending = std::size_t(qBound(1, field.index, 6) - 1);
    switch (field.field) {
    case MissionField::MissionName:
        b.missionName = txtMission->text();
        break;
    case MissionField::Overview:
        b.overviewText = crlfText(txtOverview);
        break;
    case MissionField::PictureSource:
        b.pictureSource = Text1->text();
        break;
    case MissionField::PictureWidth:
        b.pictureWidth = txtPicWidth->text();
        break;
    case MissionField::PictureHeight:
        b.pictureHeight = txtPicHeight->text();
        break;
    case MissionField::Notes:
        b.notesText = crlfText(txtHeader);
        break;
    case MissionField::Briefing:
        b.briefingText = crlfText(txtBriefing);
        break;
    case MissionField::Objective:
        b.objectives.clear();
        for (int i = 0; i < List1->count(); ++i)
            b.objectives.append(List1->item(i)->text());
        b.objectiveCount = Label16->text();
        break;
    case MissionField::EndHeader:
        b.endings[ending].header = txtEndHeader[ending]->text();
        break;
    case MissionField::EndDescription:
        b.endings[ending].description = txtEndBody[ending]->text();
        break;
    }
}

// Every control that holds a field of the record tells the document when it
// changes, typed or set by code.
void frmMain::wireDocument()
{
    const auto report = [document = m_document](FieldRef field) {
        return [document, field] { document->fieldEdited(field); };
    };
    const std::pair<QLineEdit *, MissionField> lines[] {
        { txtMission, MissionField::MissionName },
        { Text1, MissionField::PictureSource },
        { txtPicWidth, MissionField::PictureWidth },
        { txtPicHeight, MissionField::PictureHeight },
    };
    for (const auto &[line, field] : lines)
        connect(line, &QLineEdit::textChanged, m_document, report({ field }));
    for (int n = 1; n <= 6; ++n) {
        connect(txtEndHeader[std::size_t(n - 1)], &QLineEdit::textChanged, m_document,
                report({ MissionField::EndHeader, n }));
        connect(txtEndBody[std::size_t(n - 1)], &QLineEdit::textChanged, m_document,
                report({ MissionField::EndDescription, n }));
    }
    const std::pair<QPlainTextEdit *, MissionField> texts[] {
        { txtOverview, MissionField::Overview },
        { txtHeader, MissionField::Notes },
        { txtBriefing, MissionField::Briefing },
    };
    for (const auto &[text, field] : texts)
        connect(text, &QPlainTextEdit::textChanged, m_document, report({ field }));
    connectItemChanges(List1, m_document, report({ MissionField::Objective }));
}

void frmMain::setBrief(MissionBrief b)
{
    setLineText(txtMission, b.missionName);
    setCrlfText(txtOverview, std::move(b.overviewText));
    setLineText(Text1, b.pictureSource);
    setSizeBoxText(txtPicWidth, b.pictureWidth);
    setSizeBoxText(txtPicHeight, b.pictureHeight);
    setCrlfText(txtHeader, std::move(b.notesText));
    setCrlfText(txtBriefing, std::move(b.briefingText));
    List1->clear();
    List1->addItems(b.objectives);
    Label16->setText(QString::number(List1->count()));
    for (std::size_t i = 0; i < b.endings.size(); ++i) {
        setLineText(txtEndHeader[i], b.endings[i].header);
        setLineText(txtEndBody[i], b.endings[i].description);
    }
    setLineText(txtDirectory, b.saveFolder);
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
    const BoxTexts boxes { { MissionField::Overview, txtOverview },
                           { MissionField::Notes, txtHeader },
                           { MissionField::Briefing, txtBriefing } };
    const MissionBrief record = brief(&boxes);
    const CreateFilesOutcome outcome
        = ::createFiles(record, m_prompter, nativePathStyle(), selectLastObjective, boxes.texts());
    if (outcome.result == CreateFilesOutcome::Result::Written) {
        m_document->written(boxes.written(record));
        if (m_recent)
            m_recent->add(record.saveFolder);
        (void)m_drafts->keep();
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

void frmMain::openMission(const QString &folder)
{
    m_opener->open(folder);
}

void frmMain::setFolderChooser(FolderChooser chooser)
{
    m_opener->setFolderChooser(std::move(chooser));
}

void frmMain::putOpenedMission(MissionBrief &opened, const QString &folder)
{
    // The texts it replaces are kept as a draft; Recover Texts brings them back.
    (void)m_drafts->setTextsAside();
    const RecordDigest record(opened);
    const QString picture = pictureFile(opened.pictureSource, folder);
    // The opened texts move into the boxes: a large page is not held twice.
    setBrief(std::move(opened));
    if (m_folders)
        m_folders->moveSaveFolder(folder);
    browsePicture(picture, false);
    m_picture->showQuietly(picture);
    m_document->opened(record);
    if (m_recent)
        m_recent->add(folder);
    (void)m_drafts->keep();
    SSTab1->setCurrentIndex(0);
    txtMission->setFocus();
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

void frmMain::setDraftStore(DraftStore *drafts)
{
    m_drafts->setStore(drafts);
}

void frmMain::recoverTexts()
{
    m_drafts->recover();
}
