#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

QString crlfText(const QPlainTextEdit *box)
{
    // The raw text keeps the no-break spaces the plain text turns into
    // blanks; its paragraph and line separators are the user's line breaks.
    // One pass over one copy: asking block by block costs a lookup per line,
    // and widening that copy in place, from its end, spares a second one.
    QString text = box->document()->toRawText();
    const auto isBreak
        = [](QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; };
    const qsizetype size = text.size();
    const qsizetype breaks = std::count_if(text.cbegin(), text.cend(), isBreak);
    if (breaks == 0)
        return text;
    text.resize(size + breaks);
    QChar *data = text.data();
    for (qsizetype in = size, out = size + breaks; in-- > 0;) {
        if (isBreak(data[in])) {
            data[--out] = u'\n';
            data[--out] = u'\r';
        } else {
            data[--out] = data[in];
        }
    }
    return text;
}

// The box itself takes a CR LF as one line break and a lone CR as one, so a
// text is handed over as it is, without a second copy; only a CR right
// before a CR LF would read as two breaks, and such a text is converted
// first, in one pass.
void setCrlfText(QPlainTextEdit *box, const QString &text)
{
    if (!text.contains(QLatin1String("\r\r\n"))) {
        box->setPlainText(text);
        return;
    }
    QString plain(text.size(), Qt::Uninitialized);
    QChar *out = plain.data();
    const QChar *in = text.constData();
    const QChar *end = in + text.size();
    for (; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue;
        *out++ = *in;
    }
    plain.truncate(out - plain.constData());
    box->setPlainText(plain);
}

namespace {

// A line break is two characters of the record and one of the box.
int boxPosition(const QTextDocument *document, int recordPosition)
{
    int record = 0;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        const int line = block.length() - 1;
        if (recordPosition <= record + line)
            return block.position() + recordPosition - record;
        record += line + 2;
        if (recordPosition < record)
            return block.position() + line;
    }
    return document->characterCount() - 1;
}

} // namespace

void selectCrlfRange(QPlainTextEdit *box, int from, int to)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(boxPosition(box->document(), from));
    cursor.setPosition(boxPosition(box->document(), to), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}
