#include "store/InxDocument.h"

#include "util/TextUtils.h"

#include <QByteArray>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
inline char16_t FoldAscii(char16_t aChar)
{
    return (aChar >= u'A' && aChar <= u'Z') ? char16_t(aChar + (u'a' - u'A')) : aChar;
}
} // namespace

bool InxSameName(QStringView aLeft, QStringView aRight)
{
    return SameTextAscii(aLeft, aRight);
}

size_t InxNameHash(QStringView aName)
{
    // FNV-1a over the folded characters, with a final mix so that the low bits (the slot) vary.
    size_t h = 1469598103934665603ull;
    for (const QChar ch : aName) {
        h ^= FoldAscii(ch.unicode());
        h *= 1099511628211ull;
    }
    h ^= h >> 32;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 29;
    return h;
}

QString InxFloatToStr(double aValue)
{
    if (std::isnan(aValue))
        return QStringLiteral("NAN");
    if (std::isinf(aValue))
        return aValue < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (aValue == 0)
        return QStringLiteral("0");
    // 15 significant digits, rounded once; then placed by the decimal exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", aValue);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QByteArray digits;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    QByteArray out;
    if (negative)
        out.append('-');
    if (exponent < -5 || exponent >= 15) {
        out.append(digits[0]);
        if (digits.size() > 1) {
            out.append(',');
            out.append(digits.mid(1));
        }
        out.append('E');
        out.append(QByteArray::number(exponent));
    } else if (exponent < 0) {
        out.append("0,");
        out.append(QByteArray(-exponent - 1, '0'));
        out.append(digits);
    } else {
        const int intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            out.append(digits);
            out.append(QByteArray(intDigits - digits.size(), '0'));
        } else {
            out.append(digits.left(intDigits));
            out.append(',');
            out.append(digits.mid(intDigits));
        }
    }
    return QString::fromLatin1(out);
}

bool InxTryStrToFloat(const QString& aText, double& aValue)
{
    const QString text = aText.trimmed();
    QByteArray ascii;
    ascii.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) { return k < n ? text[k].unicode() : char16_t(0); };
    if (at(i) == u'+' || at(i) == u'-')
        ascii.append(char(text[i++].unicode()));
    int mantissaDigits = 0;
    while (at(i) >= u'0' && at(i) <= u'9') {
        ascii.append(char(text[i++].unicode()));
        ++mantissaDigits;
    }
    if (at(i) == u',') {
        ascii.append('.');
        ++i;
        while (at(i) >= u'0' && at(i) <= u'9') {
            ascii.append(char(text[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (at(i) == u'E' || at(i) == u'e') {
        ascii.append('e');
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ascii.append(char(text[i++].unicode()));
        int exponentDigits = 0;
        while (at(i) >= u'0' && at(i) <= u'9') {
            ascii.append(char(text[i++].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    char* end = nullptr;
    const double value = std::strtod(ascii.constData(), &end);
    if (end != ascii.constData() + ascii.size() || std::isinf(value))
        return false;
    aValue = value;
    return true;
}

bool TInxDocument::HasSections() const
{
    for (const auto& section : FSections)
        if (!section->Removed)
            return true;
    return false;
}

namespace {
template <class T> const T& Deref(const std::unique_ptr<T>& aPointer)
{
    return *aPointer;
}
template <class T> const T& Same(const T& aValue)
{
    return aValue;
}
} // namespace

TInxSection* TInxDocument::FindSection(const QString& aName) const
{
    const int index = FSectionIndex.Find(FSections, Deref<TInxSection>, aName, InxNameHash(aName));
    return index < 0 ? nullptr : FSections[index].get();
}

TInxHeader* TInxDocument::FindHeader(const TInxSection& aSection, const QString& aName) const
{
    const int index = aSection.HeaderIndex.Find(aSection.Headers, Deref<TInxHeader>, aName, InxNameHash(aName));
    return index < 0 ? nullptr : aSection.Headers[index].get();
}

int TInxDocument::FindKey(const TInxContainer& aContainer, const QString& aName) const
{
    return aContainer.KeyIndex.Find(aContainer.Keys, Same<TInxKey>, aName, InxNameHash(aName));
}

int TInxDocument::FindMult(const TInxContainer& aContainer, const QString& aName) const
{
    return aContainer.MultIndex.Find(aContainer.Mults, Same<TInxBlock>, aName, InxNameHash(aName));
}

TInxSection& TInxDocument::EnsureSection(const QString& aName, bool& aCreated)
{
    aCreated = false;
    if (TInxSection* found = FindSection(aName))
        return *found;
    auto section = std::make_unique<TInxSection>();
    section->Name = aName;
    section->NameHash = InxNameHash(aName);
    FSections.push_back(std::move(section));
    FSectionIndex.Insert(FSections, Deref<TInxSection>, int(FSections.size() - 1));
    aCreated = true;
    return *FSections.back();
}

TInxHeader& TInxDocument::EnsureHeader(TInxSection& aSection, const QString& aName, bool& aCreated)
{
    aCreated = false;
    if (TInxHeader* found = FindHeader(aSection, aName))
        return *found;
    auto header = std::make_unique<TInxHeader>();
    header->Name = aName;
    header->NameHash = InxNameHash(aName);
    aSection.Headers.push_back(std::move(header));
    aSection.HeaderIndex.Insert(aSection.Headers, Deref<TInxHeader>, int(aSection.Headers.size() - 1));
    aCreated = true;
    return *aSection.Headers.back();
}

TInxKey& TInxDocument::AddKey(TInxContainer& aContainer, const QString& aName)
{
    if (aContainer.Keys.empty())
        aContainer.Keys.reserve(4); // records hold a handful of keys: grow once, not three times
    TInxKey& key = aContainer.Keys.emplace_back();
    key.Name = aName;
    key.NameHash = InxNameHash(aName);
    aContainer.KeyIndex.Insert(aContainer.Keys, Same<TInxKey>, int(aContainer.Keys.size() - 1));
    return key;
}

TInxBlock& TInxDocument::AddMult(TInxContainer& aContainer, const QString& aName)
{
    TInxBlock& mult = aContainer.Mults.emplace_back();
    mult.Name = aName;
    mult.NameHash = InxNameHash(aName);
    aContainer.MultIndex.Insert(aContainer.Mults, Same<TInxBlock>, int(aContainer.Mults.size() - 1));
    return mult;
}

void TInxDocument::RemoveHeader(TInxSection& aSection, TInxHeader& aHeader)
{
    Q_UNUSED(aSection); // a removed header stays in the index; lookups step over it
    aHeader.Removed = true;
}

void TInxDocument::RemoveSection(TInxSection& aSection)
{
    aSection.Removed = true;
}
