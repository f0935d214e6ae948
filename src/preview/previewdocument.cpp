#include "previewdocument.h"

#include "pageencoding.h"
#include "pagelayout.h"
#include "previewpictures.h"

#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>

#include <cctype>

namespace {

// Qt hashes every list of anchor names alike, so ten thousand objectives'
// empty named anchors make the import quadratic; an empty anchor shows
// nothing, and the preview follows no link inside the page.
QByteArray withoutObjectiveAnchors(const QByteArray &bytes)
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
    return shown;
}

// A run of <br> lines is one block, which the layout cannot split: in the
// displayed copy each line is a block of its own without margins, marked so
// that the run's margins can be put back around it. Not in lists, where a
// new block would be a new item.
constexpr int splitLineState = 19522;
const QLatin1StringView
    splitLine("<p style=\"margin-top:0;margin-bottom:0;-qt-user-state:19522\">");

enum class Nesting { None, Table, TablePart, List };

Nesting nestingOf(QStringView name)
{
    static const QLatin1StringView tables[] { QLatin1StringView("table") };
    static const QLatin1StringView parts[] {
        QLatin1StringView("tr"),     QLatin1StringView("td"),    QLatin1StringView("th"),
        QLatin1StringView("thead"),  QLatin1StringView("tbody"), QLatin1StringView("tfoot"),
        QLatin1StringView("caption")
    };
    static const QLatin1StringView lists[] { QLatin1StringView("ul"), QLatin1StringView("ol"),
                                             QLatin1StringView("dl"),
                                             QLatin1StringView("blockquote") };
    const auto is = [name](const auto &names) {
        for (const QLatin1StringView n : names)
            if (name.compare(n, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (is(tables))
        return Nesting::Table;
    if (is(parts))
        return Nesting::TablePart;
    return is(lists) ? Nesting::List : Nesting::None;
}

} // namespace

PreviewDocument::PreviewDocument(const QString &pageFolder, QObject *parent)
    : QTextDocument(parent)
    , m_folder(pageFolder)
{
    setUndoRedoEnabled(false);
}

QVariant PreviewDocument::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource)
        return {};
    const QImage picture = PreviewPictures::load(name, m_folder);
    // A null answer leaves the toolkit's broken-picture sign in its place.
    if (picture.isNull())
        return {};
    addResource(type, name, picture);
    return picture;
}

DisplayedText displayedText(const QByteArray &bytes, int targetLine, const DisplayLimits &limits)
{
    const QString page = decodePageText(withoutObjectiveAnchors(bytes));
    DisplayedText shown;
    QString &html = shown.html;
    html.reserve(qMin(page.size(), limits.maxChars) + 16);
    int line = 0;
    int tags = 0;
    bool markPending = targetLine == 0;
    int listDepth = 0;
    int droppedLists = 0;
    int tableDepth = 0;
    const qsizetype size = page.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = page.at(i);
        if (c == QLatin1Char('<')) {
            qsizetype end = page.indexOf(QLatin1Char('>'), i + 1);
            end = end < 0 ? size : end + 1;
            const QStringView tag = QStringView(page).sliced(i, end - i);
            const bool closing = tag.size() > 1 && tag[1] == QLatin1Char('/');
            qsizetype nameEnd = closing ? 2 : 1;
            while (nameEnd < tag.size() && tag[nameEnd].isLetterOrNumber())
                ++nameEnd;
            const QStringView name = tag.sliced(closing ? 2 : 1, nameEnd - (closing ? 2 : 1));
            bool keep = true;
            switch (nestingOf(name)) {
            case Nesting::Table:
                tableDepth = qMax(0, tableDepth + (closing ? -1 : 1));
                if (tableDepth > limits.maxTableDepth) {
                    shown.tooComplex = true;
                    return shown;
                }
                break;
            case Nesting::List:
                if (!closing && listDepth >= limits.maxListDepth) {
                    ++droppedLists;
                    keep = false;
                } else if (closing && droppedLists > 0) {
                    --droppedLists;
                    keep = false;
                } else {
                    listDepth = qMax(0, listDepth + (closing ? -1 : 1));
                }
                break;
            case Nesting::TablePart:
            case Nesting::None:
                break;
            }
            if (keep && !closing && listDepth == 0
                && name.compare(QLatin1StringView("br"), Qt::CaseInsensitive) == 0)
                html.append(splitLine);
            else if (keep)
                html.append(tag);
            line += int(tag.count(QLatin1Char('\n')));
            ++tags;
            i = end;
            continue;
        }
        if (markPending && !c.isSpace()) {
            html.append(QChar(targetMark));
            markPending = false;
        }
        html.append(c);
        ++i;
        if (c != QLatin1Char('\n'))
            continue;
        if (++line == targetLine)
            markPending = true;
        if (html.size() >= limits.maxChars || tags >= limits.maxTags) {
            shown.cut = i < size;
            break;
        }
    }
    if (markPending && !shown.cut)
        html.append(QChar(targetMark));
    return shown;
}

BuiltPage buildPreviewDocument(const QByteArray &bytes, const QString &pageFolder, int targetLine,
                               const QFont &font, const DisplayLimits &limits)
{
    BuiltPage built;
    built.document = std::make_unique<PreviewDocument>(pageFolder);
    QTextDocument &document = *built.document;
    document.setDefaultFont(font);
    DisplayedText text = displayedText(bytes, targetLine, limits);
    built.cut = text.cut;
    built.tooComplex = text.tooComplex;
    if (text.tooComplex)
        return built;
    document.setHtml(text.html);
    text.html.clear();

    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const QTextCursor mark = document.find(QString(QChar(targetMark)));
    if (!mark.isNull()) {
        built.targetPosition = mark.selectionStart();
        QTextCursor(mark).removeSelectedText();
    }
    // The first of a run of split lines gives its bottom margin to the last.
    qreal runMargin = 0;
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        const bool split = block.userState() == splitLineState;
        const bool nextSplit = next.isValid() && next.userState() == splitLineState;
        if (split == nextSplit)
            continue;
        cursor.setPosition(block.position());
        QTextBlockFormat format = block.blockFormat();
        if (nextSplit) {
            runMargin = format.bottomMargin();
            format.setBottomMargin(0);
        } else {
            format.setBottomMargin(runMargin);
        }
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
    // The picture files are read and decoded here, off the window's thread.
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                (void)document.resource(QTextDocument::ImageResource,
                                        QUrl(format.toImageFormat().name()));
        }
    }
    return built;
}
