#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtAlgorithms>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool isBreak(char16_t unit)
{
    // Only the paragraph and the line separator are 0x2029 once their lowest
    // bit is set.
    return (unit | 1) == QChar::ParagraphSeparator;
}

// Bits 2k and 2k + 1 are set when text[k] of the eight units is a break.
uint breakBits(const char16_t *text)
{
#ifdef __SSE2__
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text));
    return uint(_mm_movemask_epi8(
        _mm_cmpeq_epi16(_mm_or_si128(units, _mm_set1_epi16(1)), _mm_set1_epi16(short(0x2029)))));
#else
    uint bits = 0;
    for (int k = 0; k < 8; ++k)
        bits |= isBreak(text[k]) ? 3u << (2 * k) : 0u;
    return bits;
#endif
}

qsizetype breakCount(const char16_t *text, qsizetype n)
{
    qsizetype breaks = 0;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        // Most runs of eight hold no break.
        for (uint bits = breakBits(text + i); bits != 0; bits &= bits - 1)
            ++breaks;
    }
    breaks /= 2;
    for (; i < n; ++i)
        breaks += isBreak(text[i]);
    return breaks;
}

// The position of the last break in text[0, end), or -1.
qsizetype lastBreakBefore(const char16_t *text, qsizetype end)
{
    qsizetype i = end;
    for (; i % 8 != 0; --i) {
        if (isBreak(text[i - 1]))
            return i - 1;
    }
    for (; i >= 8; i -= 8) {
        if (const uint bits = breakBits(text + i - 8))
            return i - 8 + qsizetype(31 - qCountLeadingZeroBits(bits)) / 2;
    }
    return -1;
}

} // namespace

QString crlfText(const QPlainTextEdit *box)
{
    // The raw text keeps the no-break spaces the plain text turns into
    // blanks; its paragraph and line separators are the user's line breaks.
    // Asking block by block costs a lookup per line, and a second copy of a
    // large text costs more than moving its lines up within the first.
    QString text = box->document()->toRawText();
    const qsizetype n = text.size();
    const qsizetype breaks = breakCount(reinterpret_cast<const char16_t *>(text.constData()), n);
    if (breaks == 0)
        return text;
    text.resize(n + breaks);
    auto *units = reinterpret_cast<char16_t *>(text.data());
    // From the last line to the first, each line moves up by the breaks
    // before it.
    for (qsizetype end = n, shift = breaks; shift > 0; --shift) {
        const qsizetype at = lastBreakBefore(units, end);
        std::memmove(units + at + 1 + shift, units + at + 1,
                     std::size_t(end - at - 1) * sizeof(char16_t));
        units[at + shift - 1] = u'\r';
        units[at + shift] = u'\n';
        end = at;
    }
    return text;
}

namespace {

// The box takes a CR LF as one line break and a lone CR as one; only a CR
// right before a CR LF would read as two breaks. Such a text goes without
// the CRs of its CR LF pairs.
bool needsPlainBreaks(QStringView text)
{
    return text.contains(u"\r\r\n");
}

QString withPlainBreaks(QStringView text)
{
    QString plain(text.size(), Qt::Uninitialized);
    QChar *out = plain.data();
    const QChar *in = text.data();
    const QChar *end = in + text.size();
    for (; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue;
        *out++ = *in;
    }
    plain.truncate(out - plain.constData());
    return plain;
}

} // namespace

// A text is handed over as it is, without a second copy, unless it needs
// its breaks made plain, in one pass.
void setCrlfText(QPlainTextEdit *box, const QString &text)
{
    box->setPlainText(needsPlainBreaks(text) ? withPlainBreaks(text) : text);
}

void setCrlfText(QPlainTextEdit *box, QString &&text, qsizetype piece)
{
    // Releasing the text's end in place needs its only copy, starting at its
    // allocation.
    if (text.size() <= piece || !text.isDetached() || text.data_ptr().freeSpaceAtBegin() != 0) {
        setCrlfText(box, std::as_const(text));
        text = QString();
        return;
    }
    const bool plain = needsPlainBreaks(text);
    // From the end: each piece is cut from the text, which then shrinks in
    // place. A piece never starts right after a CR, so no break is split,
    // nor inside a surrogate pair.
    const auto takePiece = [&text, piece, plain] {
        qsizetype from = qMax(qsizetype(0), text.size() - piece);
        while (from > 0 && (text.at(from - 1) == u'\r' || text.at(from).isLowSurrogate()))
            --from;
        QString taken = plain ? withPlainBreaks(QStringView(text).sliced(from)) : text.sliced(from);
        text.truncate(from);
        text.squeeze();
        return taken;
    };
    box->setPlainText(takePiece());
    QTextDocument *document = box->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    while (!text.isEmpty()) {
        cursor.setPosition(0);
        cursor.insertText(takePiece());
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    box->setTextCursor(QTextCursor(document));
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
