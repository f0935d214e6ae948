#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString crlfText(const QPlainTextEdit *box)
{
    // The raw text keeps the no-break spaces the plain text turns into
    // blanks; its paragraph and line separators are the user's line breaks.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void setCrlfText(QPlainTextEdit *box, const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
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
