#include "multilinetext.h"

#include <QPlainTextEdit>

QString crlfText(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void setCrlfText(QPlainTextEdit *box, const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(plain);
}
