#pragma once

#include <QString>

class QPlainTextEdit;

// The multi-line boxes hold their line breaks as CR LF pairs, as the pages
// write them; the editor widget itself uses plain line feeds.
[[nodiscard]] QString crlfText(const QPlainTextEdit *box);
void setCrlfText(QPlainTextEdit *box, const QString &text);
// As above, taking the text: a large text that is the only copy is handed to
// the box a piece at a time, each piece released once the box holds it, so
// the text is never held whole twice. The box ends as setPlainText leaves it.
void setCrlfText(QPlainTextEdit *box, QString &&text, qsizetype piece = qsizetype(1) << 20);
// Selects [from, to) of the box's text counted as crlfText gives it.
void selectCrlfRange(QPlainTextEdit *box, int from, int to);
