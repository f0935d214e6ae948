#pragma once

#include <QString>

class QPlainTextEdit;

// The multi-line boxes hold their line breaks as CR LF pairs, as the pages
// write them; the editor widget itself uses plain line feeds.
[[nodiscard]] QString crlfText(const QPlainTextEdit *box);
void setCrlfText(QPlainTextEdit *box, const QString &text);
// Selects [from, to) of the box's text counted as crlfText gives it.
void selectCrlfRange(QPlainTextEdit *box, int from, int to);
