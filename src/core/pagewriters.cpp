#include "pagewriters.h"

#include "missionbrief.h"
#include "pageencoding.h"
#include "pagelayout.h"

#include <QDir>
#include <QIODevice>
#include <QThread>

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace {

// Pages are written to their file a piece of about this many bytes at a time,
// and a long field is encoded this many characters at a time.
constexpr qsizetype pieceSize = 1 << 16;
// A large page is handed to the disk this many bytes at a time.
constexpr qsizetype writeBackSize = 1 << 18;

// Writes a large page's pieces to its file on a thread of its own, so that
// the system copies one piece while the next is being made. A piece's
// buffer comes back to be filled again.
class PieceWriter
{
public:
    explicit PieceWriter(QIODevice &file)
        : m_file(file)
        , m_thread(QThread::create([this] { run(); }))
    {
        m_thread->start();
    }
    PieceWriter(const PieceWriter &) = delete;
    PieceWriter &operator=(const PieceWriter &) = delete;
    ~PieceWriter() { (void)finish(); }

    // Queues the piece, waiting while two are queued; returns an empty
    // buffer to fill next.
    QByteArray put(QByteArray piece)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_queue.size() < 2; });
        m_queue.push_back(std::move(piece));
        QByteArray next;
        if (!m_spare.empty()) {
            next = std::move(m_spare.front());
            m_spare.pop_front();
        }
        m_changed.notify_all();
        return next;
    }

    // Waits until every piece is written; false when a write fell short,
    // with errno as that write left it.
    [[nodiscard]] bool finish()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_changed.notify_all();
        m_thread->wait();
        errno = m_error;
        return m_written;
    }

private:
    void run()
    {
        qsizetype unsynced = 0;
        for (;;) {
            QByteArray piece;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_queue.empty() || m_closed; });
                if (m_queue.empty())
                    return;
                piece = std::move(m_queue.front());
                m_queue.pop_front();
            }
            m_changed.notify_all();
            if (m_written) {
                errno = 0;
                m_written = m_file.write(piece.constData(), piece.size()) == piece.size();
                m_error = errno;
                // The disk starts on the page while the rest is being made.
                unsynced += piece.size();
                if (m_written && unsynced >= writeBackSize) {
                    startWriteBack(m_file);
                    unsynced = 0;
                }
            }
            piece.resize(0);
            const std::lock_guard lock(m_mutex);
            m_spare.push_back(std::move(piece));
        }
    }

    QIODevice &m_file;
    std::unique_ptr<QThread> m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_queue;
    std::deque<QByteArray> m_spare;
    bool m_closed = false;
    // The thread's own until finish() has waited for it.
    bool m_written = true;
    int m_error = 0;
};

// Builds a page's bytes directly: the fixed markup is ASCII and is copied as
// it is, each field is encoded as it is appended. Given a file, it writes the
// bytes there as they are made, so a large page never stands whole in memory.
class PageText
{
public:
    explicit PageText(qsizetype expected) { m_bytes.reserve(expected); }
    explicit PageText(QIODevice &file)
        : m_file(&file)
    {
        m_bytes.reserve(2 * pieceSize);
    }

    PageText &operator<<(QStringView field)
    {
        // The two halves of a surrogate pair are encoded together.
        while (m_file && field.size() > pieceSize) {
            const qsizetype cut
                = field[pieceSize - 1].isHighSurrogate() ? pieceSize + 1 : pieceSize;
            appendPageText(m_bytes, field.first(cut));
            field = field.sliced(cut);
            spill();
        }
        appendPageText(m_bytes, field);
        spill();
        return *this;
    }
    PageText &operator<<(QByteArrayView markup)
    {
        m_bytes.append(markup);
        return *this;
    }
    PageText &operator<<(qsizetype number)
    {
        m_bytes.append(QByteArray::number(number));
        return *this;
    }
    void endLine() { m_bytes.append("\r\n", 2); }
    template<typename Text> void line(const Text &text)
    {
        *this << text;
        endLine();
    }
    // A long text from its pieces when it has them, else from the record.
    void longLine(const QString &text, const TextPieces &pieces)
    {
        if (pieces)
            pieces([this](QStringView piece) { *this << piece; });
        else
            *this << QStringView(text);
        endLine();
    }
    template<std::size_t N> void lines(const std::array<PageLayout::Line, N> &fixed)
    {
        for (const PageLayout::Line text : fixed)
            line(text);
    }

    [[nodiscard]] QByteArray bytes() const { return m_bytes; }

    // Writes what is left to the file; false when a write fell short, with
    // errno as that write left it.
    [[nodiscard]] bool finish()
    {
        if (m_writer) {
            if (!m_bytes.isEmpty())
                (void)m_writer->put(std::move(m_bytes));
            return m_writer->finish();
        }
        errno = 0;
        const bool written = m_file->write(m_bytes.constData(), m_bytes.size()) == m_bytes.size();
        return written;
    }

private:
    // A page that outgrows one piece goes to its file a piece at a time.
    void spill()
    {
        if (!m_file || m_bytes.size() < pieceSize)
            return;
        if (!m_writer)
            m_writer = std::make_unique<PieceWriter>(*m_file);
        m_bytes = m_writer->put(std::move(m_bytes));
        m_bytes.reserve(2 * pieceSize);
    }

    QIODevice *m_file = nullptr;
    QByteArray m_bytes;
    std::unique_ptr<PieceWriter> m_writer;
};

using namespace PageLayout;

void makeOverviewPage(PageText &page, const MissionBrief &brief, const LongTexts &texts)
{
    page.lines(overviewHead);
    page << headingStart << brief.missionName << headingEnd;
    page.endLine();
    page << pictureStart << brief.pictureSource << pictureWidth << brief.pictureWidth
         << pictureHeight << brief.pictureHeight << pictureEnd;
    page.endLine();
    page.lines(overviewTextStart);
    page.longLine(brief.overviewText, texts.overview);
    page.lines(overviewTail);
}

void makeBriefingPage(PageText &page, const MissionBrief &brief, const LongTexts &texts)
{
    page.lines(briefingHead);
    page.longLine(brief.notesText, texts.notes);
    page.lines(notesEnd);
    page.longLine(brief.briefingText, texts.briefing);
    page.lines(briefingEnd);

    for (qsizetype i = 0; i < brief.objectives.size(); ++i) {
        page << objectiveStart << (i + 1) << objectiveAnchorEnd << brief.objectives.at(i);
        page.endLine();
        page.lines(objectiveTail);
    }

    for (std::size_t k = 0; k < brief.endings.size(); ++k) {
        const Ending &ending = brief.endings[k];
        page.lines(endingHead);
        page << endingAnchorStart << qsizetype(k + 1) << endingAnchorEnd << ending.header
             << endingHeaderEnd;
        page.endLine();
        page.lines(endingMiddle);
        page << descriptionStart << ending.description << descriptionEnd;
        page.endLine();
        page.lines(endingTail);
    }

    page.lines(pageEnd);
}

} // namespace

QByteArray overviewPageBytes(const MissionBrief &brief)
{
    PageText page(512 + brief.missionName.size() + brief.pictureSource.size()
                  + brief.overviewText.size());
    makeOverviewPage(page, brief, {});
    return page.bytes();
}

QByteArray briefingPageBytes(const MissionBrief &brief)
{
    qsizetype expected = 2048 + brief.notesText.size() + brief.briefingText.size();
    for (const QString &objective : brief.objectives)
        expected += objective.size() + 48;
    for (const Ending &ending : brief.endings)
        expected += ending.header.size() + ending.description.size();

    PageText page(expected);
    makeBriefingPage(page, brief, {});
    return page.bytes();
}

AtomicFile writePageBeside(Page page, const MissionBrief &brief, PathStyle style,
                           const LongTexts &texts)
{
    const bool overview = page == Page::Overview;
    const auto make = overview ? &makeOverviewPage : &makeBriefingPage;
    const QString name
        = overview ? QStringLiteral("overview.html") : QStringLiteral("briefing.html");
    return AtomicFile(pagePath(brief.saveFolder, name, style),
                      [&brief, &texts, make](QIODevice &file) {
                          PageText text(file);
                          make(text, brief, texts);
                          return text.finish();
                      });
}

WriteResult writeOverviewPage(const MissionBrief &brief, PathStyle style)
{
    return writePageBeside(Page::Overview, brief, style).commit();
}

WriteResult writeBriefingPage(const MissionBrief &brief, PathStyle style)
{
    return writePageBeside(Page::Briefing, brief, style).commit();
}
