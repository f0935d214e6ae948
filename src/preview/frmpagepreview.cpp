#include "frmpagepreview.h"

#include "controls.h"
#include "pageencoding.h"
#include "pagelayout.h"
#include "pagepath.h"
#include "pagewriters.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cctype>
#include <utility>

namespace {

constexpr int refreshDelayMs = 150;

// The picture source as written in the page; a drive letter reads as a
// scheme of one letter.
QString sourceOf(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    const QString path = url.path(QUrl::FullyDecoded);
    return url.scheme().size() == 1 ? url.scheme() + QLatin1Char(':') + path : path;
}

// The page as the preview shows it: the objectives' empty named anchors are
// left out. Qt hashes every list of anchor names alike, so ten thousand of
// them make the import quadratic; an empty anchor shows nothing, and the
// preview follows no link inside the page.
QString displayedPage(const QByteArray &bytes)
{
    using namespace PageLayout;
    QByteArray shown;
    shown.reserve(bytes.size());
    qsizetype from = 0;
    for (qsizetype at = bytes.indexOf(objectiveStart); at >= 0;
         at = bytes.indexOf(objectiveStart, from)) {
        qsizetype end = at + objectiveStart.size();
        while (end < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[end])))
            ++end;
        if (!QByteArrayView(bytes).sliced(end).startsWith(objectiveAnchorEnd)) {
            shown.append(QByteArrayView(bytes).sliced(from, end - from));
            from = end;
            continue;
        }
        shown.append(QByteArrayView(bytes).sliced(from, at - from)).append("<p>");
        from = end + objectiveAnchorEnd.size();
    }
    shown.append(QByteArrayView(bytes).sliced(from));
    return decodePageText(shown);
}

// A page browser that loads pictures from plain local paths, as the game
// does, keeping the last one so that a refresh does not decode it again.
class PageBrowser : public QTextBrowser
{
public:
    explicit PageBrowser(QWidget *parent)
        : QTextBrowser(parent)
    {
        setOpenLinks(false);
        setOpenExternalLinks(false);
        QScrollBar *bar = verticalScrollBar();
        connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
            if (m_wantedScroll >= 0 && m_wantedScroll <= maximum) {
                const int wanted = std::exchange(m_wantedScroll, -1);
                bar->setValue(wanted);
            }
        });
        connect(bar, &QScrollBar::actionTriggered, this, [this] { m_wantedScroll = -1; });
    }

    void setPageFolder(const QString &folder) { m_folder = folder; }

    // Shows a new page at the reader's place. The layout of a long page runs
    // in steps after this returns and the scroll range grows with it, so the
    // place is taken again once the range reaches it, unless the reader
    // scrolled meanwhile.
    void showPage(const QString &html)
    {
        QScrollBar *bar = verticalScrollBar();
        const int vertical = bar->value();
        const int horizontal = horizontalScrollBar()->value();
        setHtml(html);
        horizontalScrollBar()->setValue(horizontal);
        m_wantedScroll = -1;
        bar->setValue(vertical);
        if (bar->value() != vertical)
            m_wantedScroll = vertical;
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::ImageResource)
            return {};
        const QFileInfo file(pictureFile(sourceOf(name), m_folder));
        const QDateTime modified = file.lastModified();
        if (file.absoluteFilePath() != m_cachedPath || modified != m_cachedTime) {
            m_cachedPath = file.absoluteFilePath();
            m_cachedTime = modified;
            m_cached = file.isFile() ? QImage(m_cachedPath) : QImage();
        }
        // A null answer leaves the toolkit's broken-picture sign in its place.
        return m_cached.isNull() ? QVariant() : QVariant(m_cached);
    }

private:
    QString m_folder;
    QString m_cachedPath;
    QDateTime m_cachedTime;
    QImage m_cached;
    int m_wantedScroll = -1;
};

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

} // namespace

frmPagePreview::frmPagePreview(BriefSource brief, FieldShower showField, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_brief(std::move(brief))
    , m_showField(std::move(showField))
{
    setObjectName(QStringLiteral("frmPagePreview"));
    setWindowTitle(tr("Page Preview"));
    setAttribute(Qt::WA_DeleteOnClose);

    tabPages = named(new QTabWidget(this), "tabPages");
    const std::array<const char *, PageCount> names { "brwOverview", "brwBriefing" };
    const std::array<QString, PageCount> captions { tr("Overview"), tr("Briefing") };
    for (int page = 0; page < PageCount; ++page) {
        auto *browser = named(new PageBrowser(tabPages), names[page]);
        browser->setAccessibleName(tr("%1 Page").arg(captions[page]));
        connect(browser, &QTextBrowser::anchorClicked, this, &frmPagePreview::openLink);
        tabPages->addTab(browser, captions[page]);
        m_browsers[page] = browser;
    }
    connect(tabPages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page >= 0 && page < PageCount && m_stale[page])
            renderPage(page);
    });

    lblChecks = named(new QLabel(tr("Checks"), this), "lblChecks");
    lstChecks = named(new QListWidget(this), "lstChecks");
    lstChecks->setAccessibleName(tr("Checks"));
    lstChecks->setWordWrap(true);
    lstChecks->setResizeMode(QListView::Adjust);
    lstChecks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblChecks->setBuddy(lstChecks);
    connect(lstChecks, &QListWidget::itemActivated, this, &frmPagePreview::showFinding);

    m_status = named(new QStatusBar(this), "statusBar");
    m_status->setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(tabPages, 3);
    layout->addWidget(lblChecks);
    layout->addWidget(lstChecks, 1);
    layout->addWidget(m_status);
    resize(560, 680);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(refreshDelayMs);
    connect(m_timer, &QTimer::timeout, this, &frmPagePreview::refresh);

    refresh();
}

frmPagePreview::~frmPagePreview() = default;

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

void frmPagePreview::scheduleRefresh()
{
    m_timer->start();
}

void frmPagePreview::refresh()
{
    m_timer->stop();
    m_shown = m_brief();
    const QString file = pictureFile(m_shown.pictureSource, m_shown.saveFolder);
    const PictureFacts picture { QImageReader(file).canRead() };
    m_pictureTime = QFileInfo(file).lastModified();
    showChecks(checkMission(m_shown, picture));

    // Only the page in view is rendered now; the other follows when shown.
    m_stale.fill(true);
    renderPage(tabPages->currentIndex());
    ++m_refreshCount;
    Q_EMIT refreshed();
}

void frmPagePreview::renderPage(int page)
{
    m_stale[page] = false;
    RenderedPage wanted { page == OverviewPage ? overviewPageBytes(m_shown)
                                               : briefingPageBytes(m_shown),
                          m_shown.saveFolder, m_pictureTime };
    // Typing in one page's field leaves the other page as it was: the reader
    // keeps its selection and the window does not wait for a long page.
    if (wanted == m_rendered[page])
        return;
    m_rendered[page] = std::move(wanted);
    auto *browser = static_cast<PageBrowser *>(m_browsers[page]);
    browser->setPageFolder(m_shown.saveFolder);
    browser->showPage(displayedPage(m_rendered[page].bytes));
}

void frmPagePreview::showChecks(const QList<Finding> &findings)
{
    if (findings == m_findings)
        return;
    m_findings = findings;
    // In the order of Finding::Severity.
    const QIcon icons[] = { style()->standardIcon(QStyle::SP_MessageBoxCritical),
                            style()->standardIcon(QStyle::SP_MessageBoxWarning),
                            style()->standardIcon(QStyle::SP_MessageBoxInformation) };
    const int row = lstChecks->currentRow();
    lstChecks->clear();
    for (const Finding &finding : findings) {
        auto *item
            = new QListWidgetItem(icons[int(finding.severity)], findingLine(finding), lstChecks);
        item->setToolTip(item->text());
    }
    if (row >= 0 && row < lstChecks->count())
        lstChecks->setCurrentRow(row);
}

void frmPagePreview::openLink(const QUrl &url)
{
    // Links lead nowhere here; a marker names a place on the game's map.
    if (url.scheme() == QLatin1String("marker"))
        m_status->showMessage(tr("Map marker: %1").arg(url.path(QUrl::FullyDecoded)));
}

void frmPagePreview::showFinding(QListWidgetItem *item)
{
    const int row = lstChecks->row(item);
    if (row >= 0 && row < m_findings.size() && m_showField)
        m_showField(m_findings[row]);
}
