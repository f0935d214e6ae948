#pragma once

#include "missionbrief.h"
#include "pagechecks.h"
#include "pagelines.h"
#include "previewbuilder.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class ChecksModel;
class QLabel;
class QListView;
class QModelIndex;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QTimer;
class QUrl;

// Both pages as the game will show them, rendered from the bytes "Create
// Files" would write now, with what will go wrong listed below them. The
// window reads the record through a callback and points at a field through
// another, so it knows nothing of the main window. Pages are built on a
// thread of their own: typing never waits for them.
class frmPagePreview : public QWidget
{
    Q_OBJECT
public:
    using BriefSource = std::function<MissionBrief()>;
    using FieldShower = std::function<void(const Finding &)>;

    explicit frmPagePreview(BriefSource brief, FieldShower showField, QWidget *parent = nullptr);
    ~frmPagePreview() override;

    // Takes the size, place, page and splitter the window had when it was
    // last hidden; false when it has none yet.
    bool restoreLayout();
    // Puts the window beside `mainWindow`: right of it where the screen
    // allows, else left of it, else over it.
    void placeBeside(const QWidget *mainWindow);

    // A change of the record: the pages follow once changes pause, so a burst
    // of keystrokes costs one refresh.
    void scheduleRefresh();
    // Rebuilds the checks and the shown page from the record now, on this
    // thread.
    void refresh();
    // Where the user writes: the page that holds it is shown, and each
    // refresh scrolls to that line.
    void follow(PageLine target);

    [[nodiscard]] int refreshCount() const { return m_refreshCount; }

Q_SIGNALS:
    void refreshed();
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum Page { OverviewPage, BriefingPage, PageCount };

    void requestPage(int page, bool now);
    void apply(const std::shared_ptr<PreviewResult> &result);
    void scrollToTarget(int page, int position);
    void scrollTo(int page, int value);
    void showState();
    void openLink(const QUrl &url);
    void hoverLink(const QUrl &url);
    void showFinding(const QModelIndex &index);
    void saveLayout() const;
    [[nodiscard]] PreviewJob job(int page);

    QLabel *lblPageState = nullptr;
    QSplitter *splPreview = nullptr;
    QTabWidget *tabPages = nullptr;
    std::array<QTextBrowser *, PageCount> m_browsers {};
    QLabel *lblChecks = nullptr;
    QListView *lstChecks = nullptr;
    QStatusBar *m_status = nullptr;

    BriefSource m_brief;
    FieldShower m_showField;
    ChecksModel *m_checks = nullptr;
    PreviewBuilder *m_builder = nullptr;
    QTimer *m_timer = nullptr;
    QTimer *m_slow = nullptr; // a build that takes long is shown as such
    quint64 m_generation = 0;
    std::array<quint64, PageCount> m_pending {};
    std::array<bool, PageCount> m_stale {};
    std::array<PageSource, PageCount> m_shown {};
    std::array<std::unique_ptr<PreviewDocument>, PageCount> m_documents {};
    std::array<int, PageCount> m_wantedScroll { -1, -1 };
    std::array<bool, PageCount> m_cut {};
    std::array<bool, PageCount> m_tooComplex {};
    PageLine m_target;
    bool m_following = false;
    bool m_waiting = false; // a build was asked for and has not come back
    int m_refreshCount = 0;
};
