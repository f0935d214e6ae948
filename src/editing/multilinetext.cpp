#include "multilinetext.h"

#include <QPlainTextEdit>
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
