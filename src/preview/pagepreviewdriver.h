#pragma once

#include "missionbrief.h"
#include "pagechecks.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class frmPagePreview;
class QAction;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;
struct PageLine;

// The main window's controls the preview reads: every field of the record,
// and the two tabs that hold them.
struct PreviewControls
{
    QLineEdit *txtMission = nullptr;
    QPlainTextEdit *txtOverview = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *txtPicWidth = nullptr;
    QLineEdit *txtPicHeight = nullptr;
    QLineEdit *txtDirectory = nullptr;
    QPlainTextEdit *txtHeader = nullptr;
    QPlainTextEdit *txtBriefing = nullptr;
    QLineEdit *txtObjective = nullptr;
    QListWidget *List1 = nullptr;
    std::array<QLineEdit *, 6> txtEndHeader {};
    std::array<QLineEdit *, 6> txtEndBody {};
    QWidget *overviewTab = nullptr;
    QWidget *briefingTab = nullptr;
};

// Drives the one page preview of a main window: creates it on first use,
// tells it of every change of the record and of where the user writes, and
// shows or hides it.
class PagePreviewDriver : public QObject
{
    Q_OBJECT
public:
    using BriefSource = std::function<MissionBrief()>;
    using FieldShower = std::function<void(const Finding &)>;

    PagePreviewDriver(QWidget *mainWindow, const PreviewControls &controls, BriefSource brief,
                      FieldShower showField);
    ~PagePreviewDriver() override;

    // The program's commands, whose shortcuts work in the preview too.
    void setSharedActions(const QList<QAction *> &actions);

    // "Preview Pages": shows the preview, un-minimized and raised, without
    // taking the keyboard; hides it when it is shown and active.
    void toggle();
    // Shows the preview without taking the keyboard.
    void show();

    [[nodiscard]] frmPagePreview *preview() const;

Q_SIGNALS:
    void visibilityChanged(bool visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wire();
    void changed();
    void follow();
    [[nodiscard]] std::optional<PageLine> writtenLine() const;

    QWidget *m_mainWindow;
    PreviewControls m_controls;
    BriefSource m_brief;
    FieldShower m_showField;
    QList<QAction *> m_actions;
    // A top-level window of its own: disabling the main window leaves it
    // usable. It goes with the main window.
    QPointer<frmPagePreview> m_preview;
    QElapsedTimer m_shown;
    bool m_keyboardBack = false;
};
