#pragma once

#include <QStringList>

#include <array>

class ClickableLabel;
class DriveList;
class FileList;
class FolderList;
class ImageBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStyle;
class QTabWidget;
class QWidget;

// The main window's form: every control of its client area with its name,
// caption, font and place from the window's layout tables, as a form designer
// builds it. frmMain inherits it privately, so the controls are the window's
// own private members; the form holds no behaviour and no values.
class MainForm
{
public:
    // The resources of the pictures the form shows.
    [[nodiscard]] static QStringList pictures();

protected:
    void setupForm(QWidget *client);

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

private:
    void buildOverviewTab(QWidget *page);
    void buildPictureTabs();
    void buildBriefingTab(QWidget *page);
    void buildEndingTabs();

    QStyle *m_tabStyle = nullptr;
};
