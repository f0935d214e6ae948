#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString crlfText(const QPlainTextEdit *box)
{
    // Block by block rather than through one copy of the whole raw text: a
    // block's text keeps the no-break spaces the plain text turns into
    // blanks, and its line separators are the user's line breaks too.
    const QTextDocument *document = box->document();
    QString text;
    text.reserve(document->characterCount() + document->blockCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            text.append(u"\r\n");
        const QString line = block.text();
        qsizetype from = 0;
        for (qsizetype at; (at = line.indexOf(QChar::LineSeparator, from)) >= 0; from = at + 1)
            text.append(QStringView(line).sliced(from, at - from)).append(u"\r\n");
        text.append(QStringView(line).sliced(from));
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
