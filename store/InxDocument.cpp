#include "store/InxDocument.h"

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
    if (aLeft.size() != aRight.size())
        return false;
    const QChar* l = aLeft.data();
    const QChar* r = aRight.data();
    for (qsizetype i = 0, n = aLeft.size(); i < n; ++i)
        if (l[i] != r[i] && FoldAscii(l[i].unicode()) != FoldAscii(r[i].unicode()))
            return false;
    return true;
}

size_t qHash(const TInxDocument::TNameKey& aKey, size_t aSeed) noexcept
{
    // FNV-1a over the folded characters, mixed with the owner and kind.
    size_t h = 1469598103934665603ull ^ aSeed;
    for (const QChar ch : aKey.Name) {
        h ^= FoldAscii(ch.unicode());
        h *= 1099511628211ull;
    }
    h ^= reinterpret_cast<quintptr>(aKey.Owner) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h ^= size_t(aKey.Kind) * 0xff51afd7ed558ccdull;
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

TInxSection* TInxDocument::FindSection(const QString& aName) const
{
    const auto it = FIndex.constFind(TNameKey{nullptr, nkSection, aName});
    return it == FIndex.cend() ? nullptr : FSections[*it].get();
}

TInxHeader* TInxDocument::FindHeader(const TInxSection& aSection, const QString& aName) const
{
    const auto it = FIndex.constFind(TNameKey{&aSection, nkHeader, aName});
    return it == FIndex.cend() ? nullptr : aSection.Headers[*it].get();
}

int TInxDocument::FindKey(const TInxContainer& aContainer, const QString& aName) const
{
    return FIndex.value(TNameKey{&aContainer, nkKey, aName}, -1);
}

int TInxDocument::FindMult(const TInxContainer& aContainer, const QString& aName) const
{
    return FIndex.value(TNameKey{&aContainer, nkMult, aName}, -1);
}

TInxSection& TInxDocument::EnsureSection(const QString& aName, bool& aCreated)
{
    aCreated = false;
    if (TInxSection* found = FindSection(aName))
        return *found;
    auto section = std::make_unique<TInxSection>();
    section->Name = aName;
    FIndex.insert(TNameKey{nullptr, nkSection, aName}, int(FSections.size()));
    FSections.push_back(std::move(section));
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
    FIndex.insert(TNameKey{&aSection, nkHeader, aName}, int(aSection.Headers.size()));
    aSection.Headers.push_back(std::move(header));
    aCreated = true;
    return *aSection.Headers.back();
}

TInxKey& TInxDocument::AddKey(TInxContainer& aContainer, const QString& aName)
{
    FIndex.insert(TNameKey{&aContainer, nkKey, aName}, int(aContainer.Keys.size()));
    aContainer.Keys.emplace_back();
    aContainer.Keys.back().Name = aName;
    return aContainer.Keys.back();
}

TInxBlock& TInxDocument::AddMult(TInxContainer& aContainer, const QString& aName)
{
    FIndex.insert(TNameKey{&aContainer, nkMult, aName}, int(aContainer.Mults.size()));
    aContainer.Mults.emplace_back();
    aContainer.Mults.back().Name = aName;
    return aContainer.Mults.back();
}

void TInxDocument::RemoveHeader(TInxSection& aSection, TInxHeader& aHeader)
{
    if (aHeader.Removed)
        return;
    // The header's own keys and mults stay indexed under its address; nothing can reach
    // them any more, and the header object lives as long as the document.
    FIndex.remove(TNameKey{&aSection, nkHeader, aHeader.Name});
    aHeader.Removed = true;
}

void TInxDocument::RemoveSection(TInxSection& aSection)
{
    if (aSection.Removed)
        return;
    FIndex.remove(TNameKey{nullptr, nkSection, aSection.Name});
    aSection.Removed = true;
}
