#include "util/TextUtils.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <vector>

int CountTokens(const QString& aText, QChar aDelim)
{
    if (aText.isEmpty())
        return 0;
    return 1 + static_cast<int>(aText.count(aDelim));
}

QString GetToken(const QString& aText, int aIndex, QChar aDelim)
{
    if (!aText.contains(aDelim))
        return aText;
    if (aIndex < 1 || CountTokens(aText, aDelim) < aIndex)
        return QStringLiteral("None");
    qsizetype start = 0;
    for (int i = 1; i < aIndex; ++i)
        start = aText.indexOf(aDelim, start) + 1;
    const qsizetype end = aText.indexOf(aDelim, start);
    if (end < 0)
        return aText.mid(start);
    if (end == start)
        return QStringLiteral("None");
    return aText.mid(start, end - start);
}

bool TryStrToInt(const QString& aText, int& aValue)
{
    QStringView text(aText);
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (!text.isEmpty() && text[0] == u'$') {
        base = 16;
        text = text.mid(1);
    }
    if (text.isEmpty())
        return false;
    qint64 value = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<quint32>::max()))
            return false;
    }
    if (negative)
        value = -value;
    if (base == 16 && !negative && value > std::numeric_limits<int>::max())
        value -= qint64(1) << 32; // $FFFFFFFF is -1, as a 32-bit hexadecimal literal
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    aValue = static_cast<int>(value);
    return true;
}

bool ValidNumberList(const QString& aText, QChar aDelim, int aMin, int aMax)
{
    const int count = CountTokens(aText, aDelim);
    std::vector<QString> seen;
    seen.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const QString token = GetToken(aText, i, aDelim);
        int value = 0;
        if (!TryStrToInt(token, value) || value < aMin || value > aMax)
            return false;
        if (std::find(seen.begin(), seen.end(), token) != seen.end())
            return false;
        seen.push_back(token);
    }
    return true;
}

void SortTokenList(const QString& aText, QChar aDelim, QString& aResult)
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Portuguese, QLocale::Brazil)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    const int count = CountTokens(aText, aDelim);
    QStringList tokens;
    tokens.reserve(count);
    for (int i = 1; i <= count; ++i)
        tokens.append(GetToken(aText, i, aDelim));
    std::sort(tokens.begin(), tokens.end(),
              [](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    QString joined;
    const QString* last = nullptr;
    for (const QString& token : tokens) {
        if (last && collator.compare(*last, token) == 0)
            continue;
        if (last)
            joined += u';';
        joined += token;
        last = &token;
    }
    aResult += joined;
}

int DigitCount(int aValue)
{
    int digits = 1;
    for (qint64 limit = 10; digits < 10 && aValue >= limit; limit *= 10)
        ++digits;
    return digits;
}

QString PadNumber(int aValue, int aDigits)
{
    const qint64 value = aValue;
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(aDigits, u'0');
    return value < 0 ? u'-' + digits : digits;
}

QString PadLike(int aValue, int aReference)
{
    return PadNumber(aValue, DigitCount(aReference));
}

QString TrailingChar(const QString& aText, QChar aChar, bool aAdd)
{
    if (aText.isEmpty())
        return aText;
    if (aAdd)
        return aText.endsWith(aChar) ? aText : aText + aChar;
    return aText.endsWith(aChar) ? aText.chopped(1) : aText;
}

bool SameTextAscii(QStringView aLeft, QStringView aRight)
{
    if (aLeft.size() != aRight.size())
        return false;
    const auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; };
    const QChar* l = aLeft.data();
    const QChar* r = aRight.data();
    for (qsizetype i = 0, n = aLeft.size(); i < n; ++i)
        if (l[i] != r[i] && fold(l[i].unicode()) != fold(r[i].unicode()))
            return false;
    return true;
}

QString FirstWord(const QString& aText)
{
    const qsizetype blank = aText.indexOf(u' ');
    return blank < 0 ? aText : aText.left(blank + 1);
}

bool ForceDirs(const QString& aPath, QChar aDelim)
{
    const QStringList levels = aPath.split(aDelim, Qt::SkipEmptyParts);
    QString path = aPath.startsWith(aDelim) ? QString(aDelim) : QString();
    for (const QString& level : levels) {
        path += level;
        if (!QFileInfo(path).isDir() && !QDir().mkdir(path))
            return false;
        path += aDelim;
    }
    return true;
}
