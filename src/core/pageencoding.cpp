#include "pageencoding.h"

#include <QByteArrayView>
#include <QStringConverter>
#include <QtAlgorithms>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

void appendReference(QByteArray &out, char32_t codePoint)
{
    out.append("&#");
    out.append(QByteArray::number(static_cast<uint>(codePoint)));
    out.append(';');
}

#ifdef Q_OS_WIN

// Walks the text one code point at a time; a surrogate pair is one code point
// and a lone surrogate stands for itself.
template<typename Single> void encodeByCodePoint(QStringView text, QByteArray &out, Single &&single)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            appendReference(out, QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
            continue;
        }
        single(c, out);
    }
}

bool encodeOne(const wchar_t *units, int count, QByteArray &out)
{
    char buffer[8];
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, buffer,
                                            int(sizeof buffer), nullptr, &usedDefault);
    if (written <= 0 || usedDefault)
        return false;
    out.append(buffer, written);
    return true;
}

QByteArray encode(QStringView text)
{
    if (GetACP() == CP_UTF8)
        return text.toUtf8();
    if (text.isEmpty())
        return {};
    // Most texts convert whole; only a text with a character the code page
    // lacks is walked again one character at a time.
    const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
    const int size = int(text.size());
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (needed > 0 && !usedDefault) {
        QByteArray whole(needed, Qt::Uninitialized);
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, whole.data(), needed,
                            nullptr, nullptr);
        return whole;
    }
    QByteArray out;
    out.reserve(text.size());
    encodeByCodePoint(text, out, [](QChar c, QByteArray &o) {
        const wchar_t unit = wchar_t(c.unicode());
        if (!encodeOne(&unit, 1, o))
            appendReference(o, c.unicode());
    });
    return out;
}

void append(QByteArray &out, QStringView text)
{
    out.append(encode(text));
}

bool encodable(char32_t codePoint)
{
    if (GetACP() == CP_UTF8)
        return true;
    if (codePoint > 0xFFFF)
        return false;
    const wchar_t unit = wchar_t(codePoint);
    QByteArray ignored;
    return encodeOne(&unit, 1, ignored);
}

void appendDecoded(QString &out, QByteArrayView bytes)
{
    if (GetACP() == CP_UTF8) {
        out.append(QString::fromUtf8(bytes));
        return;
    }
    if (bytes.isEmpty())
        return;
    const int size = int(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    const qsizetype start = out.size();
    out.resize(start + needed);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size,
                        reinterpret_cast<wchar_t *>(out.data() + start), needed);
}

#else

// windows-1250 is a single-byte code page, so one table from UTF-16 unit to
// byte covers it. The table is built once from the converter itself: a byte is
// taken only if it decodes to a character that encodes back to that very byte
// without error. A fresh encoder is used per character because the converter
// reports unrepresentable input as a substitute byte, not always as an error.
class Cp1250Table
{
public:
    Cp1250Table()
    {
        m_bytes.fill(-1);
        // A byte the converter cannot decode reads back as the Latin-1
        // character of the same number rather than being dropped.
        for (int b = 0; b < 256; ++b)
            m_chars[b] = char16_t(b);
        for (int b = 0; b < 128; ++b)
            m_bytes[b] = qint16(b);
        for (int b = 128; b < 256; ++b) {
            const char byte = char(b);
            QStringDecoder decoder("windows-1250");
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            if (decoder.hasError() || decoded.size() != 1
                || decoded[0] == QChar::ReplacementCharacter)
                continue;
            QStringEncoder encoder("windows-1250");
            const QByteArray back = encoder.encode(decoded);
            if (!encoder.hasError() && back.size() == 1 && back[0] == byte) {
                m_bytes[decoded[0].unicode()] = qint16(b);
                m_chars[b] = decoded[0].unicode();
            }
        }
    }

    [[nodiscard]] int byteFor(char16_t unit) const { return m_bytes[unit]; }
    [[nodiscard]] char16_t charFor(uchar byte) const { return m_chars[byte]; }

private:
    std::array<qint16, 0x10000> m_bytes {};
    std::array<char16_t, 256> m_chars {};
};

const Cp1250Table &table()
{
    static const auto instance = std::make_unique<Cp1250Table>();
    return *instance;
}

// Writes one byte per unit to dst until a unit has none; returns how many
// were written. Sixteen units are packed at once where the processor allows,
// and only those beyond ASCII, the same in every code page, are then looked
// up one by one.
qsizetype encodeBytes(const Cp1250Table &t, const char16_t *units, qsizetype n, char *dst)
{
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i asciiBits = _mm_set1_epi16(short(0xFF80));
    for (; i + 16 <= n; i += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_packus_epi16(low, high));
        // Two bits per unit, set for a unit beyond ASCII.
        const auto beyond = [&](__m128i half) {
            return uint(_mm_movemask_epi8(
                       _mm_cmpeq_epi16(_mm_and_si128(half, asciiBits), _mm_setzero_si128())))
                ^ 0xFFFFu;
        };
        for (uint bits = beyond(low) | (beyond(high) << 16); bits != 0;) {
            const qsizetype k = qCountTrailingZeroBits(bits) / 2;
            const int byte = t.byteFor(units[i + k]);
            if (byte < 0)
                return i + k;
            dst[i + k] = char(byte);
            bits &= ~(3u << (2 * k));
        }
    }
#endif
    for (; i < n; ++i) {
        const int byte = t.byteFor(units[i]);
        if (byte < 0)
            return i;
        dst[i] = char(byte);
    }
    return i;
}

// Every character is one byte except those that need a reference: runs of
// bytes go straight into the buffer, and each reference is written between
// them.
void append(QByteArray &out, QStringView text)
{
    const Cp1250Table &t = table();
    const char16_t *units = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = out.size();
        out.resize(start + n - i);
        const qsizetype run = encodeBytes(t, units + i, n - i, out.data() + start);
        out.resize(start + run);
        i += run;
        if (i == n)
            break;
        // A surrogate pair is one code point; a lone surrogate stands for itself.
        if (QChar::isHighSurrogate(units[i]) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            appendReference(out, QChar::surrogateToUcs4(units[i], units[i + 1]));
            i += 2;
        } else {
            appendReference(out, units[i]);
            ++i;
        }
    }
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    append(out, text);
    return out;
}

bool encodable(char32_t codePoint)
{
    return codePoint <= 0xFFFF && table().byteFor(char16_t(codePoint)) >= 0;
}

// ASCII is the same in the code page and in Latin-1, whose widening is fast;
// only the other bytes are then looked up, eight bytes tested at a time.
void appendDecoded(QString &out, QByteArrayView bytes)
{
    const Cp1250Table &t = table();
    const qsizetype start = out.size();
    out.append(QLatin1StringView(bytes.data(), bytes.size()));
    char16_t *dst = reinterpret_cast<char16_t *>(out.data() + start);
    const auto *src = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, src + i, sizeof word);
        if ((word & 0x8080808080808080ULL) == 0)
            continue;
        for (qsizetype k = i; k < i + 8; ++k) {
            if (src[k] & 0x80)
                dst[k] = t.charFor(src[k]);
        }
    }
    for (; i < n; ++i) {
        if (src[i] & 0x80)
            dst[i] = t.charFor(src[i]);
    }
}

#endif

// The code point of a reference exactly as appendReference() writes it,
// starting at bytes[at] ('&'), or -1. Sets end past its ';'.
qint32 referenceAt(QByteArrayView bytes, qsizetype at, qsizetype &end)
{
    qsizetype i = at + 1;
    const qsizetype n = bytes.size();
    if (i + 1 >= n || bytes[i] != '#' || bytes[i + 1] < '1' || bytes[i + 1] > '9')
        return -1;
    qint32 value = 0;
    for (++i; i < n && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
        value = value * 10 + (bytes[i] - '0');
        if (value > 0x10FFFF)
            return -1;
    }
    if (i >= n || bytes[i] != ';')
        return -1;
    end = i + 1;
    return value;
}

} // namespace

QByteArray encodePageText(QStringView text)
{
    return encode(text);
}

void appendPageText(QByteArray &out, QStringView text)
{
    append(out, text);
}

// References are ASCII in every code page the pages are written in, so they
// are found in the bytes and only the text between them is decoded. A low
// surrogate right after a high one would join it into a pair, which the
// encoder writes as one reference: such a reference is kept as text.
QString decodePageText(QByteArrayView bytes, PageCharset charset, FieldLines lines)
{
    const auto typed = [lines](qint32 value) {
        return lines == FieldLines::Many
            && (value == QChar::LineSeparator || value == QChar::ParagraphSeparator
                || value == 0xFDD0 || value == 0xFDD1);
    };
    QString out;
    out.reserve(bytes.size());
    const auto appendText = [&out, charset](QByteArrayView text) {
        if (charset == PageCharset::Utf8)
            out.append(QString::fromUtf8(text));
        else
            appendDecoded(out, text);
    };
    qsizetype copied = 0;
    for (qsizetype amp = bytes.indexOf('&'); amp >= 0; amp = bytes.indexOf('&', amp + 1)) {
        qsizetype end = 0;
        const qint32 value = referenceAt(bytes, amp, end);
        if (value < 0 || encodable(char32_t(value)) || typed(value))
            continue;
        appendText(bytes.sliced(copied, amp - copied));
        copied = amp;
        if (QChar::isLowSurrogate(char32_t(value)) && !out.isEmpty()
            && out.back().isHighSurrogate())
            continue;
        if (QChar::requiresSurrogates(char32_t(value))) {
            out.append(QChar(QChar::highSurrogate(char32_t(value))));
            out.append(QChar(QChar::lowSurrogate(char32_t(value))));
        } else {
            out.append(QChar(char16_t(value)));
        }
        copied = end;
        amp = end - 1;
    }
    appendText(bytes.sliced(copied));
    return out;
}

bool pageCanHold(char32_t codePoint)
{
    return codePoint < 0x80 || encodable(codePoint);
}
