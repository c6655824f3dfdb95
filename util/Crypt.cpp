#include "util/Crypt.h"

#include "util/EventPump.h"
#include "util/Exceptions.h"

#include <QRandomGenerator>

namespace {
const QString kFixedKey = QStringLiteral("PedraLisaDoVento");

std::function<int()>& StartSource()
{
    static std::function<int()> source;
    return source;
}

int HexDigit(QChar aChar)
{
    const char16_t c = aChar.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// The value of the group of up to two characters at aPos; a missing second character is
// read as absent, as a short text would be.
int HexGroup(const QString& aText, qsizetype aPos)
{
    int value = 0;
    int digits = 0;
    for (qsizetype i = aPos; i < aPos + 2 && i < aText.size(); ++i, ++digits) {
        const int digit = HexDigit(aText[i]);
        if (digit < 0)
            throw EConvertError(QStringLiteral("'$%1' não é um valor inteiro válido").arg(aText.mid(aPos, 2)));
        value = value * 16 + digit;
    }
    if (digits == 0)
        throw EConvertError(QStringLiteral("'$' não é um valor inteiro válido"));
    return value;
}

void AppendHex(QString& aOut, int aValue)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    if (aValue < 256) {
        aOut += QChar(kDigits[aValue >> 4]);
        aOut += QChar(kDigits[aValue & 15]);
        return;
    }
    // Only a user key part with characters beyond code 255 gets here.
    aOut += QString::number(aValue, 16).toUpper();
}
} // namespace

void SetCryptStartSource(std::function<int()> aSource)
{
    StartSource() = std::move(aSource);
}

QString Crypt(const QString& aAction, const QString& aText, const QString& aAddKey)
{
    if (aText.isEmpty())
        return QString();
    const QString action = aAction.toUpper();
    const bool encipher = action == u"C";
    if (!encipher && action != u"D")
        return QString();

    const QString key = kFixedKey + aAddKey;
    const qsizetype keyLength = key.size();
    qsizetype k = 0; // 1-based index of the key character in use
    auto nextKey = [&]() -> int {
        k = k < keyLength ? k + 1 : 1;
        return key[k - 1].unicode();
    };

    QString out;
    if (encipher) {
        out.reserve(2 * (aText.size() + 1));
        const auto& source = StartSource();
        int prev = source ? (source() & 0xFF) : static_cast<int>(QRandomGenerator::global()->bounded(256));
        AppendHex(out, prev);
        for (const QChar ch : aText) {
            PumpEvents();
            int v = (ch.unicode() + prev) % 255;
            v ^= nextKey();
            AppendHex(out, v);
            prev = v;
        }
        return out;
    }

    int prev = HexGroup(aText, 0);
    qsizetype j = 3; // 1-based position of the next group
    out.reserve(aText.size() / 2);
    do {
        const int cur = HexGroup(aText, j - 1);
        const int t = nextKey() ^ cur;
        const int p = prev < t ? t - prev : t + 255 - prev;
        out += QChar(static_cast<char16_t>(p));
        prev = cur;
        j += 2;
    } while (aText.size() > j);
    return out;
}
