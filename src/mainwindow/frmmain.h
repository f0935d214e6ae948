#pragma once

#include "mainform.h"
#include "missionbrief.h"
#include "missionfield.h"
#include "missionopener.h"
#include "pause.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <initializer_list>

class BoxTexts;
class DraftKeeper;
class DraftStore;
class FolderSettings;
class MissionDocument;
class ObjectivesEditor;
class PagePreviewDriver;
class PictureBrowser;
class PictureSizeBoxes;
class Prompter;
class QLabel;
class QAction;
class QMenu;
class QMenuBar;
class RecentMissions;
class QTimer;

// The main window. It holds every field of the mission as a control and hands
// the controls each command needs to the rule that carries it out.
class frmMain : public QWidget, private MainForm
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

    // The mission as the controls hold it now, without the texts fromBoxes
    // takes from their boxes.
    [[nodiscard]] MissionBrief brief(const BoxTexts *fromBoxes = nullptr) const;
    // Puts a mission into the controls through the paths a user's edits take:
    // the size boxes' change handling runs and the count follows the list.
    // A text that is the only copy moves into its box without a second one.
    void setBrief(MissionBrief brief);

    // "Create Files": checks and writes the pages, or takes the user to the
    // field a check refused.
    void createFiles();

    // "Preview Pages": shows the one page preview beside the window without
    // taking the keyboard, or hides it when it is shown and active.
    void openPagePreview();
    // Takes the user to a field: the window comes up, the tabs that hold the
    // field show, and the field takes the focus with [from, to) selected when
    // given, counted in the field's text as the record holds it.
    void showField(FieldRef ref, int from = -1, int to = -1);
    // Opens the mission whose pages are in folder, as the command line, a
    // drop and "Open Mission..." do: the pages fill every field and folder
    // becomes the save folder. Boxes tell why when nothing changes.
    void openMission(const QString &folder);
    using FolderChooser = MissionOpener::FolderChooser;
    void setFolderChooser(FolderChooser chooser);

    // The mission beyond the controls: the record last written or opened and
    // the fields edited since.
    [[nodiscard]] MissionDocument *document() const { return m_document; }

    // Where the window keeps its unwritten texts; none keeps nothing.
    void setDraftStore(DraftStore *drafts);
    // "Recover Texts...": the drafts, one of which may replace the texts.
    void recoverTexts();
    // The missions "Open Recent" lists; none lists nothing.
    void setRecentMissions(RecentMissions *recent);

    // Waits `seconds` while the window's events go on being handled.
    void Pause(double seconds);

    // The controls in the order the Tab key visits them, each as the widget
    // that takes the focus for it.
    [[nodiscard]] QList<QWidget *> tabOrder() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildMenuBar();
    void wireCommands();
    void wirePreview();
    void wireDocument();
    void readField(FieldRef field, MissionBrief &brief) const;
    void putOpenedMission(MissionBrief &opened, const QString &folder);
    // Moves the picture lists to file's folder and selects it there; a chosen
    // file is then taken as a click on it takes it.
    void browsePicture(const QString &file, bool choose);
    void fillRecentMenu();
    void openRecent(const QString &folder);
    [[nodiscard]] QWidget *fieldControl(FieldRef ref);
    void autoSizeLabels(std::initializer_list<QLabel *> labels);

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr; // the form, below the menu bar

    Prompter &m_prompter;
    std::function<void(double)> m_pause;
    FolderSettings *m_folders = nullptr;
    ObjectivesEditor *m_objectives = nullptr;
    PictureSizeBoxes *m_sizes = nullptr;
    PictureBrowser *m_picture = nullptr;
    PagePreviewDriver *m_preview = nullptr;
    MissionDocument *m_document = nullptr;
    MissionOpener *m_opener = nullptr;
    QAction *m_recoverAction = nullptr;
    DraftKeeper *m_drafts = nullptr;
    RecentMissions *m_recent = nullptr;
    QMenu *m_recentMenu = nullptr;
};
