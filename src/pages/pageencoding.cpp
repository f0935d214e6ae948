#include "pageencoding.h"

#include <QByteArrayView>
#include <QStringConverter>

#include <array>
#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

void appendReference(QByteArray &out, char32_t codePoint)
{
    out.append("&#");
    out.append(QByteArray::number(static_cast<uint>(codePoint)));
    out.append(';');
}

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

#ifdef Q_OS_WIN

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

QString decode(QByteArrayView bytes)
{
    if (GetACP() == CP_UTF8)
        return QString::fromUtf8(bytes);
    if (bytes.isEmpty())
        return {};
    const int size = int(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    QString text(needed, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                        needed);
    return text;
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

void append(QByteArray &out, QStringView text)
{
    const Cp1250Table &t = table();
    // Every character is one byte until one needs a reference: write the
    // bytes straight into the buffer and fall back to the slow walk only from
    // the first such character on.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    const char16_t *units = text.utf16();
    qsizetype i = 0;
    for (const qsizetype n = text.size(); i < n; ++i) {
        const char16_t unit = units[i];
        const int byte = unit < 0x80 ? int(unit) : t.byteFor(unit);
        if (byte < 0)
            break;
        *dst++ = char(byte);
    }
    out.resize(start + i);
    if (i == text.size())
        return;
    encodeByCodePoint(text.mid(i), out, [&t](QChar c, QByteArray &o) {
        const int byte = t.byteFor(c.unicode());
        if (byte >= 0)
            o.append(char(byte));
        else
            appendReference(o, c.unicode());
    });
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

QString decode(QByteArrayView bytes)
{
    const Cp1250Table &t = table();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *dst++ = t.charFor(uchar(byte));
    return text;
}

#endif

// The code point of a reference exactly as appendReference() writes it,
// starting at text[at] ("&#"), or -1. Sets end past its ';'.
qint32 referenceAt(QStringView text, qsizetype at, qsizetype &end)
{
    qsizetype i = at + 2;
    const qsizetype n = text.size();
    if (i >= n || text[i] < u'1' || text[i] > u'9')
        return -1;
    qint32 value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 0x10FFFF)
            return -1;
    }
    if (i >= n || text[i] != u';')
        return -1;
    end = i + 1;
    return value;
}

// A low surrogate right after a high one would join it into a pair, which
// the encoder writes as one reference: such a reference is kept as text.
QString resolveReferences(const QString &text)
{
    qsizetype amp = text.indexOf(u"&#");
    if (amp < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (; amp >= 0; amp = text.indexOf(u"&#", amp + 1)) {
        qsizetype end = 0;
        const qint32 value = referenceAt(text, amp, end);
        if (value < 0 || encodable(char32_t(value)))
            continue;
        out.append(QStringView(text).sliced(copied, amp - copied));
        const bool joins = QChar::isLowSurrogate(char32_t(value)) && !out.isEmpty()
            && out.back().isHighSurrogate();
        if (joins) {
            copied = amp;
            continue;
        }
        if (QChar::requiresSurrogates(char32_t(value))) {
            out.append(QChar(QChar::highSurrogate(char32_t(value))));
            out.append(QChar(QChar::lowSurrogate(char32_t(value))));
        } else {
            out.append(QChar(char16_t(value)));
        }
        copied = end;
        amp = end - 1;
    }
    out.append(QStringView(text).sliced(copied));
    return out;
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

QString decodePageText(QByteArrayView bytes, PageCharset charset)
{
    return resolveReferences(charset == PageCharset::Utf8 ? QString::fromUtf8(bytes)
                                                          : decode(bytes));
}
