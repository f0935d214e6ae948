#pragma once

#include "missionbrief.h"
#include "pagechecks.h"
#include "pagelines.h"
#include "previewdocument.h"

#include <QFont>
#include <QObject>

#include <array>
#include <atomic>
#include <memory>

class QThread;

// What a page shown was built from; the same again needs no new build.
struct PageSource
{
    QByteArray bytes;
    QString folder;
    qint64 pictureStamp = 0;
    int targetLine = -1;

    bool operator==(const PageSource &) const = default;
};

// What a refresh of the preview asks for: one page built from the record,
// scrolled to a line, and the checks.
struct PreviewJob
{
    quint64 generation = 0;
    MissionBrief brief;
    PageLine::Page page = PageLine::Page::Overview;
    int targetLine = -1;
    QFont font;
    PageSource shown; // what the page shows now
};

struct PreviewResult
{
    quint64 generation = 0;
    PageLine::Page page = PageLine::Page::Overview;
    bool unchanged = false; // the page would be built from what it shows
    PageSource source;
    BuiltPage built;
    QList<Finding> findings;
    qint64 buildMs = 0;
};

// Builds pages on a thread of its own; a job that a newer one has made stale
// is dropped before it starts. Results come back to the thread that made the
// builder through `built`.
class PreviewBuilder : public QObject
{
    Q_OBJECT
public:
    explicit PreviewBuilder(QObject *parent = nullptr);
    ~PreviewBuilder() override;

    void request(PreviewJob job);
    // Builds on the calling thread and returns at once.
    [[nodiscard]] std::shared_ptr<PreviewResult> buildNow(const PreviewJob &job);
    // Hands a shown document back, to be destroyed off the window's thread.
    void discard(std::unique_ptr<PreviewDocument> document);

Q_SIGNALS:
    void built(std::shared_ptr<PreviewResult> result);

private:
    static std::shared_ptr<PreviewResult> build(const PreviewJob &job);
    std::atomic<quint64> &latest(PageLine::Page page);

    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr; // lives on m_thread
    std::array<std::atomic<quint64>, 2> m_latest {}; // per page
};
