#include "multilinetext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtAlgorithms>
#include <QtGui/private/qtextdocument_p.h>

#include <cstring>
#include <memory>

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

// Hands raw text on as crlfText would give it, each line break as CR LF,
// in pieces of a fixed size: a document's own pieces are often a line
// each. A piece never ends in a high surrogate, which goes on with the next.
class CrlfPieces
{
public:
    explicit CrlfPieces(const std::function<void(QStringView)> &sink)
        : m_sink(sink)
        , m_piece(new char16_t[pieceSize])
    {
    }

    void add(QStringView raw)
    {
        const auto *units = reinterpret_cast<const char16_t *>(raw.data());
        const qsizetype n = raw.size();
        qsizetype from = 0;
        qsizetype i = 0;
        const auto lineBreak = [&](qsizetype at) {
            put(units + from, at - from);
            put(u"\r\n", 2);
            from = at + 1;
        };
        for (; i + 8 <= n; i += 8) {
            for (uint bits = breakBits(units + i); bits != 0;) {
                const qsizetype k = qCountTrailingZeroBits(bits) / 2;
                lineBreak(i + k);
                bits &= ~(3u << (2 * k));
            }
        }
        for (; i < n; ++i) {
            if (isBreak(units[i]))
                lineBreak(i);
        }
        put(units + from, n - from);
    }

    void finish()
    {
        if (m_size > 0)
            m_sink(QStringView(m_piece.get(), m_size));
        m_size = 0;
    }

private:
    static constexpr qsizetype pieceSize = qsizetype(1) << 15;

    void put(const char16_t *units, qsizetype n)
    {
        while (n > 0) {
            if (m_size == pieceSize)
                handOn();
            const qsizetype taken = qMin(n, pieceSize - m_size);
            std::memcpy(m_piece.get() + m_size, units, std::size_t(taken) * sizeof(char16_t));
            m_size += taken;
            units += taken;
            n -= taken;
        }
    }
    void handOn()
    {
        const bool held = QChar::isHighSurrogate(m_piece[std::size_t(m_size - 1)]);
        m_sink(QStringView(m_piece.get(), held ? m_size - 1 : m_size));
        if (held)
            m_piece[0] = m_piece[std::size_t(m_size - 1)];
        m_size = held ? 1 : 0;
    }

    const std::function<void(QStringView)> &m_sink;
    std::unique_ptr<char16_t[]> m_piece;
    qsizetype m_size = 0;
};

} // namespace

// The document's own pieces are read in place, in the order they stand:
// copying a large text whole costs more than writing it.
void readCrlfText(const QPlainTextEdit *box, const std::function<void(QStringView)> &sink)
{
    const QTextDocumentPrivate *document = QTextDocumentPrivate::get(box->document());
    const QString buffer = document->buffer();
    // The last piece ends in the separator after the last line, which is
    // not part of the text.
    qsizetype left = document->length() - 1;
    CrlfPieces pieces(sink);
    for (auto it = document->begin(); it != document->end() && left > 0; ++it) {
        const QTextFragmentData *fragment = it.value();
        const qsizetype size = qMin(qsizetype(fragment->size_array[0]), left);
        pieces.add(QStringView(buffer).sliced(fragment->stringPosition, size));
        left -= size;
    }
    pieces.finish();
}

// The raw text keeps the no-break spaces the plain text turns into blanks;
// its paragraph and line separators are the user's line breaks.
QString crlfText(const QPlainTextEdit *box)
{
    const QTextDocument *document = box->document();
    QString text;
    text.reserve(document->characterCount() + document->blockCount());
    readCrlfText(box, [&text](QStringView piece) { text += piece; });
    return text;
}

BoxTexts::BoxTexts(std::initializer_list<std::pair<MissionField, const QPlainTextEdit *>> boxes)
{
    for (const auto &entry : boxes) {
        const MissionField field = entry.first;
        const QPlainTextEdit *box = entry.second;
        if (box->document()->characterCount() - 1 <= RecordDigest::wholeTextLimit)
            continue;
        auto read = std::make_shared<Read>(Read { field, {} });
        m_read.append(read);
        TextPieces pieces = [box, read](const std::function<void(QStringView)> &sink) {
            read->hasher = TextHasher();
            readCrlfText(box, [&](QStringView piece) {
                read->hasher.add(piece);
                sink(piece);
            });
        };
        TextPieces &slot = field == MissionField::Overview ? m_texts.overview
            : field == MissionField::Notes                 ? m_texts.notes
                                                           : m_texts.briefing;
        slot = std::move(pieces);
    }
}

bool BoxTexts::fromBox(MissionField field) const
{
    return std::any_of(m_read.begin(), m_read.end(),
                       [field](const auto &read) { return read->field == field; });
}

RecordDigest BoxTexts::written(const MissionBrief &record) const
{
    QList<std::pair<FieldRef, TextDigest>> hashed;
    for (const auto &read : m_read)
        hashed.append({ FieldRef { read->field }, read->hasher.digest() });
    return RecordDigest(record, hashed);
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
