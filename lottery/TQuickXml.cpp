#include "lottery/TQuickXml.h"

#include <cstring>

namespace {

bool IsSpace(char aChar)
{
    return aChar == ' ' || aChar == '\t' || aChar == '\r' || aChar == '\n';
}

std::string_view Local(std::string_view aQualified)
{
    const std::size_t colon = aQualified.find(':');
    return colon == std::string_view::npos ? aQualified : aQualified.substr(colon + 1);
}

} // namespace

TQuickXml::TQuickXml(const QByteArray& aBytes) : FAt(aBytes.constData()), FEnd(aBytes.constData() + aBytes.size())
{
    if (aBytes.startsWith("\xEF\xBB\xBF"))
        FAt += 3;
    // A NUL is never XML; a UTF-16 part holds many: either is left to QXmlStreamReader.
    if (!QByteArrayView(aBytes).isValidUtf8() || std::memchr(FAt, '\0', std::size_t(FEnd - FAt)))
        Fail();
}

void TQuickXml::Fail()
{
    FError = true;
    FAtEnd = true;
    FToken = tkNone;
}

void TQuickXml::readNext()
{
    if (FAtEnd)
        return;
    if (FPendingEnd) {
        FPendingEnd = false;
        FOpen.pop_back();
        FToken = tkEnd;
        return;
    }
    for (;;) {
        if (FAt >= FEnd) {
            if (!FOpen.empty())
                return Fail();
            FAtEnd = true;
            FToken = tkNone;
            return;
        }
        if (*FAt != '<') {
            const auto* lt = static_cast<const char*>(std::memchr(FAt, '<', std::size_t(FEnd - FAt)));
            const char* stop = lt ? lt : FEnd;
            FText = std::string_view(FAt, std::size_t(stop - FAt));
            FAt = stop;
            if (FOpen.empty()) {
                for (const char ch : FText)
                    if (!IsSpace(ch))
                        return Fail();
                continue;
            }
            FToken = tkText;
            return;
        }
        const std::string_view rest(FAt, std::size_t(FEnd - FAt));
        if (rest.starts_with("<?")) {
            const std::size_t close = rest.find("?>");
            if (close == std::string_view::npos)
                return Fail();
            FAt += close + 2;
            continue;
        }
        if (rest.starts_with("<!--")) {
            const std::size_t close = rest.find("-->", 4);
            if (close == std::string_view::npos)
                return Fail();
            FAt += close + 3;
            continue;
        }
        if (rest.starts_with("<!"))
            return Fail(); // a DOCTYPE or CDATA
        if (rest.starts_with("</")) {
            const std::size_t close = rest.find('>');
            if (close == std::string_view::npos)
                return Fail();
            std::string_view name = rest.substr(2, close - 2);
            while (!name.empty() && IsSpace(name.back()))
                name.remove_suffix(1);
            if (FOpen.empty() || FOpen.back() != name)
                return Fail();
            FOpen.pop_back();
            FName = Local(name);
            FAt += close + 1;
            FToken = tkEnd;
            return;
        }
        // A start tag: its name, then attributes up to the ">" outside quotes.
        std::size_t i = 1;
        while (i < rest.size() && !IsSpace(rest[i]) && rest[i] != '/' && rest[i] != '>')
            ++i;
        const std::string_view name = rest.substr(1, i - 1);
        if (name.empty())
            return Fail();
        const std::size_t attributes = i;
        char quote = 0;
        for (; i < rest.size(); ++i) {
            const char ch = rest[i];
            if (quote) {
                if (ch == quote)
                    quote = 0;
            } else if (ch == '"' || ch == '\'') {
                quote = ch;
            } else if (ch == '>' || ch == '<') {
                break;
            }
        }
        if (i >= rest.size() || rest[i] != '>')
            return Fail();
        const bool empty = rest[i - 1] == '/';
        FAttributes = rest.substr(attributes, i - attributes - (empty ? 1 : 0));
        FOpen.push_back(name);
        FName = Local(name);
        FPendingEnd = empty;
        FAt += i + 1;
        FToken = tkStart;
        return;
    }
}

QString TQuickXml::Attribute(QStringView aName) const
{
    std::string_view rest = FAttributes;
    for (;;) {
        while (!rest.empty() && IsSpace(rest.front()))
            rest.remove_prefix(1);
        const std::size_t equals = rest.find('=');
        if (rest.empty() || equals == std::string_view::npos)
            return QString();
        std::string_view name = rest.substr(0, equals);
        while (!name.empty() && IsSpace(name.back()))
            name.remove_suffix(1);
        rest.remove_prefix(equals + 1);
        while (!rest.empty() && IsSpace(rest.front()))
            rest.remove_prefix(1);
        if (rest.empty() || (rest.front() != '"' && rest.front() != '\''))
            return QString();
        const std::size_t close = rest.find(rest.front(), 1);
        if (close == std::string_view::npos)
            return QString();
        const std::string_view value = rest.substr(1, close - 1);
        rest.remove_prefix(close + 1);
        if (QLatin1String(name.data(), qsizetype(name.size())) == aName) {
            QString text;
            // An attribute with an unknown reference reads empty here; the sheet reader looks at
            // positions and types only, which hold none.
            return Decode(value, text) ? text : QString();
        }
    }
}

bool TQuickXml::Decode(std::string_view aRaw, QString& aText)
{
    if (aRaw.find('&') == std::string_view::npos && aRaw.find('\r') == std::string_view::npos) {
        aText = QString::fromUtf8(aRaw.data(), qsizetype(aRaw.size()));
        return true;
    }
    QByteArray bytes;
    bytes.reserve(qsizetype(aRaw.size()));
    for (std::size_t i = 0; i < aRaw.size(); ++i) {
        const char ch = aRaw[i];
        if (ch == '\r') { // line ends read as LF, as XML says
            bytes += '\n';
            if (i + 1 < aRaw.size() && aRaw[i + 1] == '\n')
                ++i;
            continue;
        }
        if (ch != '&') {
            bytes += ch;
            continue;
        }
        const std::size_t semicolon = aRaw.find(';', i);
        if (semicolon == std::string_view::npos)
            return false;
        const std::string_view entity = aRaw.substr(i + 1, semicolon - i - 1);
        i = semicolon;
        if (entity == "lt")
            bytes += '<';
        else if (entity == "gt")
            bytes += '>';
        else if (entity == "amp")
            bytes += '&';
        else if (entity == "quot")
            bytes += '"';
        else if (entity == "apos")
            bytes += '\'';
        else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const QByteArray digits(entity.data() + (hex ? 2 : 1), qsizetype(entity.size()) - (hex ? 2 : 1));
            bool ok = false;
            const uint code = digits.toUInt(&ok, hex ? 16 : 10);
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return false;
            bytes += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toUtf8();
        } else {
            return false;
        }
    }
    aText = QString::fromUtf8(bytes);
    return true;
}

QString TQuickXml::readElementText(QXmlStreamReader::ReadElementTextBehaviour)
{
    QString text;
    int depth = 0;
    while (!FAtEnd) {
        readNext();
        if (FToken == tkText) {
            QString piece;
            if (!Decode(FText, piece)) {
                Fail();
                break;
            }
            text += piece;
        } else if (FToken == tkStart) {
            ++depth;
        } else if (FToken == tkEnd) {
            if (depth-- == 0)
                break;
        }
    }
    return text;
}

void TQuickXml::skipCurrentElement()
{
    int depth = 0;
    while (!FAtEnd) {
        readNext();
        if (FToken == tkStart)
            ++depth;
        else if (FToken == tkEnd && depth-- == 0)
            break;
    }
}
