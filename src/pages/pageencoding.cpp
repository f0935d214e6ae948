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

bool holds(char32_t codePoint)
{
    if (GetACP() == CP_UTF8)
        return codePoint <= 0x10FFFF && !QChar::isSurrogate(codePoint);
    if (codePoint > 0xFFFF)
        return false;
    const wchar_t unit = wchar_t(codePoint);
    QByteArray scratch;
    return encodeOne(&unit, 1, scratch);
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
            if (!encoder.hasError() && back.size() == 1 && back[0] == byte)
                m_bytes[decoded[0].unicode()] = qint16(b);
        }
    }

    [[nodiscard]] int byteFor(char16_t unit) const { return m_bytes[unit]; }

private:
    std::array<qint16, 0x10000> m_bytes {};
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

bool holds(char32_t codePoint)
{
    return codePoint <= 0xFFFF && table().byteFor(char16_t(codePoint)) >= 0;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    append(out, text);
    return out;
}

#endif

} // namespace

QByteArray encodePageText(QStringView text)
{
    return encode(text);
}

void appendPageText(QByteArray &out, QStringView text)
{
    append(out, text);
}

bool pageCanHold(char32_t codePoint)
{
    return codePoint < 0x80 || holds(codePoint);
}

QString decodePageText(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    QStringDecoder decoder(QStringConverter::System);
#else
    QStringDecoder decoder("windows-1250");
#endif
    return decoder.decode(bytes);
}
