#include "pagemarkup.h"

#include <array>

namespace {

constexpr QLatin1StringView anchorTag("a");
constexpr std::array pairedTags = {
    QLatin1StringView("b"),    QLatin1StringView("i"),
    QLatin1StringView("u"),    anchorTag,
    QLatin1StringView("font"), QLatin1StringView("p"),
    QLatin1StringView("h1"),   QLatin1StringView("h2"),
    QLatin1StringView("h3"),   QLatin1StringView("h4"),
    QLatin1StringView("h5"),   QLatin1StringView("h6"),
};

qsizetype pairedIndex(QStringView name)
{
    for (qsizetype i = 0; i < qsizetype(pairedTags.size()); ++i) {
        if (name.compare(pairedTags[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

// End of a tag name or attribute name, as a browser reads it.
qsizetype nameEnd(QStringView text, qsizetype pos, bool stopAtEquals)
{
    while (pos < text.size() && !isBlank(text[pos]) && text[pos] != QLatin1Char('>')
           && text[pos] != QLatin1Char('/') && !(stopAtEquals && text[pos] == QLatin1Char('=')))
        ++pos;
    return pos;
}

// The ">" that ends a tag whose attributes start at pos, skipping quoted
// attribute values; -1 when the text ends first.
qsizetype tagEnd(QStringView text, qsizetype pos)
{
    QChar quote;
    QChar previous;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('>'))
            return pos;
        if ((c == QLatin1Char('"') || c == QLatin1Char('\'')) && previous == QLatin1Char('='))
            quote = c;
        if (!isBlank(c))
            previous = c;
    }
    return -1;
}

// The value of the href attribute among the attributes, or a null view.
QStringView hrefOf(QStringView attributes)
{
    qsizetype pos = 0;
    const qsizetype n = attributes.size();
    while (pos < n) {
        while (pos < n && (isBlank(attributes[pos]) || attributes[pos] == QLatin1Char('/')))
            ++pos;
        const qsizetype nameStart = pos;
        pos = qMax(nameEnd(attributes, pos, true), pos + 1);
        const QStringView name = attributes.sliced(nameStart, qMin(pos, n) - nameStart);
        while (pos < n && isBlank(attributes[pos]))
            ++pos;
        QStringView value;
        if (pos < n && attributes[pos] == QLatin1Char('=')) {
            ++pos;
            while (pos < n && isBlank(attributes[pos]))
                ++pos;
            if (pos < n
                && (attributes[pos] == QLatin1Char('"') || attributes[pos] == QLatin1Char('\''))) {
                const qsizetype close = attributes.indexOf(attributes[pos], pos + 1);
                const qsizetype end = close < 0 ? n : close;
                value = attributes.sliced(pos + 1, end - pos - 1);
                pos = end + 1;
            } else {
                const qsizetype start = pos;
                while (pos < n && !isBlank(attributes[pos]))
                    ++pos;
                value = attributes.sliced(start, pos - start);
            }
        }
        if (name.compare(QLatin1StringView("href"), Qt::CaseInsensitive) == 0)
            return value.isNull() ? QStringView(u"") : value;
    }
    return {};
}

bool isUnnamedMarker(QStringView attributes)
{
    return hrefOf(attributes).compare(QLatin1StringView("marker:"), Qt::CaseInsensitive) == 0;
}

// What the user typed where the unfinished tag starts, up to the line's end.
QString unfinishedStart(QStringView text, qsizetype lt)
{
    constexpr qsizetype shown = 24;
    QStringView start = text.sliced(lt, qMin(shown, text.size() - lt));
    const qsizetype lineEnd = start.indexOf(QLatin1Char('\r')) >= 0
        ? start.indexOf(QLatin1Char('\r'))
        : start.indexOf(QLatin1Char('\n'));
    if (lineEnd >= 0)
        start.truncate(lineEnd);
    return start.toString();
}

} // namespace

QList<MarkupProblem> markupProblems(QStringView text)
{
    using Kind = MarkupProblem::Kind;
    struct Range
    {
        qsizetype from = -1;
        qsizetype to = -1;
    };
    // The opening tags of each name still open, the first stray closing tag.
    std::array<QList<Range>, pairedTags.size()> open;
    std::array<Range, pairedTags.size()> closedUnopened;
    Range unnamedMarker;
    QString unfinished;
    qsizetype unfinishedAt = -1;

    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), pos);
        if (lt < 0 || lt + 1 >= n)
            break;
        const QChar next = text[lt + 1];
        const bool closing = next == QLatin1Char('/');
        qsizetype end = -1;
        if (next == QLatin1Char('!') && text.sliced(lt + 2).startsWith(QLatin1StringView("--"))) {
            end = text.indexOf(QLatin1StringView("-->"), lt + 4);
            if (end >= 0)
                end += 2;
        } else if (next == QLatin1Char('!') || next == QLatin1Char('?')
                   || (closing && (lt + 2 >= n || !isAsciiLetter(text[lt + 2])))) {
            end = text.indexOf(QLatin1Char('>'), lt + 2);
        } else if (isAsciiLetter(next) || closing) {
            const qsizetype nameStart = lt + (closing ? 2 : 1);
            const qsizetype afterName = nameEnd(text, nameStart, false);
            end = tagEnd(text, afterName);
            const qsizetype paired = pairedIndex(text.sliced(nameStart, afterName - nameStart));
            if (end >= 0 && paired >= 0) {
                const Range tag { lt, end + 1 };
                if (!closing) {
                    open[paired].append(tag);
                    if (pairedTags[paired] == anchorTag && unnamedMarker.from < 0
                        && isUnnamedMarker(text.sliced(afterName, end - afterName)))
                        unnamedMarker = tag;
                } else if (!open[paired].isEmpty()) {
                    open[paired].removeLast();
                } else if (closedUnopened[paired].from < 0) {
                    closedUnopened[paired] = tag;
                }
            }
        } else {
            // "a < b", "x<3", "<=": a browser shows the "<" as it is.
            pos = lt + 1;
            continue;
        }
        if (end < 0) {
            unfinished = unfinishedStart(text, lt);
            unfinishedAt = lt;
            break;
        }
        pos = end + 1;
    }

    QList<MarkupProblem> problems;
    for (std::size_t i = 0; i < pairedTags.size(); ++i) {
        if (!open[i].isEmpty())
            problems.append(
                { Kind::NeverClosed, pairedTags[i], open[i].first().from, open[i].first().to });
        if (closedUnopened[i].from >= 0)
            problems.append(
                { Kind::NeverOpened, pairedTags[i], closedUnopened[i].from, closedUnopened[i].to });
    }
    if (unnamedMarker.from >= 0)
        problems.append({ Kind::UnnamedMarker, anchorTag, unnamedMarker.from, unnamedMarker.to });
    if (!unfinished.isEmpty())
        problems.append({ Kind::UnfinishedTag, unfinished, unfinishedAt, unfinishedAt + 1 });
    return problems;
}
