#include "frmpagepreview.h"

#include "checksmodel.h"
#include "controls.h"
#include "settingslocation.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int refreshDelayMs = 150;
constexpr int slowBuildMs = 500;
constexpr int messageMs = 5000;

// The program's own configuration, never the game's settings file.
QSettings programSettings()
{
    return QSettings(programConfigFile(), QSettings::IniFormat);
}

// Right of the main window where the screen has room, else left of it, else
// over it, kept on the screen.
QPoint besideWindow(const QRect &mainFrame, const QSize &size, const QRect &screen)
{
    const int top = qBound(screen.top(), mainFrame.top(),
                           qMax(screen.top(), screen.bottom() - size.height()));
    if (mainFrame.right() + 1 + size.width() <= screen.right() + 1)
        return { mainFrame.right() + 1, top };
    if (mainFrame.left() - size.width() >= screen.left())
        return { mainFrame.left() - size.width(), top };
    return { qMax(screen.left(), screen.right() + 1 - size.width()), top };
}

QString markerName(const QUrl &url)
{
    return url.scheme() == QLatin1String("marker") ? url.path(QUrl::FullyDecoded) : QString();
}

} // namespace

frmPagePreview::frmPagePreview(BriefSource brief, FieldShower showField, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_brief(std::move(brief))
    , m_showField(std::move(showField))
{
    setObjectName(QStringLiteral("frmPagePreview"));
    setWindowTitle(tr("Page Preview"));
    // Opening the preview leaves the keyboard where the user writes.
    setAttribute(Qt::WA_ShowWithoutActivating);

    lblPageState = named(new QLabel(this), "lblPageState");
    lblPageState->setTextFormat(Qt::PlainText);
    lblPageState->setWordWrap(true);
    lblPageState->hide();

    splPreview = named(new QSplitter(Qt::Vertical, this), "splPreview");
    splPreview->setChildrenCollapsible(false);
    tabPages = named(new QTabWidget(splPreview), "tabPages");
    const std::array<const char *, PageCount> names { "brwOverview", "brwBriefing" };
    const std::array<QString, PageCount> captions { tr("&Overview"), tr("&Briefing") };
    const std::array<QString, PageCount> pageNames { tr("Overview Page"), tr("Briefing Page") };
    for (int page = 0; page < PageCount; ++page) {
        auto *browser = named(new QTextBrowser(tabPages), names[page]);
        browser->setAccessibleName(pageNames[page]);
        browser->setOpenLinks(false);
        browser->setOpenExternalLinks(false);
        // A scroll bar that comes and goes lays a long page out twice.
        browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // The layout of a long page runs in steps after it is shown and the
        // scroll range grows with it: the wanted place is taken once the
        // range reaches it, unless the reader scrolled meanwhile.
        QScrollBar *bar = browser->verticalScrollBar();
        connect(bar, &QScrollBar::rangeChanged, this, [this, page, bar](int, int maximum) {
            if (m_wantedScroll[page] >= 0 && m_wantedScroll[page] <= maximum)
                bar->setValue(std::exchange(m_wantedScroll[page], -1));
        });
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, page] { m_wantedScroll[page] = -1; });
        connect(browser, &QTextBrowser::anchorClicked, this, &frmPagePreview::openLink);
        connect(browser, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
                &frmPagePreview::hoverLink);
        tabPages->addTab(browser, captions[page]);
        m_browsers[page] = browser;
    }
    connect(tabPages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page >= 0 && page < PageCount && m_stale[page])
            requestPage(page, false);
        showState();
    });

    auto *checksPane = new QWidget(splPreview);
    lblChecks = named(new QLabel(tr("C&hecks"), checksPane), "lblChecks");
    m_checks = new ChecksModel(this);
    lstChecks = named(new QListView(checksPane), "lstChecks");
    lstChecks->setAccessibleName(tr("Checks"));
    lstChecks->setModel(m_checks);
    lstChecks->setWordWrap(true);
    lstChecks->setResizeMode(QListView::Adjust);
    lstChecks->setLayoutMode(QListView::Batched);
    lstChecks->setBatchSize(200);
    lstChecks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstChecks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblChecks->setBuddy(lstChecks);
    connect(lstChecks, &QListView::activated, this, &frmPagePreview::showFinding);
    auto *checksLayout = new QVBoxLayout(checksPane);
    checksLayout->setContentsMargins(0, 0, 0, 0);
    checksLayout->addWidget(lblChecks);
    checksLayout->addWidget(lstChecks);
    splPreview->addWidget(tabPages);
    splPreview->addWidget(checksPane);
    splPreview->setStretchFactor(0, 3);
    splPreview->setStretchFactor(1, 1);

    m_status = named(new QStatusBar(this), "statusBar");
    m_status->setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(lblPageState);
    layout->addWidget(splPreview, 1);
    layout->addWidget(m_status);
    resize(560, 680);

    for (const QKeySequence &keys :
         { QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W) })
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    m_builder = new PreviewBuilder(this);
    connect(m_builder, &PreviewBuilder::built, this, &frmPagePreview::apply);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(refreshDelayMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_stale.fill(true);
        requestPage(tabPages->currentIndex(), false);
    });
    m_slow = new QTimer(this);
    m_slow->setSingleShot(true);
    m_slow->setInterval(slowBuildMs);
    connect(m_slow, &QTimer::timeout, this, &frmPagePreview::showState);

    m_stale.fill(true);
    requestPage(tabPages->currentIndex(), false);
}

// The browsers go before the documents they show, and the builder's thread
// ends before either.
frmPagePreview::~frmPagePreview()
{
    delete splPreview;
    delete m_builder;
}

bool frmPagePreview::restoreLayout()
{
    QSettings settings = programSettings();
    settings.beginGroup(QStringLiteral("PagePreview"));
    splPreview->restoreState(settings.value(QStringLiteral("splitter")).toByteArray());
    const int page = settings.value(QStringLiteral("page"), -1).toInt();
    if (page >= 0 && page < PageCount)
        tabPages->setCurrentIndex(page);
    return restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
}

void frmPagePreview::saveLayout() const
{
    QSettings settings = programSettings();
    settings.beginGroup(QStringLiteral("PagePreview"));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("splitter"), splPreview->saveState());
    settings.setValue(QStringLiteral("page"), tabPages->currentIndex());
}

void frmPagePreview::placeBeside(const QWidget *mainWindow)
{
    const QScreen *screen = mainWindow->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is not known before the window is shown; assume the main
    // window's decorations.
    const QSize decorations = mainWindow->frameGeometry().size() - mainWindow->size();
    const QSize frame(qMin(width() + decorations.width(), area.width()),
                      qMin(height() + decorations.height(), area.height()));
    resize(frame - decorations);
    move(besideWindow(mainWindow->frameGeometry(), frame, area));
}

void frmPagePreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Q_EMIT visibilityChanged(true);
}

void frmPagePreview::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        saveLayout();
        Q_EMIT visibilityChanged(false);
    }
}

void frmPagePreview::scheduleRefresh()
{
    m_timer->start();
}

void frmPagePreview::refresh()
{
    m_timer->stop();
    m_stale.fill(true);
    requestPage(tabPages->currentIndex(), true);
}

void frmPagePreview::follow(PageLine target)
{
    const bool changed = !m_following || !(target == m_target);
    m_target = target;
    m_following = true;
    const int page = target.page == PageLine::Page::Overview ? OverviewPage : BriefingPage;
    if (tabPages->currentIndex() != page)
        tabPages->setCurrentIndex(page);
    if (changed)
        scheduleRefresh();
}

PreviewJob frmPagePreview::job(int page)
{
    PreviewJob job;
    job.generation = ++m_generation;
    job.brief = m_brief();
    job.page = page == OverviewPage ? PageLine::Page::Overview : PageLine::Page::Briefing;
    job.targetLine = m_following && m_target.page == job.page ? m_target.line : -1;
    job.font = m_browsers[page]->font();
    job.shown = m_shown[page];
    return job;
}

// Only the page in view is built; the other follows when it is shown.
void frmPagePreview::requestPage(int page, bool now)
{
    if (page < 0 || page >= PageCount)
        return;
    m_stale[page] = false;
    PreviewJob wanted = job(page);
    m_pending[page] = wanted.generation;
    if (now) {
        apply(m_builder->buildNow(wanted));
        return;
    }
    if (!m_waiting)
        m_slow->start();
    m_waiting = true;
    m_builder->request(std::move(wanted));
}

void frmPagePreview::apply(const std::shared_ptr<PreviewResult> &result)
{
    const int page = result->page == PageLine::Page::Overview ? OverviewPage : BriefingPage;
    // A build that a newer edit made stale is dropped.
    if (result->generation != m_pending[page]) {
        m_builder->discard(std::move(result->built.document));
        return;
    }
    m_slow->stop();
    m_waiting = false;
    m_checks->setFindings(result->findings);
    if (!result->unchanged) {
        QTextBrowser *browser = m_browsers[page];
        const int vertical = browser->verticalScrollBar()->value();
        const int horizontal = browser->horizontalScrollBar()->value();
        m_shown[page] = result->source;
        m_cut[page] = result->built.cut;
        m_tooComplex[page] = result->built.tooComplex;
        std::unique_ptr<PreviewDocument> old
            = std::exchange(m_documents[page], std::move(result->built.document));
        if (!m_documents[page])
            m_documents[page] = std::make_unique<PreviewDocument>(QString());
        browser->setDocument(m_documents[page].get());
        m_builder->discard(std::move(old));
        browser->horizontalScrollBar()->setValue(horizontal);
        if (result->built.targetPosition >= 0)
            scrollToTarget(page, result->built.targetPosition);
        else
            scrollTo(page, vertical);
    }
    showState();
    ++m_refreshCount;
    Q_EMIT refreshed();
}

// Brings the target line into view, a third down the page, unless it is in
// view already.
void frmPagePreview::scrollToTarget(int page, int position)
{
    QTextBrowser *browser = m_browsers[page];
    QTextCursor cursor(browser->document());
    cursor.setPosition(qMin(position, browser->document()->characterCount() - 1));
    const QRect line = browser->cursorRect(cursor);
    const QRect view = browser->viewport()->rect();
    if (view.contains(line))
        return;
    scrollTo(page, browser->verticalScrollBar()->value() + line.top() - view.height() / 3);
}

void frmPagePreview::scrollTo(int page, int value)
{
    QScrollBar *bar = m_browsers[page]->verticalScrollBar();
    m_wantedScroll[page] = -1;
    bar->setValue(value);
    if (bar->value() != value)
        m_wantedScroll[page] = value;
}

void frmPagePreview::showState()
{
    const int page = qBound(0, tabPages->currentIndex(), PageCount - 1);
    QString state;
    if (m_waiting && !m_slow->isActive())
        state = tr("Bringing the page up to date...");
    else if (m_tooComplex[page])
        state = tr("This page is too complex to preview");
    else if (m_cut[page])
        state = tr("This page is too large to preview whole: only its beginning is shown.");
    lblPageState->setText(state);
    lblPageState->setVisible(!state.isEmpty());
}

void frmPagePreview::openLink(const QUrl &url)
{
    // Links lead nowhere here; a marker names a place on the game's map.
    const QString marker = markerName(url);
    if (!marker.isEmpty())
        m_status->showMessage(tr("Map marker: %1").arg(marker), messageMs);
}

void frmPagePreview::hoverLink(const QUrl &url)
{
    const QString marker = markerName(url);
    if (marker.isEmpty())
        m_status->clearMessage();
    else
        m_status->showMessage(tr("Map marker: %1").arg(marker), messageMs);
}

void frmPagePreview::showFinding(const QModelIndex &index)
{
    if (const Finding *finding = m_checks->finding(index.row()); finding && m_showField)
        m_showField(*finding);
}
