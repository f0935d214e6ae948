#include "markupcommands.h"

#include "markup.h"
#include "prompter.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

void appendAtEnd(QPlainTextEdit *box, const QString &markup)
{
    // The editor keeps line feeds only; crlfText() restores the CR LF pairs.
    QString plain = markup;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    // Inserting through a cursor keeps the box's undo history, which
    // replacing the whole text would throw away.
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(plain);
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace

void appendLineBreak(QPlainTextEdit *box)
{
    appendAtEnd(box, lineBreakMarkup());
}

void insertMarker(QPlainTextEdit *box, Prompter &prompter)
{
    const QString title = QCoreApplication::translate("MarkupCommands", "Insert Marker");
    const QString markerName = prompter.input(
        QCoreApplication::translate("MarkupCommands", "What is the name of the marker?"), title);
    const QString clickText = prompter.input(
        QCoreApplication::translate("MarkupCommands", "Enter the text to click"), title);
    appendAtEnd(box, markerMarkup(markerName, clickText));
}
