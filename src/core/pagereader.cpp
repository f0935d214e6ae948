#include "pagereader.h"

#include "pageencoding.h"
#include "pagelayout.h"
#include "pagesplit.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace {

using namespace PageLayout;
using Page = PageProblem::Page;

// A page straight from the writers is split at CR LF only and matched to the
// letter, so every byte of a field comes back. Only a page that fails that
// is read again as edited by hand.
enum class Mode { AsWritten, HandEdited };

QByteArrayView trimmedEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

class PageLines
{
public:
    PageLines(QByteArrayView page, Mode mode, PageCharset charset)
        : m_page(page)
        , m_mode(mode)
        , m_charset(charset)
    {
        const char *data = page.data();
        const qsizetype n = page.size();
        qsizetype start = 0;
        qsizetype from = 0;
        while (start < n) {
            const void *hit = std::memchr(data + from, '\n', size_t(n - from));
            if (!hit) {
                m_lines.append(page.sliced(start));
                break;
            }
            const qsizetype lf = static_cast<const char *>(hit) - data;
            const bool cr = lf > start && data[lf - 1] == '\r';
            if (mode == Mode::AsWritten && !cr) {
                from = lf + 1;
                continue;
            }
            m_lines.append(page.sliced(start, lf - start - (cr ? 1 : 0)));
            start = from = lf + 1;
        }
    }

    [[nodiscard]] qsizetype count() const { return m_lines.size(); }

    // The line as it is compared with the frame.
    [[nodiscard]] QByteArrayView line(qsizetype i) const
    {
        return m_mode == Mode::AsWritten ? m_lines.at(i) : trimmedEnd(m_lines.at(i));
    }
    [[nodiscard]] QByteArrayView raw(qsizetype i) const { return m_lines.at(i); }

    [[nodiscard]] QString text(QByteArrayView bytes, FieldLines lines = FieldLines::One) const
    {
        return decodePageText(bytes, m_charset, lines);
    }

    // Lines first to last - 1 as one multi-line field, its lines joined by
    // CR LF as the window stores them. The page holds the field whole, with
    // its own line ends: it is decoded once the page is read, by takeFields().
    void field(QString &target, qsizetype first, qsizetype last) const
    {
        const char *begin = m_lines.at(first).data();
        const QByteArrayView end = m_lines.at(last - 1);
        m_later.append({ &target, begin - m_page.data(), end.data() + end.size() - m_page.data() });
    }

    // A multi-line field of the page at [from, to), not yet decoded.
    struct Later
    {
        QString *target;
        qsizetype from;
        qsizetype to;
    };
    [[nodiscard]] const QList<Later> &later() const { return m_later; }

    // Appends a field's bytes, decoded, to text: a page edited by hand may
    // end a line with LF alone, which the field holds as CR LF.
    void appendField(QString &text, QByteArrayView bytes) const
    {
        const QString piece = decodePageText(bytes, m_charset, FieldLines::Many);
        if (m_mode == Mode::AsWritten) {
            if (text.isEmpty())
                text = piece;
            else
                text.append(piece);
            return;
        }
        qsizetype done = 0;
        for (qsizetype lf = piece.indexOf(u'\n'); lf >= 0; lf = piece.indexOf(u'\n', lf + 1)) {
            const QChar before = lf > done ? piece[lf - 1] : text.isEmpty() ? QChar() : text.back();
            if (before == u'\r')
                continue;
            text.append(QStringView(piece).sliced(done, lf - done)).append(u'\r');
            done = lf;
        }
        text.append(QStringView(piece).sliced(done));
    }

private:
    QByteArrayView m_page;
    mutable QList<Later> m_later;
    QList<QByteArrayView> m_lines;
    Mode m_mode;
    PageCharset m_charset;
};

QString describeLine(QByteArrayView line)
{
    return line.isEmpty() ? QCoreApplication::translate("PageReader", "an empty line")
                          : QString::fromLatin1(line);
}

// Matches lines against the frame and keeps the first place where it breaks.
class Frame
{
public:
    explicit Frame(const PageLines &lines)
        : m_lines(lines)
    {
    }

    [[nodiscard]] bool failed() const { return m_problem.has_value(); }
    [[nodiscard]] const std::optional<PageProblem> &problem() const { return m_problem; }

    bool fail(qsizetype i, const QString &expected)
    {
        if (m_problem)
            return false;
        PageProblem problem;
        problem.line = int(std::min<qsizetype>(i, INT_MAX - 1) + 1);
        if (i < m_lines.count()) {
            problem.expected = expected;
            constexpr qsizetype shown = 60;
            const QByteArrayView line = m_lines.raw(i);
            problem.found = line.isEmpty()
                ? describeLine(line)
                : m_lines.text(line.first(std::min(line.size(), shown * 4))).left(shown);
        } else {
            problem.expected
                = QCoreApplication::translate("PageReader", "%1 (the page ends before it)")
                      .arg(expected);
        }
        m_problem = problem;
        return false;
    }

    bool expect(qsizetype i, QByteArrayView line)
    {
        if (failed())
            return false;
        if (i >= 0 && i < m_lines.count() && m_lines.line(i) == line)
            return true;
        return fail(i, describeLine(line));
    }

    template<std::size_t N> bool expect(qsizetype first, const std::array<Line, N> &lines)
    {
        for (std::size_t k = 0; k < N; ++k) {
            if (!expect(first + qsizetype(k), lines[k]))
                return false;
        }
        return true;
    }

    // As expect(), last line first: for the lines that are found from the
    // end of the page, so that a page cut short breaks at its end.
    template<std::size_t N> bool expectBackwards(qsizetype first, const std::array<Line, N> &lines)
    {
        for (std::size_t k = N; k-- > 0;) {
            if (!expect(first + qsizetype(k), lines[k]))
                return false;
        }
        return true;
    }

    // The bytes between start and end on line i.
    std::optional<QByteArrayView> between(qsizetype i, QByteArrayView start, QByteArrayView end)
    {
        if (failed())
            return std::nullopt;
        if (i >= 0 && i < m_lines.count()) {
            const QByteArrayView line = m_lines.line(i);
            if (line.size() >= start.size() + end.size() && line.startsWith(start)
                && line.endsWith(end))
                return line.sliced(start.size(), line.size() - start.size() - end.size());
        }
        fail(i,
             QCoreApplication::translate("PageReader", "a line starting %1 and ending %2")
                 .arg(QString::fromLatin1(start), QString::fromLatin1(end)));
        return std::nullopt;
    }

private:
    const PageLines &m_lines;
    std::optional<PageProblem> m_problem;
};

std::optional<PageProblem> readOverview(const PageLines &lines, MissionBrief &brief)
{
    Frame frame(lines);
    frame.expect(0, overviewHead);
    const qsizetype heading = overviewHead.size();
    const auto name = frame.between(heading, headingStart, headingEnd);
    const auto picture = frame.between(heading + 1, pictureStart, pictureEnd);
    if (frame.failed())
        return frame.problem();
    // The source is free text that may itself hold " width=": split from the right.
    const qsizetype heightAt = picture->lastIndexOf(pictureHeight);
    const qsizetype widthAt
        = heightAt < 0 ? -1 : picture->first(heightAt).lastIndexOf(pictureWidth);
    if (widthAt < 0) {
        frame.fail(heading + 1,
                   QCoreApplication::translate("PageReader", "a line %1SOURCE%2WIDTH%3HEIGHT%4")
                       .arg(QString::fromLatin1(pictureStart), QString::fromLatin1(pictureWidth),
                            QString::fromLatin1(pictureHeight), QString::fromLatin1(pictureEnd)));
        return frame.problem();
    }
    const qsizetype textStart = heading + 2 + qsizetype(overviewTextStart.size());
    frame.expect(heading + 2, overviewTextStart);
    const qsizetype tail = qMax(lines.count() - qsizetype(overviewTail.size()), textStart + 1);
    frame.expectBackwards(tail, overviewTail);
    if (frame.failed())
        return frame.problem();

    brief.missionName = lines.text(*name);
    brief.pictureSource = lines.text(picture->first(widthAt));
    const qsizetype widthStart = widthAt + pictureWidth.size();
    brief.pictureWidth = lines.text(picture->sliced(widthStart, heightAt - widthStart));
    brief.pictureHeight = lines.text(picture->sliced(heightAt + pictureHeight.size()));
    lines.field(brief.overviewText, textStart, tail);
    return std::nullopt;
}

QByteArray numbered(QByteArrayView start, qsizetype n, QByteArrayView end)
{
    QByteArray line;
    line.reserve(start.size() + end.size() + 8);
    line.append(start).append(QByteArray::number(n)).append(end);
    return line;
}

// The number of the objective whose anchor begins line, as the writer spells
// it (no sign, no leading zero), or -1; text is set to the rest of the line.
qsizetype objectiveNumber(QByteArrayView line, QByteArrayView &text)
{
    if (!line.startsWith(objectiveStart))
        return -1;
    line = line.sliced(objectiveStart.size());
    qsizetype digits = 0;
    qsizetype number = 0;
    while (digits < line.size() && digits < 9 && line[digits] >= '0' && line[digits] <= '9')
        number = number * 10 + (line[digits++] - '0');
    if (digits == 0 || line[0] == '0' || !line.sliced(digits).startsWith(objectiveAnchorEnd))
        return -1;
    text = line.sliced(digits + objectiveAnchorEnd.size());
    return number;
}

bool readEnding(Frame &frame, const PageLines &lines, qsizetype first, int k, Ending &ending)
{
    frame.expectBackwards(first + 7, endingTail);
    const auto description = frame.between(first + 6, descriptionStart, descriptionEnd);
    frame.expectBackwards(first + 4, endingMiddle);
    const auto header = frame.between(first + 3, numbered(endingAnchorStart, k, endingAnchorEnd),
                                      endingHeaderEnd);
    frame.expectBackwards(first, endingHead);
    if (frame.failed())
        return false;
    ending = { lines.text(*header), lines.text(*description) };
    return true;
}

std::optional<PageProblem> readBriefing(const PageLines &lines, MissionBrief &brief)
{
    Frame frame(lines);
    const qsizetype notesStart = briefingHead.size();
    if (!frame.expect(0, briefingHead))
        return frame.problem();

    // The endings, the objectives and the close of the briefing text are
    // read from the end, so that the texts above them may hold any line.
    const qsizetype firstObjective
        = notesStart + 1 + qsizetype(notesEnd.size()) + 1 + qsizetype(briefingEnd.size());
    const qsizetype endingsStart
        = qMax(lines.count() - 6 * endingLines - qsizetype(pageEnd.size()), firstObjective);
    if (!frame.expectBackwards(endingsStart + 6 * endingLines, pageEnd))
        return frame.problem();
    std::array<Ending, 6> endings;
    for (int k = 6; k >= 1; --k) {
        if (!readEnding(frame, lines, endingsStart + (k - 1) * endingLines, k, endings[k - 1]))
            return frame.problem();
    }

    // With objectives the endings follow an empty line, without them "<hr>".
    qsizetype count = 0;
    QByteArrayView text;
    const qsizetype last = endingsStart - objectiveLines;
    if (last >= firstObjective && lines.line(endingsStart - 1).isEmpty()) {
        count = objectiveNumber(lines.raw(last), text);
        if (count < 0) {
            frame.fail(last,
                       QCoreApplication::translate("PageReader", "a line starting %1")
                           .arg(QString::fromLatin1(objectiveStart)));
            return frame.problem();
        }
    }
    QStringList objectives;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype n = count - i;
        const qsizetype at = endingsStart - (i + 1) * objectiveLines;
        if (at < firstObjective || objectiveNumber(lines.raw(at), text) != n) {
            const QByteArray anchor = numbered(objectiveStart, n, objectiveAnchorEnd);
            frame.fail(at,
                       QCoreApplication::translate("PageReader", "a line starting %1")
                           .arg(QLatin1String(anchor)));
            return frame.problem();
        }
        if (!frame.expect(at + 1, objectiveTail))
            return frame.problem();
        objectives.append(lines.text(text));
    }
    std::reverse(objectives.begin(), objectives.end());

    const qsizetype close = endingsStart - count * objectiveLines - qsizetype(briefingEnd.size());
    if (!frame.expectBackwards(close, briefingEnd))
        return frame.problem();

    // The first place where the notes can end and the briefing text begin.
    const qsizetype plan = qsizetype(notesEnd.size());
    qsizetype split = -1;
    std::optional<PageProblem> miss;
    for (qsizetype i = notesStart + 1; i + plan < close && split < 0; ++i) {
        if (lines.line(i) != notesEnd[0])
            continue;
        Frame candidate(lines);
        if (candidate.expect(i, notesEnd))
            split = i;
        else if (!miss)
            miss = candidate.problem();
    }
    if (split < 0) {
        if (miss)
            return miss;
        frame.fail(notesStart + 1, describeLine(notesEnd[0]));
        return frame.problem();
    }

    lines.field(brief.notesText, notesStart, split);
    lines.field(brief.briefingText, split + plan, close);
    brief.objectives = objectives;
    brief.objectiveCount = QString::number(count);
    brief.endings = endings;
    return std::nullopt;
}

// A page reader fills the fields of its page only once it has found the
// whole frame, so a page with a problem changes nothing.
using PageRead = std::optional<PageProblem> (*)(const PageLines &, MissionBrief &);
using PageSplit = bool (*)(QByteArrayView, MissionBrief &);

// Where a piece of a field may end: a reference is at most ten bytes and is
// decoded only whole, and the two bytes before are ASCII, so that no
// character of any code page is cut. A reference decoded at the end of a
// piece is then whole in it, with the text it may join.
qsizetype pieceEnd(QByteArrayView page, qsizetype from, qsizetype want)
{
    constexpr qsizetype reference = 10;
    for (qsizetype end = want; end > from + reference; --end) {
        if (uchar(page[end - 1]) < 0x80 && uchar(page[end - 2]) < 0x80
            && !page.sliced(end - reference, reference).contains('&'))
            return end;
    }
    return page.size();
}

// Decodes the fields found in a page, from its last to its first; base is
// where the lines begin in the page. A page no one else holds is given back
// as it goes: what follows a field is cut off before it is decoded, and the
// field itself piece by piece.
void takeFields(QByteArray &page, qsizetype base, const PageLines &lines)
{
    constexpr qsizetype piece = qsizetype(4) << 20;
    const bool owned = page.isDetached();
    const QList<PageLines::Later> &later = lines.later();
    for (qsizetype k = later.size(); k-- > 0;) {
        const qsizetype from = base + later.at(k).from;
        const qsizetype to = base + later.at(k).to;
        QString text;
        text.reserve(to - from);
        if (!owned) {
            lines.appendField(text, QByteArrayView(page).sliced(from, to - from));
        } else {
            page.truncate(to);
            page.squeeze();
        }
        while (owned && page.size() > from) {
            const QByteArrayView rest(page);
            const qsizetype end
                = page.size() - from > piece ? pieceEnd(rest, from, from + piece) : page.size();
            lines.appendField(text, rest.sliced(from, end - from));
            char *data = page.data();
            std::memmove(data + from, data + end, size_t(page.size() - end));
            page.truncate(page.size() - (end - from));
            page.squeeze();
        }
        *later.at(k).target = std::move(text);
    }
}

// A page whose one-line fields hold line breaks does not fit the frame line
// by line; it is split by its bytes before being taken as edited by hand.
std::optional<PageProblem> readPage(QByteArray &bytes, PageRead read, PageSplit split,
                                    MissionBrief &brief)
{
    constexpr QByteArrayView bom = "\xEF\xBB\xBF";
    const bool utf8 = bytes.startsWith(bom);
    if (!utf8) {
        const PageLines lines(bytes, Mode::AsWritten, PageCharset::CodePage);
        if (!read(lines, brief)) {
            takeFields(bytes, 0, lines);
            return std::nullopt;
        }
    }
    if (!utf8 && split(bytes, brief))
        return std::nullopt;
    const qsizetype base = utf8 ? bom.size() : 0;
    const PageLines lines(QByteArrayView(bytes).sliced(base), Mode::HandEdited,
                          utf8 ? PageCharset::Utf8 : PageCharset::CodePage);
    std::optional<PageProblem> problem = read(lines, brief);
    if (!problem)
        takeFields(bytes, base, lines);
    return problem;
}

} // namespace

MissionPages readMissionPages(std::optional<QByteArray> overviewBytes,
                              std::optional<QByteArray> briefingBytes)
{
    MissionPages pages;
    pages.hasOverview = overviewBytes.has_value();
    pages.hasBriefing = briefingBytes.has_value();
    const auto readOne
        = [&pages](std::optional<QByteArray> &bytes, PageRead read, PageSplit split, Page page) {
              if (!bytes)
                  return;
              if (auto problem = readPage(*bytes, read, split, pages.brief)) {
                  problem->page = page;
                  pages.problems.append(*problem);
              }
              bytes.reset();
          };
    readOne(overviewBytes, &readOverview, &splitOverviewPage, Page::Overview);
    readOne(briefingBytes, &readBriefing, &splitBriefingPage, Page::Briefing);
    return pages;
}

QString describeProblem(const PageProblem &problem)
{
    const QString page = problem.page == Page::Overview ? QStringLiteral("overview.html")
                                                        : QStringLiteral("briefing.html");
    if (problem.found.isEmpty())
        return QCoreApplication::translate("PageReader", "%1, line %2: expected %3")
            .arg(page)
            .arg(problem.line)
            .arg(problem.expected);
    return QCoreApplication::translate("PageReader", "%1, line %2: expected %3, found %4")
        .arg(page)
        .arg(problem.line)
        .arg(problem.expected, problem.found);
}
