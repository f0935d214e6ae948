#pragma once

#include "missionbrief.h"
#include "missionfield.h"
#include "pause.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>

class ClickableLabel;
class PagePreviewDriver;
class DraftStore;
class DriveList;
class FileList;
class FolderList;
class ImageBox;
class ObjectivesEditor;
class PictureBrowser;
class PictureSizeBoxes;
class Prompter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStyle;
class QAction;
class QTimer;
class QTabWidget;
class FolderSettings;

// The main window. It holds every field of the mission as a control and hands
// the controls each command needs to the rule that carries it out.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    // `pause` waits while events go on being handled; tests pass one that
    // returns at once.
    explicit frmMain(Prompter &prompter, std::function<void(double)> pause = pauseFor,
                     QWidget *parent = nullptr);
    ~frmMain() override;

    // The load handler: reads the settings file at `iniPath` and points the
    // folder lists at the remembered folder. False when the file is missing
    // or unreadable; `error` then says why.
    [[nodiscard]] bool load(const QString &iniPath, QString *error);

    // The mission as the controls hold it now.
    [[nodiscard]] MissionBrief brief() const;
    // Puts a mission into the controls through the paths a user's edits take:
    // the size boxes' change handling runs and the count follows the list.
    void setBrief(const MissionBrief &brief);

    // "Create Files": checks and writes the pages, then shows the tab and
    // focus the outcome asks for.
    void createFiles();

    // "Preview Pages": opens the one page preview beside the window, or
    // raises it.
    void openPagePreview();
    // Takes the user to a field: the window comes up, the tabs that hold the
    // field show, and the field takes the focus with [from, to) selected when
    // given, counted in the field's text as the record holds it.
    void showField(FieldRef ref, int from = -1, int to = -1);
    // Opens the mission whose pages are in folder (the command line, a drop
    // and "Open Mission..." come here): the pages fill every field and folder
    // becomes the save folder. Boxes tell why when nothing changes.
    void openMission(const QString &folder);

    // Asks for the folder "Open Mission..." opens, starting at start; empty
    // when the user cancels.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &start)>;
    void setFolderChooser(FolderChooser chooser);

    // Where the window keeps its unwritten texts; none keeps nothing.
    void setDraftStore(DraftStore *drafts);
    // "Recover Texts...": the drafts, one of which may replace the texts.
    void recoverTexts();

    // Waits `seconds` while the window's events go on being handled.
    void Pause(double seconds);

    // The controls in the order the Tab key visits them, each as the widget
    // that takes the focus for it.
    [[nodiscard]] QList<QWidget *> tabOrder() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenuBar();
    void buildWindow();
    void buildOverviewTab(QWidget *page);
    void buildPictureTabs();
    void buildBriefingTab(QWidget *page);
    void buildEndingTabs();
    void wireCommands();
    void wirePreview();
    void chooseMission();
    void catchMissionDrops();
    bool missionDropFiltered(QEvent *event);
    [[nodiscard]] QWidget *fieldControl(FieldRef ref);
    void watchTexts();
    bool keepDraft();
    // Keeps the unwritten texts as a draft of their own, before they are
    // replaced. False when they could not be kept.
    bool setTextsAside();
    void updateRecoverCommand();
    void autoSizeLabels(std::initializer_list<QLabel *> labels);

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr; // the form, below the menu bar

    // Window
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    ImageBox *Image1 = nullptr;
    ImageBox *Image2 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdMake = nullptr;
    QLineEdit *Text1 = nullptr;

    // Tab "Overview"
    QGroupBox *fraMissionName = nullptr;
    QLineEdit *txtMission = nullptr;
    QGroupBox *fraOverview = nullptr;
    QPlainTextEdit *txtOverview = nullptr;
    QGroupBox *fraSave = nullptr;
    QLineEdit *txtDirectory = nullptr;
    DriveList *Drive1 = nullptr;
    FolderList *Dir1 = nullptr;
    QGroupBox *fraPicture = nullptr;
    QTabWidget *SSTab3 = nullptr;
    ClickableLabel *Label15 = nullptr;

    // Tab "Picture Source" of SSTab3
    FolderList *Dir2 = nullptr;
    FileList *File1 = nullptr;

    // Tab "Picture Properites" of SSTab3
    QGroupBox *fraPreview = nullptr;
    ImageBox *imgPicPreview = nullptr;
    QGroupBox *fraPicprop = nullptr;
    QLabel *Label20 = nullptr;
    QLineEdit *txtPicWidth = nullptr;
    QLabel *Label19 = nullptr;
    QLineEdit *txtPicHeight = nullptr;
    ClickableLabel *lblWarning = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *lblPicWidth = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *lblPicHeight = nullptr;

    // Tab "Briefing"
    QGroupBox *fraHeader = nullptr;
    QPlainTextEdit *txtHeader = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QGroupBox *fraBreifing = nullptr;
    QPlainTextEdit *txtBriefing = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QGroupBox *fraObjectives = nullptr;
    QLineEdit *txtObjective = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command6 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label16 = nullptr;
    QTabWidget *SSTab2 = nullptr;

    // Tabs "End 1" to "End 6" of SSTab2: txtEnd1Header .. txtEnd6Header,
    // txtEnd1Body .. txtEnd6Body.
    std::array<QLineEdit *, 6> txtEndHeader {};
    std::array<QLineEdit *, 6> txtEndBody {};

    Prompter &m_prompter;
    std::function<void(double)> m_pause;
    FolderSettings *m_folders = nullptr;
    ObjectivesEditor *m_objectives = nullptr;
    PictureSizeBoxes *m_sizes = nullptr;
    PictureBrowser *m_picture = nullptr;
    QStyle *m_tabStyle = nullptr;
    PagePreviewDriver *m_preview = nullptr;
    FolderChooser m_chooseFolder;
    DraftStore *m_drafts = nullptr;
    QTimer *m_draftTimer = nullptr;
    QAction *m_recoverAction = nullptr;
    // The record after start-up, and the one last written or opened: texts
    // that differ from the latter are unsaved.
    MissionBrief m_startBrief;
    MissionBrief m_savedBrief;
};
