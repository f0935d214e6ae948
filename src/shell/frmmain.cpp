#include "frmmain.h"

#include "createfiles.h"
#include "drivelist.h"
#include "filelist.h"
#include "folderlist.h"
#include "framefit.h"
#include "labelsizer.h"
#include "missionbrief.h"
#include "multilinetext.h"
#include "pause.h"
#include "placement.h"
#include "shellfolders.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

// The pictures live in the shell library, which is linked statically.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

frmMain::frmMain(Prompter &prompter, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillmark"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark-32.png")));
    setBackgroundRole(QPalette::Window);
    initResources();
    buildWindow();
    autoSizeLabels(
        { Label20, Label19, Label21, lblPicWidth, Label23, lblPicHeight, Label17, Label16 });
    keepInsideFrames(this);

    // The client area's corner sits at a fixed place on the screen.
    const QRect client = Twips::toPixels(480, 975, 5535, 7920);
    setGeometry(client);
    setFixedSize(client.size());

    // Both lists start at the working folder.
    File1->setPattern(QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg"));
    connect(Dir2, &FolderList::changed, File1, &FileList::setPath);
    connect(cmdMake, &QPushButton::clicked, this, &frmMain::createFiles);
    wireCommands();

    txtMission->setFocus();
}

frmMain::~frmMain() = default;

bool frmMain::load(const QString &iniPath, QString *error)
{
    delete m_folders;
    m_folders
        = new ShellFolders(Drive1, Dir1, Dir2, txtDirectory, Text1, m_prompter, iniPath, this);
    return m_folders->load(error);
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
    applyOutcome(::createFiles(brief(), m_prompter, nativePathStyle(), selectLastObjective));
}

void frmMain::applyOutcome(const CreateFilesOutcome &outcome)
{
    if (outcome.mainTab >= 0)
        SSTab1->setCurrentIndex(outcome.mainTab);
    if (outcome.pictureTab >= 0)
        SSTab3->setCurrentIndex(outcome.pictureTab);
    switch (outcome.focus) {
    case CreateFilesOutcome::Field::MissionName:
        txtMission->setFocus();
        break;
    case CreateFilesOutcome::Field::PictureWidth:
        txtPicWidth->setFocus();
        break;
    case CreateFilesOutcome::Field::PictureHeight:
        txtPicHeight->setFocus();
        break;
    case CreateFilesOutcome::Field::None:
        break;
    }
}

void frmMain::Pause(double seconds)
{
    pauseFor(seconds);
}

void frmMain::registerFontSubstitutes()
{
    const QStringList sans { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") };
    QFont::insertSubstitutions(QStringLiteral("Arial Narrow"),
                               { QStringLiteral("Liberation Sans Narrow") });
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("News Gothic MT"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // No free face is as heavy; asked for at black weight, DejaVu Sans comes
    // closest with its bold face.
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
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

namespace {

// The widget that takes the focus for a control: a compound control is
// reached through its focusable part.
QWidget *focusTarget(QWidget *control)
{
    if (control->focusPolicy() & Qt::TabFocus)
        return control;
    if (control->focusProxy())
        return control->focusProxy();
    const auto children = control->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            return child;
    }
    return control;
}

} // namespace

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
    // Qt's focus chain treats a tabbed container as one compound widget and
    // would drag every control on its pages along with it; the order here
    // interleaves the pages' controls, so the window steps through it itself.
    const QList<QWidget *> order = tabOrder();
    qsizetype at = -1;
    for (QWidget *w = QApplication::focusWidget(); w && at < 0 && w != this; w = w->parentWidget())
        at = order.indexOf(w);
    if (at < 0)
        return QWidget::focusNextPrevChild(next);
    const qsizetype n = order.size();
    for (qsizetype step = 1; step < n; ++step) {
        QWidget *candidate = order[((next ? at + step : at - step) % n + n) % n];
        if (candidate->isVisible() && candidate->isEnabled()
            && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}
