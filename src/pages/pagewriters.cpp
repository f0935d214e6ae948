#include "pagewriters.h"

#include "missionbrief.h"
#include "pageencoding.h"

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
    PageText &operator<<(QLatin1StringView markup)
    {
        m_bytes.append(markup.data(), markup.size());
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

    [[nodiscard]] QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

using L = QLatin1StringView;

constexpr L metaContentType("<meta http-equiv=\"Content-Type\"");
constexpr L metaCharset("content=\"text/html; charset=windows-1250\">");

} // namespace

QByteArray overviewPageBytes(const MissionBrief &brief)
{
    PageText page(512 + brief.missionName.size() + brief.pictureSource.size()
                  + brief.overviewText.size());
    page.line(L("<html>"));
    page.endLine();
    page.line(L("<head>"));
    page.line(metaContentType);
    page.line(metaCharset);
    page.line(L("<meta name=\"GENERATOR\" content=\"VB\">"));
    page.endLine();
    page.line(L("<title>Overview</title>"));
    page.line(L("</head>"));
    page.endLine();
    page.line(L("<body bgcolor=\"#FFFFFF\">"));
    page.endLine();
    page.line(L("<br>"));
    page << L("<h2 align=\"center\"><a name=\"Main\">") << brief.missionName << L("</a></h2>");
    page.endLine();
    page << L("<p align=\"center\"><img src=\"") << brief.pictureSource << L("\" width=\"")
         << brief.pictureWidth << L("\" height=\"") << brief.pictureHeight << L("\"></p>");
    page.endLine();
    page.line(L("<BR>"));
    page.line(L("<p>"));
    page.line(QStringView(brief.overviewText));
    page.line(L("<br>"));
    page.line(L("</p>"));
    page.endLine();
    page.line(L("</body>"));
    page.line(L("</html>"));
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
    page.line(L("<html>"));
    page.endLine();
    page.line(L("<head>"));
    page.line(metaContentType);
    page.line(metaCharset);
    page.line(L("<meta name=\"GENERATOR\" content=\"Microsoft FrontPage Express 2.0\">"));
    page.line(L("<title>Varnholt Mission</title>"));
    page.line(L("</head>"));
    page.endLine();
    page.line(L("<body bgcolor=\"#FFFFFF\">"));
    page.endLine();
    page.line(L("<br>"));
    page.line(L("<h2><a name=\"Main\"></a></h2>"));
    page.line(L("<br>"));
    page.line(L("<h6>"));
    page.line(QStringView(brief.notesText));
    page.line(L("</h6>"));
    page.line(L("<hr>"));
    page.line(L("<p><a name=\"Plan\"></a>"));
    page.line(QStringView(brief.briefingText));
    page.line(L("</p>"));
    page.line(L("<hr>"));

    for (qsizetype i = 0; i < brief.objectives.size(); ++i) {
        page << L("<p><a name = \"OBJ_") << (i + 1) << L("\"></a>") << brief.objectives.at(i);
        page.endLine();
        page.line(L("</p>"));
        page.line(L("<hr>"));
        page.endLine();
    }

    for (std::size_t k = 0; k < brief.endings.size(); ++k) {
        const Ending &ending = brief.endings[k];
        page.line(L("<hr>"));
        page.line(L("<br>"));
        page.line(L("<h2>"));
        page << L("<a name=\"Debriefing:End") << qsizetype(k + 1) << L("\">") << ending.header
             << L("</a>");
        page.endLine();
        page.line(L("</h2>"));
        page.line(L("<br>"));
        page << L("<p>") << ending.description << L("</p>");
        page.endLine();
        page.line(L("<br>"));
        page.endLine();
    }

    page.line(L("</body>"));
    page.line(L("</html>"));
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
