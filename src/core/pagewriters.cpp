#include "pagewriters.h"

#include "missionbrief.h"
#include "pageencoding.h"
#include "pagelayout.h"

#include <QDir>

namespace {

// Builds a page's bytes directly: the fixed markup is ASCII and is copied as
// it is, each field is encoded as it is appended.
class PageText
{
public:
    explicit PageText(qsizetype expected) { m_bytes.reserve(expected); }

    PageText &operator<<(QStringView field)
    {
        appendPageText(m_bytes, field);
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
    template<std::size_t N> void lines(const std::array<PageLayout::Line, N> &fixed)
    {
        for (const PageLayout::Line text : fixed)
            line(text);
    }

    [[nodiscard]] QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

using namespace PageLayout;

} // namespace

QByteArray overviewPageBytes(const MissionBrief &brief)
{
    PageText page(512 + brief.missionName.size() + brief.pictureSource.size()
                  + brief.overviewText.size());
    page.lines(overviewHead);
    page << headingStart << brief.missionName << headingEnd;
    page.endLine();
    page << pictureStart << brief.pictureSource << pictureWidth << brief.pictureWidth
         << pictureHeight << brief.pictureHeight << pictureEnd;
    page.endLine();
    page.lines(overviewTextStart);
    page.line(QStringView(brief.overviewText));
    page.lines(overviewTail);
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
    page.lines(briefingHead);
    page.line(QStringView(brief.notesText));
    page.lines(notesEnd);
    page.line(QStringView(brief.briefingText));
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
    return page.bytes();
}

WriteResult writeOverviewPage(const MissionBrief &brief, PathStyle style)
{
    return writeFileAtomically(pagePath(brief.saveFolder, QStringLiteral("overview.html"), style),
                               overviewPageBytes(brief));
}

WriteResult writeBriefingPage(const MissionBrief &brief, PathStyle style)
{
    return writeFileAtomically(pagePath(brief.saveFolder, QStringLiteral("briefing.html"), style),
                               briefingPageBytes(brief));
}
