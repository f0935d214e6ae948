#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString crlfText(const QPlainTextEdit *box)
{
    // The raw text keeps the no-break spaces the plain text turns into
    // blanks; its paragraph and line separators are the user's line breaks.
    // One pass over one copy: asking block by block costs a lookup per line.
    const QString raw = box->document()->toRawText();
    qsizetype breaks = 0;
    for (const QChar c : raw)
        breaks += c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
    QString text(raw.size() + breaks, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    return text;
}

// One pass: replacing in place moves the rest of the text at every break.
void setCrlfText(QPlainTextEdit *box, const QString &text)
{
    if (!text.contains(QLatin1String("\r\n"))) {
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
