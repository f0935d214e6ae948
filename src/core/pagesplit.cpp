#include "pagesplit.h"

#include "missionbrief.h"
#include "pageencoding.h"
#include "pagelayout.h"

#include <QStringList>

#include <array>

namespace {

using namespace PageLayout;

constexpr char lineEnd[] = "\r\n";

template<std::size_t N> QByteArray linesOf(const std::array<Line, N> &lines)
{
    QByteArray bytes;
    for (const Line line : lines)
        bytes.append(line).append(lineEnd);
    return bytes;
}

QByteArray numbered(QByteArrayView start, qsizetype n, QByteArrayView end)
{
    return start.toByteArray() + QByteArray::number(n) + end.toByteArray();
}

// A field between two offsets of the page.
struct Span
{
    qsizetype from = 0;
    qsizetype to = 0;
};

QString text(QByteArrayView page, Span span, FieldLines lines = FieldLines::One)
{
    return decodePageText(page.sliced(span.from, span.to - span.from), PageCharset::CodePage,
                          lines);
}

// The first place at or after from where the page holds marker, or -1.
qsizetype find(QByteArrayView page, QByteArrayView marker, qsizetype from)
{
    return from > page.size() ? -1 : page.indexOf(marker, from);
}

// The last place where the page holds marker wholly before `before`, or -1.
qsizetype findLast(QByteArrayView page, QByteArrayView marker, qsizetype before)
{
    return before < 0 ? -1 : page.first(before).lastIndexOf(marker);
}

} // namespace

bool splitOverviewPage(QByteArrayView page, MissionBrief &brief)
{
    const QByteArray head = linesOf(overviewHead) + headingStart.toByteArray();
    const QByteArray tail = QByteArray(lineEnd) + linesOf(overviewTail);
    if (page.size() < head.size() + tail.size() || !page.startsWith(head) || !page.endsWith(tail))
        return false;
    const QByteArray nameEnd = headingEnd.toByteArray() + lineEnd + pictureStart.toByteArray();
    const QByteArray pictureLineEnd
        = pictureEnd.toByteArray() + lineEnd + linesOf(overviewTextStart);
    const QByteArrayView body = page.first(page.size() - tail.size());

    // The earliest split that leaves a width and a height before the text.
    const qsizetype name = find(body, nameEnd, head.size());
    const qsizetype source = name < 0 ? -1 : name + nameEnd.size();
    const qsizetype width = source < 0 ? -1 : find(body, pictureWidth, source);
    const qsizetype height
        = width < 0 ? -1 : find(body, pictureHeight, width + pictureWidth.size());
    const qsizetype end
        = height < 0 ? -1 : find(body, pictureLineEnd, height + pictureHeight.size());
    if (end < 0)
        return false;
    // The source is free text that may itself hold " width=": split from the right.
    const qsizetype heightAt = findLast(body, pictureHeight, end);
    const qsizetype widthAt = findLast(body, pictureWidth, heightAt);

    brief.missionName = text(page, { head.size(), name });
    brief.pictureSource = text(page, { source, widthAt });
    brief.pictureWidth = text(page, { widthAt + pictureWidth.size(), heightAt });
    brief.pictureHeight = text(page, { heightAt + pictureHeight.size(), end });
    brief.overviewText = text(page, { end + pictureLineEnd.size(), body.size() }, FieldLines::Many);
    return true;
}

// The page is split from its start at the earliest place that still lets
// the rest be read. Whether the endings can begin at a place is known from
// the latest places their frames can take, found from the end first.
bool splitBriefingPage(QByteArrayView page, MissionBrief &brief)
{
    const QByteArray head = linesOf(briefingHead);
    const QByteArray notesClose = QByteArray(lineEnd) + linesOf(notesEnd);
    const QByteArray briefingClose = QByteArray(lineEnd) + linesOf(briefingEnd);
    const QByteArray objectiveClose = QByteArray(lineEnd) + linesOf(objectiveTail);
    const QByteArray headerClose = endingHeaderEnd.toByteArray() + lineEnd + linesOf(endingMiddle)
        + descriptionStart.toByteArray();
    const QByteArray descriptionClose
        = descriptionEnd.toByteArray() + QByteArray(lineEnd) + linesOf(endingTail);
    std::array<QByteArray, 6> anchors;
    for (qsizetype k = 0; k < 6; ++k)
        anchors[k] = linesOf(endingHead) + numbered(endingAnchorStart, k + 1, endingAnchorEnd);
    const QByteArray close = descriptionClose + linesOf(pageEnd);
    if (page.size() < head.size() + close.size() || !page.startsWith(head) || !page.endsWith(close))
        return false;
    const qsizetype lastDescriptionEnd = page.size() - close.size();

    // The latest the first ending's header can end.
    qsizetype latest = findLast(page, headerClose, lastDescriptionEnd);
    for (qsizetype k = 5; k > 0 && latest >= 0; --k)
        latest = findLast(page, headerClose, findLast(page, descriptionClose + anchors[k], latest));
    if (latest < head.size())
        return false;
    const auto endingsCanStart = [&](qsizetype at) {
        return page.sliced(at).startsWith(anchors[0]) && at + anchors[0].size() <= latest;
    };
    const qsizetype lastObjectiveClose = findLast(page, objectiveClose + anchors[0], latest);

    const qsizetype notes = find(page, notesClose, head.size());
    if (notes < 0)
        return false;
    const qsizetype plan = notes + notesClose.size();
    const QByteArray first = numbered(objectiveStart, 1, objectiveAnchorEnd);
    qsizetype briefing = find(page, briefingClose, plan);
    qsizetype at = -1;
    for (; briefing >= 0; briefing = find(page, briefingClose, briefing + 1)) {
        at = briefing + briefingClose.size();
        if (endingsCanStart(at))
            break;
        if (page.sliced(at).startsWith(first) && lastObjectiveClose >= at + first.size())
            break;
    }
    if (briefing < 0)
        return false;

    QStringList objectives;
    while (!endingsCanStart(at)) {
        const QByteArray anchor
            = numbered(objectiveStart, objectives.size() + 1, objectiveAnchorEnd);
        const qsizetype from = at + anchor.size();
        const QByteArray next = numbered(objectiveStart, objectives.size() + 2, objectiveAnchorEnd);
        qsizetype end = find(page, objectiveClose, from);
        for (; end >= 0; end = find(page, objectiveClose, end + 1)) {
            at = end + objectiveClose.size();
            if (page.sliced(at).startsWith(next) || endingsCanStart(at))
                break;
        }
        if (end < 0)
            return false;
        objectives.append(text(page, { from, end }));
    }

    std::array<Ending, 6> endings;
    for (qsizetype k = 0; k < 6; ++k) {
        const qsizetype header = at + anchors[k].size();
        const qsizetype headerEnd = find(page, headerClose, header);
        const qsizetype description = headerEnd + headerClose.size();
        const qsizetype end = k == 5 ? lastDescriptionEnd
                                     : find(page, descriptionClose + anchors[k + 1], description);
        if (headerEnd < 0 || end < description)
            return false;
        endings[k] = { text(page, { header, headerEnd }), text(page, { description, end }) };
        at = end + descriptionClose.size();
    }

    brief.notesText = text(page, { head.size(), notes }, FieldLines::Many);
    brief.briefingText = text(page, { plan, briefing }, FieldLines::Many);
    brief.objectiveCount = QString::number(objectives.size());
    brief.objectives = objectives;
    brief.endings = endings;
    return true;
}
