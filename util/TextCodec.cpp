#include "util/TextCodec.h"

#include <QStringDecoder>

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five undefined codes, which map to themselves.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char EncodeOne(char16_t aCode)
{
    if (aCode < 0x80 || (aCode >= 0xA0 && aCode <= 0xFF))
        return static_cast<char>(aCode);
    for (int i = 0; i < 32; ++i) {
        const char16_t mapped = kHigh[i] ? kHigh[i] : static_cast<char16_t>(0x80 + i);
        if (mapped == aCode)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

QByteArray EncodeWin1252(QStringView aText)
{
    QByteArray out(aText.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < aText.size(); ++i) {
        const QChar ch = aText[i];
        // A character outside the basic plane is one character: one "?".
        if (ch.isHighSurrogate() && i + 1 < aText.size() && aText[i + 1].isLowSurrogate())
            ++i;
        *dst++ = EncodeOne(ch.unicode());
    }
    out.truncate(dst - out.constData());
    return out;
}

QString DecodeWin1252(QByteArrayView aBytes)
{
    QString out(aBytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char byte : aBytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0 && kHigh[code - 0x80])
            *dst++ = QChar(kHigh[code - 0x80]);
        else
            *dst++ = QChar(code);
    }
    return out;
}

QString DecodeAnsiWithBom(const QByteArray& aBytes)
{
    if (aBytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(aBytes.constData() + 3, aBytes.size() - 3);
    if (aBytes.startsWith("\xFF\xFE") || aBytes.startsWith("\xFE\xFF")) {
        // Stateless: a last odd byte becomes U+FFFD instead of waiting for a byte that never comes.
        auto decoder =
            QStringDecoder(aBytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::Stateless);
        QString text = decoder(QByteArrayView(aBytes).sliced(2));
        // A surrogate without its pair becomes U+FFFD as well, as a malformed UTF-8 sequence does,
        // so that the text can be written as UTF-8 again without turning into something else.
        QChar* data = text.data();
        for (qsizetype i = 0, n = text.size(); i < n; ++i) {
            if (data[i].isHighSurrogate() && i + 1 < n && data[i + 1].isLowSurrogate())
                ++i;
            else if (data[i].isSurrogate())
                data[i] = QChar::ReplacementCharacter;
        }
        return text;
    }
    return DecodeWin1252(aBytes);
}

QString DecodeText(const QByteArray& aBytes)
{
    if (aBytes.startsWith("\xEF\xBB\xBF") || aBytes.startsWith("\xFF\xFE") || aBytes.startsWith("\xFE\xFF"))
        return DecodeAnsiWithBom(aBytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(aBytes);
    if (!utf8.hasError())
        return text;
    return DecodeWin1252(aBytes);
}

QStringList SplitLines(const QString& aText)
{
    QStringList lines;
    const QChar* data = aText.constData();
    const qsizetype size = aText.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(QString(data + start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString(data + start, size - start));
    return lines;
}
