#include "previewbuilder.h"

#include "pagewriters.h"
#include "previewpictures.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <limits>

PreviewBuilder::PreviewBuilder(QObject *parent)
    : QObject(parent)
    , m_thread(new QThread(this))
    , m_worker(new QObject)
{
    m_thread->setObjectName(QStringLiteral("pagePreviewBuilder"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}

PreviewBuilder::~PreviewBuilder()
{
    for (std::atomic<quint64> &generation : m_latest)
        generation = std::numeric_limits<quint64>::max();
    m_thread->quit();
    m_thread->wait();
}

void PreviewBuilder::request(PreviewJob job)
{
    latest(job.page) = job.generation;
    QMetaObject::invokeMethod(
        m_worker,
        [this, job = std::move(job)] {
            if (job.generation < latest(job.page))
                return;
            std::shared_ptr<PreviewResult> result = build(job);
            if (result->built.document)
                result->built.document->moveToThread(thread());
            Q_EMIT built(std::move(result));
        },
        Qt::QueuedConnection);
}

std::atomic<quint64> &PreviewBuilder::latest(PageLine::Page page)
{
    return m_latest[page == PageLine::Page::Overview ? 0 : 1];
}

std::shared_ptr<PreviewResult> PreviewBuilder::buildNow(const PreviewJob &job)
{
    latest(job.page) = job.generation;
    return build(job);
}

void PreviewBuilder::discard(std::unique_ptr<PreviewDocument> document)
{
    if (!document)
        return;
    document->moveToThread(m_thread);
    document.release()->deleteLater();
}

std::shared_ptr<PreviewResult> PreviewBuilder::build(const PreviewJob &job)
{
    QElapsedTimer clock;
    clock.start();
    auto result = std::make_shared<PreviewResult>();
    result->generation = job.generation;
    result->page = job.page;

    const MissionBrief &brief = job.brief;
    const QString pictureFile = PreviewPictures::resolve(brief.pictureSource, brief.saveFolder);
    const PictureFacts picture { !PreviewPictures::loadFile(pictureFile).isNull() };
    result->findings = checkMission(brief, picture);

    const bool overview = job.page == PageLine::Page::Overview;
    result->source
        = { overview ? overviewPageBytes(brief) : briefingPageBytes(brief), brief.saveFolder,
            overview ? QFileInfo(pictureFile).lastModified().toMSecsSinceEpoch() : 0,
            job.targetLine };
    result->unchanged = result->source == job.shown;
    if (!result->unchanged) {
        result->built = buildPreviewDocument(result->source.bytes, brief.saveFolder,
                                             qMax(0, job.targetLine), job.font);
        if (job.targetLine < 0)
            result->built.targetPosition = -1;
    }
    result->buildMs = clock.elapsed();
    return result;
}
