#pragma once

#include "missionbrief.h"
#include "pagechecks.h"

#include <QByteArray>
#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QTimer;
class QUrl;

// Both pages as the game will show them, rendered from the bytes "Create
// Files" would write now, with what will go wrong listed below them. The
// window reads the record through a callback and points at a field through
// another, so it knows nothing of the main window.
class frmPagePreview : public QWidget
{
    Q_OBJECT
public:
    using BriefSource = std::function<MissionBrief()>;
    using FieldShower = std::function<void(const Finding &)>;

    explicit frmPagePreview(BriefSource brief, FieldShower showField, QWidget *parent = nullptr);
    ~frmPagePreview() override;

    // Puts the window beside `mainWindow`: right of it where the screen
    // allows, else left of it, else over it.
    void placeBeside(const QWidget *mainWindow);

    // A change of the record: the pages follow once changes pause, so a burst
    // of keystrokes costs one refresh.
    void scheduleRefresh();
    // Rebuilds the checks and the shown page from the record now.
    void refresh();

    [[nodiscard]] int refreshCount() const { return m_refreshCount; }

Q_SIGNALS:
    void refreshed();

private:
    enum Page { OverviewPage, BriefingPage, PageCount };

    // What a page browser shows: the page's bytes and where its picture
    // comes from.
    struct RenderedPage
    {
        QByteArray bytes;
        QString folder;
        QDateTime pictureTime;
        bool operator==(const RenderedPage &) const = default;
    };

    void renderPage(int page);
    void showChecks(const QList<Finding> &findings);
    void openLink(const QUrl &url);
    void showFinding(QListWidgetItem *item);

    QTabWidget *tabPages = nullptr;
    std::array<QTextBrowser *, PageCount> m_browsers {};
    QLabel *lblChecks = nullptr;
    QListWidget *lstChecks = nullptr;
    QStatusBar *m_status = nullptr;

    BriefSource m_brief;
    FieldShower m_showField;
    QTimer *m_timer = nullptr;
    MissionBrief m_shown; // the record the pages were last built from
    std::array<bool, PageCount> m_stale {};
    std::array<RenderedPage, PageCount> m_rendered {};
    QDateTime m_pictureTime;
    QList<Finding> m_findings;
    int m_refreshCount = 0;
};
