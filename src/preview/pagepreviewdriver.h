#pragma once

#include "missionbrief.h"
#include "pagechecks.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class frmPagePreview;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

// The main window's controls the preview reads: every field of the record.
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
    QListWidget *List1 = nullptr;
    std::array<QLineEdit *, 6> txtEndHeader {};
    std::array<QLineEdit *, 6> txtEndBody {};
};

// Drives the one page preview of a main window: creates it on first use,
// tells it of every change of the record.
class PagePreviewDriver : public QObject
{
    Q_OBJECT
public:
    using BriefSource = std::function<MissionBrief()>;
    using FieldShower = std::function<void(const Finding &)>;

    PagePreviewDriver(QWidget *mainWindow, const PreviewControls &controls, BriefSource brief,
                      FieldShower showField);
    ~PagePreviewDriver() override;

    // "Preview Pages": opens the preview beside the main window, or raises it.
    void show();

    [[nodiscard]] frmPagePreview *preview() const;

private:
    void wire();
    void changed();

    QWidget *m_mainWindow;
    PreviewControls m_controls;
    BriefSource m_brief;
    FieldShower m_showField;
    QPointer<frmPagePreview> m_preview;
};
