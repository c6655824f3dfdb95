#include "store/TManager.h"

#include "store/InxDocument.h"
#include "util/Crypt.h"
#include "util/EventPump.h"
#include "util/Exceptions.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
const QString kNoneText = QStringLiteral("None");
const QString kNoticeSection = QStringLiteral("Obrix.Advertise");

// Put at the top of every saved file that does not hold the notice section yet.
const char* const kNotice[] = {
    "<Section=Obrix.Advertise>",
    "<Mult=PT-BR>",
    "   Não edite este arquivo diretamente, salvo se você seguir o padrão de",
    "armazenamento. Entenda, este arquivo armazena informações sobre objetos.",
    "   É um script criado pela Obrix para utilização interna.",
    "   A edição direta neste documento é de inteira responsabilidade do usuário.",
    "   Não nos responsabilizamos por perda de informação decorrente desta ação.",
    ".",
    ".",
    "Obrigado!",
    "</Mult>",
    "</Section>",
};

// The last line of every saved file; the reader skips it (it holds no "<").
const char* const kBanner = "Norvadel INX store 1.0 - dados estruturados da Obrix System BR";

// ---- values ---------------------------------------------------------------------------

QString KeyText(const TInxKey& aKey)
{
    switch (aKey.Type) {
    case kStr:
        return aKey.Str;
    case kBool:
        return aKey.Bool ? QStringLiteral("True") : QStringLiteral("False");
    case kInt:
        return QString::number(aKey.Int);
    case kReal:
        return InxFloatToStr(aKey.Real);
    default:
        return kNoneText;
    }
}

bool TextToBool(const QString& aText, bool& aValue)
{
    if (aText.compare(u"True", Qt::CaseInsensitive) == 0) {
        aValue = true;
        return true;
    }
    if (aText.compare(u"False", Qt::CaseInsensitive) == 0) {
        aValue = false;
        return true;
    }
    int number = 0;
    if (TryStrToInt(aText, number)) {
        aValue = number != 0;
        return true;
    }
    double real = 0;
    if (InxTryStrToFloat(aText, real)) {
        aValue = real != 0;
        return true;
    }
    return false;
}

bool RealToInt(double aValue, int& aResult)
{
    const double rounded = std::nearbyint(aValue); // ties to even, as the platform's variants round
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return false;
    aResult = static_cast<int>(rounded);
    return true;
}

// Converts aFrom's value to aTo; the value members of aOut are set, its name is not touched.
// False (aOut unchanged) when the value has no form in that type. Keys without a file type
// stay without a value.
bool ConvertKey(const TInxKey& aFrom, TKeyType aTo, TInxKey& aOut)
{
    TInxKey value;
    value.Type = aTo;
    switch (aTo) {
    case kStr:
        value.Str = KeyText(aFrom);
        break;
    case kBool:
        switch (aFrom.Type) {
        case kBool:
            value.Bool = aFrom.Bool;
            break;
        case kInt:
            value.Bool = aFrom.Int != 0;
            break;
        case kReal:
            value.Bool = aFrom.Real != 0;
            break;
        case kStr:
            if (!TextToBool(aFrom.Str, value.Bool))
                return false;
            break;
        default:
            return false;
        }
        break;
    case kInt:
        switch (aFrom.Type) {
        case kInt:
            value.Int = aFrom.Int;
            break;
        case kBool:
            value.Int = aFrom.Bool ? 1 : 0;
            break;
        case kReal:
            if (!RealToInt(aFrom.Real, value.Int))
                return false;
            break;
        case kStr:
            if (!TryStrToInt(aFrom.Str, value.Int))
                return false;
            break;
        default:
            return false;
        }
        break;
    case kReal:
        switch (aFrom.Type) {
        case kReal:
            value.Real = aFrom.Real;
            break;
        case kInt:
            value.Real = aFrom.Int;
            break;
        case kBool:
            value.Real = aFrom.Bool ? 1 : 0;
            break;
        case kStr:
            if (!InxTryStrToFloat(aFrom.Str, value.Real))
                return false;
            break;
        default:
            return false;
        }
        break;
    default:
        break;
    }
    aOut.Type = value.Type;
    aOut.Str = value.Str;
    aOut.Bool = value.Bool;
    aOut.Int = value.Int;
    aOut.Real = value.Real;
    return true;
}

// ---- reading --------------------------------------------------------------------------
//
// A file without a byte-order mark is read straight from its Windows-1252 bytes (mapped, not
// copied) and only names, values and content lines become strings; a file with a mark is
// decoded first and read as UTF-16 text. The same code walks both, through these views.

inline qsizetype IndexOf(QStringView aLine, char aChar, qsizetype aFrom = 0)
{
    return aLine.indexOf(QLatin1Char(aChar), aFrom);
}
inline qsizetype IndexOf(QByteArrayView aLine, char aChar, qsizetype aFrom = 0)
{
    return aLine.indexOf(aChar, aFrom);
}
inline bool StartsWith(QStringView aLine, QLatin1StringView aText)
{
    return aLine.startsWith(aText);
}
inline bool StartsWith(QByteArrayView aLine, QLatin1StringView aText)
{
    return aLine.startsWith(QByteArrayView(aText.data(), aText.size()));
}
inline bool Contains(QStringView aLine, QLatin1StringView aText)
{
    return aLine.contains(aText);
}
inline bool Contains(QByteArrayView aLine, QLatin1StringView aText)
{
    return aLine.contains(QByteArrayView(aText.data(), aText.size()));
}
// Only compared with ASCII characters, which both forms hold as such.
inline char16_t At(QStringView aLine, qsizetype aIndex)
{
    return aLine[aIndex].unicode();
}
inline char16_t At(QByteArrayView aLine, qsizetype aIndex)
{
    return static_cast<unsigned char>(aLine[aIndex]);
}
inline QString Text(QStringView aLine)
{
    return aLine.toString();
}
inline QString Text(QByteArrayView aLine)
{
    return DecodeWin1252(aLine);
}
inline QString Copy(QStringView aLine)
{
    return aLine.toString();
}
inline QByteArray Copy(QByteArrayView aLine)
{
    return aLine.toByteArray();
}

// A value line as read: type letter (any case), "|", the value up to a further "|". False
// when the value does not convert to the type; a line without a known type letter gives a
// key without a type.
template <class TView> bool ParseValueLine(TView aLine, TInxKey& aKey)
{
    aKey.Type = kNone;
    const qsizetype bar = IndexOf(aLine, '|');
    if (bar != 1)
        return true;
    const qsizetype bar2 = IndexOf(aLine, '|', bar + 1);
    QString value = Text(bar2 < 0 ? aLine.sliced(bar + 1) : aLine.sliced(bar + 1, bar2 - bar - 1));
    if (bar2 >= 0 && value.isEmpty())
        value = kNoneText;
    switch (At(aLine, 0)) {
    case u'S':
    case u's':
        aKey.Type = kStr;
        aKey.Str = value;
        return true;
    case u'B':
    case u'b':
        aKey.Type = kBool;
        aKey.Bool = value == u"1";
        return true;
    case u'I':
    case u'i':
        aKey.Type = kInt;
        return TryStrToInt(value, aKey.Int);
    case u'R':
    case u'r':
        aKey.Type = kReal;
        return InxTryStrToFloat(value, aKey.Real);
    default:
        return true;
    }
}

struct TLineKind
{
    TObjType Kind = oNone;
    bool EndsSection = false; // holds "</Section"
};

// The kind of a line by the first of the element texts it holds anywhere, in this order of
// precedence: "<Point", "<--H ", "<--K ", "<Key", "<Comment", "<Mult", "<Header", "<Section".
// One pass over the line's "<" characters.
template <class TView> TLineKind Classify(TView aLine)
{
    static constexpr TObjType kByRank[] = {oPoint, oHeaderPoint, oKeyPoint, oKey, oComment,
                                           oMult,  oHeader,      oSection,  oNone};
    int rank = 8;
    TLineKind result;
    for (qsizetype at = IndexOf(aLine, '<'); at >= 0; at = IndexOf(aLine, '<', at + 1)) {
        const TView rest = aLine.sliced(at + 1);
        if (rest.isEmpty())
            break;
        int found = 8;
        switch (At(rest, 0)) {
        case u'P':
            found = StartsWith(rest, QLatin1StringView("Point")) ? 0 : 8;
            break;
        case u'-':
            found = StartsWith(rest, QLatin1StringView("--H "))   ? 1
                    : StartsWith(rest, QLatin1StringView("--K ")) ? 2
                                                                  : 8;
            break;
        case u'K':
            found = StartsWith(rest, QLatin1StringView("Key")) ? 3 : 8;
            break;
        case u'C':
            found = StartsWith(rest, QLatin1StringView("Comment")) ? 4 : 8;
            break;
        case u'M':
            found = StartsWith(rest, QLatin1StringView("Mult")) ? 5 : 8;
            break;
        case u'H':
            found = StartsWith(rest, QLatin1StringView("Header")) ? 6 : 8;
            break;
        case u'S':
            found = StartsWith(rest, QLatin1StringView("Section")) ? 7 : 8;
            break;
        case u'/':
            if (StartsWith(rest, QLatin1StringView("/Section")))
                result.EndsSection = true;
            break;
        default:
            break;
        }
        rank = std::min(rank, found);
    }
    result.Kind = kByRank[rank];
    return result;
}

// The text between the first "=" and the next "=" (or the end), less its last character
// (the ">" of a well-formed start line). Without "=", the whole line less its last character.
template <class TView> TView NameOf(TView aLine)
{
    const qsizetype first = IndexOf(aLine, '=');
    if (first < 0)
        return aLine.first(std::max<qsizetype>(aLine.size() - 1, 0));
    const qsizetype next = IndexOf(aLine, '=', first + 1);
    const qsizetype length = (next < 0 ? aLine.size() : next) - first - 1;
    return length <= 1 ? TView() : aLine.sliced(first + 1, length - 1);
}

// Walks the lines of a text as views, split like SplitLines (CR LF, lone CR, lone LF; a final
// break adds no empty line) without copying them: most lines of a file are tags and value
// lines that are read in place.
template <class TView> class TLineCursor
{
public:
    TLineCursor(const typename TView::storage_type* aData, qsizetype aSize) : FData(aData), FSize(aSize) {}
    bool Next(TView& aLine)
    {
        if (FPos >= FSize)
            return false;
        qsizetype i = FPos;
        while (i < FSize && FData[i] != '\r' && FData[i] != '\n')
            ++i;
        aLine = TView(FData + FPos, i - FPos);
        if (i < FSize && FData[i] == '\r' && i + 1 < FSize && FData[i + 1] == '\n')
            ++i;
        FPos = i + 1;
        return true;
    }
    int Count() const
    {
        TLineCursor copy(FData, FSize);
        int count = 0;
        TView line;
        while (copy.Next(line))
            ++count;
        return count;
    }

private:
    const typename TView::storage_type* FData;
    qsizetype FSize;
    qsizetype FPos = 0;
};

// Key and mult names repeat from header to header (every contest has the same four keys):
// a small direct-mapped cache lets them share one string.
template <class TView> class TNameCache
{
public:
    QString Get(TView aName)
    {
        TSlot& slot = FSlots[qHash(aName) & 255];
        if (!slot.Used || TView(slot.Key) != aName) {
            slot.Key = Copy(aName);
            slot.Text = Text(aName);
            slot.Used = true;
        }
        return slot.Text;
    }

private:
    struct TSlot
    {
        decltype(Copy(TView())) Key;
        QString Text;
        bool Used = false;
    };
    TSlot FSlots[256];
};

// Reads the lines into aDoc (the rules of the file format: element kinds by precedence, names
// merged ignoring ASCII case, broken elements dropped, reading never stops). aReport(progress,
// max, text) is called only when aReporting; aPump otherwise, per line.
template <class TView, class TReport, class TPump>
void ParseInx(TInxDocument& aDoc, TLineCursor<TView>& aLines, int aCount, bool aReporting, TReport aReport, TPump aPump)
{
    TNameCache<TView> names;
    TInxSection* section = nullptr;
    TInxHeader* header = nullptr;
    const int last = aCount - 1;
    const QString wait = QStringLiteral("Wait, Please!");
    auto lineReport = [&](int aIndex) {
        if (aReporting)
            aReport(aIndex, last, QStringLiteral("-> ") + QString::number(aIndex));
        else
            aPump();
    };

    int i = 0; // index of the line in hand
    TView line;
    bool haveLine = aLines.Next(line);
    while (haveLine) {
        const int start = i;
        lineReport(i);
        const TLineKind kind = Classify(line);
        bool created = false;
        TInxContainer* container = header ? static_cast<TInxContainer*>(header) : section;
        switch (kind.Kind) {
        case oSection:
            section = &aDoc.EnsureSection(Text(NameOf(line)), created);
            header = nullptr;
            break;
        case oHeader:
            if (section)
                header = &aDoc.EnsureHeader(*section, Text(NameOf(line)), created);
            break;
        case oKey: {
            if (!container)
                break;
            TView valueLine;
            if (!aLines.Next(valueLine)) // a key start on the last line is left out
                break;
            ++i;
            TInxKey parsed;
            if (ParseValueLine(valueLine, parsed)) {
                const QString name = names.Get(NameOf(line));
                const int index = aDoc.FindKey(*container, name);
                if (index < 0)
                    ConvertKey(parsed, parsed.Type, aDoc.AddKey(*container, name));
                else
                    ConvertKey(parsed, container->Keys[index].Type, container->Keys[index]);
            }
            break;
        }
        case oMult:
        case oComment: {
            if (!container)
                break;
            const QLatin1StringView endText(kind.Kind == oMult ? "</Mult" : "</Comment");
            const TView startLine = line;
            QStringList content;
            bool closed = false;
            while (aLines.Next(line)) {
                ++i;
                if (Contains(line, endText)) {
                    closed = true;
                    break;
                }
                lineReport(i);
                content.append(Text(line));
            }
            if (!closed) // never closed: the rest of the file was its content; dropped
                break;
            if (kind.Kind == oMult) {
                const QString name = names.Get(NameOf(startLine));
                const int index = aDoc.FindMult(*container, name);
                TInxBlock& mult = index < 0 ? aDoc.AddMult(*container, name) : container->Mults[index];
                mult.Lines = std::move(content);
            } else if (!container->HasComment) {
                container->HasComment = true;
                container->Comment.Name = Text(NameOf(startLine));
                container->Comment.Lines = std::move(content);
            }
            break;
        }
        case oKeyPoint:
        case oHeaderPoint:
        case oPoint: // a marker's two tag lines
            if (aLines.Next(line))
                ++i;
            break;
        default:
            if (kind.EndsSection)
                header = nullptr;
            break;
        }
        if (aReporting)
            aReport(start, 100, wait);
        haveLine = aLines.Next(line);
        ++i;
    }
}

// ---- writing --------------------------------------------------------------------------

// Appends Windows-1252 lines ended by CR LF into one growing buffer; the spare room is cut
// off by Take.
class TInxWriter
{
public:
    explicit TInxWriter(qsizetype aReserve) { FOut.resize(std::max<qsizetype>(aReserve, 4096)); }
    void Ascii(const char* aText) { Raw(aText, qsizetype(std::strlen(aText))); }
    void Raw(const char* aText, qsizetype aSize)
    {
        char* dst = Room(aSize);
        std::memcpy(dst, aText, size_t(aSize));
        FUsed += aSize;
    }
    void Text(QStringView aText)
    {
        char* const begin = Room(aText.size());
        char* dst = begin;
        for (qsizetype i = 0, n = aText.size(); i < n; ++i) {
            const char16_t c = aText[i].unicode();
            if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
                *dst++ = static_cast<char>(c);
            } else {
                // A character outside the basic plane (two UTF-16 units) is one "?", as in the codec.
                const qsizetype units = QChar::isHighSurrogate(c) && i + 1 < n && aText[i + 1].isLowSurrogate() ? 2 : 1;
                *dst++ = EncodeWin1252(aText.sliced(i, units)).at(0);
                i += units - 1;
            }
        }
        FUsed += dst - begin;
    }
    void EndLine() { Raw("\r\n", 2); }
    void Line(QStringView aText)
    {
        Text(aText);
        EndLine();
    }
    void Tag(const char* aOpen, QStringView aName)
    {
        Ascii(aOpen);
        Text(aName);
        Raw(">\r\n", 3);
    }
    QByteArray Take()
    {
        FOut.truncate(FUsed);
        return std::move(FOut);
    }

private:
    char* Room(qsizetype aSize)
    {
        if (FUsed + aSize > FOut.size())
            FOut.resize(std::max(FOut.size() * 2, FUsed + aSize));
        return FOut.data() + FUsed;
    }

    QByteArray FOut;
    qsizetype FUsed = 0;
};
} // namespace

QString InxBannerLine()
{
    return QString::fromLatin1(kBanner);
}

QString InxTypeLetter(TKeyType aType)
{
    switch (aType) {
    case kStr:
        return QStringLiteral("S");
    case kBool:
        return QStringLiteral("B");
    case kInt:
        return QStringLiteral("I");
    case kReal:
        return QStringLiteral("R");
    default:
        return QString();
    }
}

QString InxValueLine(const TInxKey& aKey)
{
    QString body;
    switch (aKey.Type) {
    case kStr:
        body = QStringLiteral("S|") + aKey.Str;
        break;
    case kBool:
        body = aKey.Bool ? QStringLiteral("B|1") : QStringLiteral("B|0");
        break;
    case kInt:
        body = QStringLiteral("I|") + QString::number(aKey.Int);
        break;
    case kReal:
        body = QStringLiteral("R|") + InxFloatToStr(aKey.Real);
        break;
    default:
        return QString();
    }
    // The key's line is name "=" body; the file takes what lies between its first two "=".
    const qsizetype inName = aKey.Name.indexOf(u'=');
    if (inName >= 0) {
        const QString rest = aKey.Name.mid(inName + 1);
        return rest.left(rest.indexOf(u'=') < 0 ? rest.size() : rest.indexOf(u'='));
    }
    const qsizetype cut = body.indexOf(u'=');
    return cut < 0 ? body : body.left(cut);
}

// ---- TManager -------------------------------------------------------------------------

TManager::TManager(const QString& aFileName, bool aLoad) : FFileName(aFileName)
{
    for (const TStatus flag : {stNoComment, stNoMults, stNoKeys, stNoSections, stNoHeaders, stCreating})
        FStatus.IncStatus(flag);
    try {
        if (aLoad) {
            Load(aFileName);
            FStatus.ExcStatus(stCreating);
        }
    } catch (...) {
        FStatus.IncStatus(stCreationFail);
    }
}

TManager::~TManager()
{
    if (FSaveOnFree) {
        try {
            Save(FFileName);
        } catch (...) {
            // Save records its own failures; nothing may leave a destructor.
        }
    }
}

void TManager::DoProgress(int aProgress, int aMax, const QString& aID)
{
    PumpEvents();
    if (OnProgress)
        OnProgress(aProgress, aMax, aID);
}

TInxDocument& TManager::Doc() const
{
    if (!FDocument)
        throw EInvalidOpException(QStringLiteral("O armazenamento '%1' não tem documento carregado").arg(FFileName));
    return *FDocument;
}

TInxContainer& TManager::Container(const QString& aSection, const QString& aHeader)
{
    // Callers address the same section and header many times in a row (the keys of one record).
    if (FLastContainer && aSection == FLastSection && aHeader == FLastHeader)
        return *FLastContainer;
    TInxSection* section = nullptr;
    TInxContainer& found = FindOrCreateContainer(aSection, aHeader, section);
    FLastSection = aSection;
    FLastSectionPtr = section;
    FLastHeader = aHeader;
    FLastContainer = &found;
    return found;
}

TInxContainer& TManager::FindOrCreateContainer(const QString& aSection, const QString& aHeader,
                                               TInxSection*& aSectionFound)
{
    TInxDocument& doc = Doc();
    bool created = false;
    TInxSection* section = FLastSectionPtr && aSection == FLastSection ? FLastSectionPtr : nullptr;
    if (!section) {
        section = &doc.EnsureSection(aSection, created);
        if (created) {
            section->Reporting = true;
            FStatus.ExcStatus(stNoSections);
        }
    }
    aSectionFound = section;
    if (aHeader == kNoneText)
        return *section;
    TInxHeader& header = doc.EnsureHeader(*section, aHeader, created);
    if (created) {
        header.Reporting = true;
        FStatus.ExcStatus(stNoHeaders);
    }
    return header;
}

void TManager::Load(const QString& aFileName)
{
    try {
        if (aFileName != FFileName && aFileName != u"Self") {
            Save(FFileName);
            FFileName = aFileName;
        }
        FLastContainer = nullptr;
        FLastSectionPtr = nullptr;
        FLoadFailed = false;
        FErrorString.clear();
        FDocument = std::make_unique<TInxDocument>();
        QFile file(FFileName);
        if (!file.exists())
            return;
        if (!file.open(QIODevice::ReadOnly))
            throw EInOutError(file.errorString());
        // Mapped when the system allows it: a large file is then read in place, not copied.
        QByteArray copy;
        QByteArrayView bytes;
        const qint64 size = file.size();
        if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
            bytes = QByteArrayView(mapped, size);
        } else {
            copy = file.readAll();
            if (file.error() != QFileDevice::NoError)
                throw EInOutError(file.errorString());
            bytes = copy;
        }
        FLastFileSize = bytes.size();
        if (bytes.isEmpty()) {
            PumpEvents();
            return;
        }
        auto report = [this](int aProgress, int aMax, const QString& aID) { DoProgress(aProgress, aMax, aID); };
        auto parse = [&](auto& aLines) {
            int count = -1; // known only when someone listens
            if (OnProgress) {
                count = aLines.Count();
                const QString id = QStringLiteral("INI");
                for (int i = 0; i < count; ++i)
                    DoProgress(i, count - 1, id);
            } else {
                PumpEvents();
            }
            ParseInx(*FDocument, aLines, count, bool(OnProgress), report, PumpEvents);
        };
        const bool marked =
            bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
        if (marked) {
            const QString text = DecodeAnsiWithBom(bytes.toByteArray());
            if (text.isEmpty()) // a byte-order mark alone: an empty file
                return;
            TLineCursor<QStringView> lines(QStringView(text).utf16(), text.size());
            parse(lines);
        } else {
            TLineCursor<QByteArrayView> lines(bytes.data(), bytes.size());
            parse(lines);
        }
        FStatus.IncStatus(stFileLoaded);
    } catch (const std::exception& e) {
        LoadFailed(QString::fromUtf8(e.what()));
    } catch (...) {
        LoadFailed(QStringLiteral("erro desconhecido"));
    }
}

void TManager::LoadFailed(const QString& aReason)
{
    FLoadFailed = true;
    FLoadError = aReason;
    FErrorString = aReason;
    FStatus.IncStatus(stFileLoadFail);
}

QByteArray TManager::BuildFile()
{
    TInxDocument& doc = *FDocument;
    const bool reporting = bool(OnProgress);
    qsizetype estimate = 4096;
    int listed = 0;
    for (const auto& section : doc.Sections()) {
        if (section->Removed)
            continue;
        ++listed;
        estimate += 64 + 48 * qsizetype(section->Keys.size()) + 64 * qsizetype(section->Headers.size());
    }
    TInxWriter out(std::max(estimate, FLastFileSize + FLastFileSize / 8));

    if (!doc.FindSection(kNoticeSection)) {
        for (const char* line : kNotice) {
            out.Text(QString::fromUtf8(line));
            out.EndLine();
        }
    }

    auto writeBlock = [&](const char* aKind, const TInxBlock& aBlock) {
        out.Ascii("<");
        out.Ascii(aKind);
        out.Ascii("=");
        out.Text(aBlock.Name);
        out.Ascii(">\r\n");
        const int lineCount = int(aBlock.Lines.size());
        for (int i = 0; i < lineCount; ++i) {
            if (aBlock.Reporting && reporting)
                DoProgress(i, lineCount - 1, aBlock.Lines[i]);
            out.Line(aBlock.Lines[i]);
        }
        if (aBlock.Reporting)
            PumpEvents();
        out.Ascii("</");
        out.Ascii(aKind);
        out.Ascii(">\r\n");
    };
    auto writeKeys = [&](const TInxContainer& aContainer) {
        for (const TInxKey& key : aContainer.Keys) {
            out.Tag("<Key=", key.Name);
            if (key.Type == kStr && !key.Name.contains(u'=')) { // the common case, without a copy
                const qsizetype cut = key.Str.indexOf(u'=');
                out.Ascii("S|");
                out.Line(cut < 0 ? QStringView(key.Str) : QStringView(key.Str).first(cut));
            } else {
                out.Line(InxValueLine(key));
            }
            out.Ascii("</Key>\r\n");
        }
    };
    auto writeMults = [&](const TInxContainer& aContainer) {
        for (const TInxBlock& mult : aContainer.Mults)
            writeBlock("Mult", mult);
    };
    auto step = [&](const TInxContainer& aContainer, int aProgress) {
        if (aContainer.Reporting)
            DoProgress(aProgress, 100, aContainer.Name);
    };

    int index = 0;
    for (const auto& sectionPtr : doc.Sections()) {
        const TInxSection& section = *sectionPtr;
        if (section.Removed)
            continue;
        if (reporting)
            DoProgress(index, listed - 1, QStringLiteral("Seção --> ") + section.Name);
        else
            PumpEvents();
        ++index;
        out.Tag("<Section=", section.Name);
        if (section.HasComment)
            writeBlock("Comment", section.Comment);
        writeKeys(section);
        step(section, 25);
        writeMults(section);
        step(section, 50);
        for (const auto& headerPtr : section.Headers) {
            const TInxHeader& header = *headerPtr;
            if (header.Removed)
                continue;
            out.Tag("<Header=", header.Name);
            if (header.HasComment)
                writeBlock("Comment", header.Comment);
            step(header, 25);
            writeKeys(header);
            step(header, 50);
            writeMults(header);
            step(header, 75);
            out.Ascii("</Header>\r\n");
        }
        step(section, 75);
        out.Ascii("</Section>\r\n");
    }
    out.Ascii(kBanner);
    out.EndLine();
    return out.Take();
}

void TManager::Save(const QString& aFileName)
{
    Q_UNUSED(aFileName); // the store always writes its own file
    const auto failed = [this](const QString& aReason) {
        FErrorString = aReason;
        FStatus.IncStatus(stFileSaveFail);
    };
    try {
        if (FLoadFailed)
            return failed(QStringLiteral("o arquivo não pôde ser lido (%1); gravar sobre ele perderia o que ele guarda")
                              .arg(FLoadError));
        if (!FDocument || !FDocument->HasSections())
            return failed(QStringLiteral("não há nada para gravar"));
        const QByteArray bytes = BuildFile();
        FLastFileSize = bytes.size();
        QString error;
        if (!WriteFileAtomic(FFileName, bytes, &error, FFileAccess))
            return failed(error);
        FErrorString.clear();
        FStatus.IncStatus(stFileSaved);
    } catch (const std::exception& e) {
        failed(QString::fromUtf8(e.what()));
    } catch (...) {
        failed(QStringLiteral("erro desconhecido"));
    }
}

void TManager::Clear()
{
    FLastContainer = nullptr;
    FLastSectionPtr = nullptr;
    FStatus.IncStatus(stCleaned);
    FDocument = std::make_unique<TInxDocument>();
}

QStringList TManager::GetSections() const
{
    QStringList names;
    if (!FDocument)
        return names;
    for (const auto& section : FDocument->Sections())
        if (!section->Removed)
            names.append(section->Name);
    return names;
}

QStringList TManager::GetHeaders(const QString& aSection) const
{
    QStringList names;
    if (!FDocument)
        return names;
    for (const auto& section : FDocument->Sections()) {
        if (section->Removed || section->Name != aSection)
            continue;
        for (const auto& header : section->Headers)
            if (!header->Removed)
                names.append(header->Name);
        break;
    }
    return names;
}

// ---- keys -----------------------------------------------------------------------------

const TInxKey& TManager::KeyForRead(const QString& aSection, const QString& aKey, const QString& aHeader,
                                    const TInxKey& aDefault)
{
    TInxContainer& container = Container(aSection, aHeader);
    FStatus.ExcStatus(stNoKeys);
    const int index = Doc().FindKey(container, aKey);
    if (index >= 0)
        return container.Keys[index];
    TInxKey& key = Doc().AddKey(container, aKey);
    ConvertKey(aDefault, aDefault.Type, key);
    return key;
}

void TManager::SetKey(const QString& aSection, const QString& aKey, const QString& aHeader, const TInxKey& aValue)
{
    TInxContainer& container = Container(aSection, aHeader);
    const int index = Doc().FindKey(container, aKey);
    if (index < 0) {
        TInxKey& key = Doc().AddKey(container, aKey);
        ConvertKey(aValue, aValue.Type, key);
        return;
    }
    // An existing key keeps its own type; a value with no form in that type changes nothing.
    TInxKey& key = container.Keys[index];
    ConvertKey(aValue, key.Type, key);
}

namespace {
TInxKey MakeKey(TKeyType aType)
{
    TInxKey key;
    key.Type = aType;
    return key;
}

[[noreturn]] void ThrowConvert(const TInxKey& aKey, const char* aTypeName)
{
    throw EConvertError(
        QStringLiteral("'%1' não é um valor %2 válido").arg(KeyText(aKey), QString::fromLatin1(aTypeName)));
}
} // namespace

QString TManager::ReadStr(const QString& aSection, const QString& aKey, const QString& aDefault, const QString& aHeader,
                          TInsPos aRPos)
{
    Q_UNUSED(aRPos); // files list elements in creation order whatever the placement
    TInxKey value = MakeKey(kStr);
    value.Str = aDefault;
    return KeyText(KeyForRead(aSection, aKey, aHeader, value));
}

bool TManager::ReadBool(const QString& aSection, const QString& aKey, bool aDefault, const QString& aHeader,
                        TInsPos aRPos)
{
    Q_UNUSED(aRPos);
    TInxKey value = MakeKey(kBool);
    value.Bool = aDefault;
    const TInxKey& key = KeyForRead(aSection, aKey, aHeader, value);
    TInxKey result;
    if (!ConvertKey(key, kBool, result))
        ThrowConvert(key, "booleano");
    return result.Bool;
}

int TManager::ReadInt(const QString& aSection, const QString& aKey, int aDefault, const QString& aHeader, TInsPos aRPos)
{
    Q_UNUSED(aRPos);
    TInxKey value = MakeKey(kInt);
    value.Int = aDefault;
    const TInxKey& key = KeyForRead(aSection, aKey, aHeader, value);
    TInxKey result;
    if (!ConvertKey(key, kInt, result))
        ThrowConvert(key, "inteiro");
    return result.Int;
}

double TManager::ReadReal(const QString& aSection, const QString& aKey, double aDefault, const QString& aHeader,
                          TInsPos aRPos)
{
    Q_UNUSED(aRPos);
    TInxKey value = MakeKey(kReal);
    value.Real = aDefault;
    const TInxKey& key = KeyForRead(aSection, aKey, aHeader, value);
    TInxKey result;
    if (!ConvertKey(key, kReal, result))
        ThrowConvert(key, "real");
    return result.Real;
}

bool TManager::WriteStr(const QString& aSection, const QString& aKey, const QString& aValue, TInsPos aRPos,
                        const QString& aHeader)
{
    Q_UNUSED(aRPos);
    try {
        TInxKey value = MakeKey(kStr);
        value.Str = aValue;
        SetKey(aSection, aKey, aHeader, value);
        return true;
    } catch (...) {
        return false;
    }
}

bool TManager::WriteBool(const QString& aSection, const QString& aKey, bool aValue, TInsPos aRPos,
                         const QString& aHeader)
{
    Q_UNUSED(aRPos);
    try {
        TInxKey value = MakeKey(kBool);
        value.Bool = aValue;
        SetKey(aSection, aKey, aHeader, value);
        return true;
    } catch (...) {
        return false;
    }
}

bool TManager::WriteInt(const QString& aSection, const QString& aKey, int aValue, TInsPos aRPos, const QString& aHeader)
{
    Q_UNUSED(aRPos);
    try {
        TInxKey value = MakeKey(kInt);
        value.Int = aValue;
        SetKey(aSection, aKey, aHeader, value);
        return true;
    } catch (...) {
        return false;
    }
}

bool TManager::WriteReal(const QString& aSection, const QString& aKey, double aValue, TInsPos aRPos,
                         const QString& aHeader)
{
    Q_UNUSED(aRPos);
    try {
        TInxKey value = MakeKey(kReal);
        value.Real = aValue;
        SetKey(aSection, aKey, aHeader, value);
        return true;
    } catch (...) {
        return false;
    }
}

// ---- mults and comments ---------------------------------------------------------------

bool TManager::ReadMult(QStringList& aContent, const QString& aMult, const QString& aSection, const QString& aHeader,
                        TInsPos aRPos, bool Encripted, const QString& aAddKey)
{
    Q_UNUSED(aRPos);
    TInxContainer& container = Container(aSection, aHeader);
    const int index = Doc().FindMult(container, aMult);
    if (index < 0) {
        Doc().AddMult(container, aMult).Lines = aContent;
    } else {
        const QStringList& lines = container.Mults[index].Lines;
        if (Encripted) {
            // Deciphered whole first, so that a line that is not cipher text leaves aContent as it was.
            QStringList plain;
            plain.reserve(lines.size());
            const QString decipher = QStringLiteral("D");
            for (const QString& line : lines)
                plain.append(Crypt(decipher, line, aAddKey));
            aContent.append(plain);
        } else {
            aContent.append(lines);
        }
    }
    FStatus.ExcStatus(stNoMults);
    return true;
}

bool TManager::WriteMult(const QStringList& aContent, const QString& aMult, const QString& aSection,
                         const QString& aHeader, TInsPos aRPos, bool Encripted, const QString& aAddKey)
{
    Q_UNUSED(aRPos);
    try {
        QStringList lines;
        if (Encripted) {
            lines.reserve(aContent.size());
            const QString encipher = QStringLiteral("C");
            for (const QString& line : aContent)
                lines.append(Crypt(encipher, line, aAddKey));
        } else {
            lines = aContent;
        }
        TInxContainer& container = Container(aSection, aHeader);
        const int index = Doc().FindMult(container, aMult);
        if (index < 0) {
            TInxBlock& mult = Doc().AddMult(container, aMult);
            mult.Lines = std::move(lines);
            mult.Reporting = true;
        } else {
            TInxBlock& mult = container.Mults[index];
            if (mult.Reporting && OnProgress) {
                const QString deleting = QStringLiteral("Deleting");
                for (int i = int(mult.Lines.size()) - 1; i >= 0; --i)
                    DoProgress(i, int(mult.Lines.size()) - 1, deleting);
                for (int i = int(lines.size()) - 1; i >= 0; --i)
                    DoProgress(i, int(lines.size()) - 1, QStringLiteral("Updating -> ") + lines[i]);
            }
            mult.Lines = std::move(lines);
            mult.Reporting = true;
        }
        FStatus.ExcStatus(stNoMults);
        return true;
    } catch (...) {
        return false;
    }
}

bool TManager::AddInMult(const QStringList& aContent, const QString& aMult, const QString& aSection,
                         const QString& aHeader, TMultSite aSite)
{
    TInxContainer& container = Container(aSection, aHeader);
    const int index = Doc().FindMult(container, aMult);
    // Adding to a mult that does not exist, or at a caller-given line, is refused.
    if (index < 0 || aSite == msSpecific)
        return false;
    QStringList& lines = container.Mults[index].Lines;
    const qsizetype at = aSite == msBegin ? 0 : aSite == msMidle ? lines.size() / 2 : lines.size();
    for (qsizetype i = 0; i < aContent.size(); ++i)
        lines.insert(at + i, aContent[i]);
    return true;
}

bool TManager::ReadComment(QStringList& aContent, const QString& aMult, const QString& aSection, const QString& aHeader)
{
    TInxContainer& container = Container(aSection, aHeader);
    if (container.HasComment) {
        aContent = container.Comment.Lines;
    } else {
        container.HasComment = true;
        container.Comment.Name = aMult;
        container.Comment.Lines = aContent;
    }
    container.Comment.Reporting = true;
    FStatus.ExcStatus(stNoComment);
    return true;
}

bool TManager::WriteComment(const QStringList& aContent, const QString& aMult, const QString& aSection,
                            const QString& aHeader)
{
    TInxContainer& container = Container(aSection, aHeader);
    if (container.HasComment) {
        if (container.Comment.Reporting && OnProgress) {
            const int oldCount = int(container.Comment.Lines.size());
            for (int i = oldCount - 1; i >= 0; --i)
                DoProgress(i, oldCount - 1, QStringLiteral("Deleting"));
            for (int i = int(aContent.size()) - 1; i >= 0; --i)
                DoProgress(i, int(aContent.size()) - 1, QStringLiteral("Updating -> ") + aContent[i]);
        }
        container.Comment.Lines = aContent;
    } else {
        container.HasComment = true;
        container.Comment.Name = aMult;
        container.Comment.Lines = aContent;
    }
    container.Comment.Reporting = true;
    FStatus.ExcStatus(stNoComment);
    return true;
}

// ---- removal --------------------------------------------------------------------------

bool TManager::RemoveHeader(const QString& aSection, const QString& aHeader, TInsPos aRPos)
{
    Q_UNUSED(aRPos);
    TInxDocument& doc = Doc();
    FLastContainer = nullptr;
    FLastSectionPtr = nullptr;
    if (TInxSection* section = doc.FindSection(aSection)) {
        if (TInxHeader* header = doc.FindHeader(*section, aHeader))
            doc.RemoveHeader(*section, *header);
    }
    return true;
}

bool TManager::RemoveSection(const QString& aSection)
{
    TInxDocument& doc = Doc();
    TInxSection* section = doc.FindSection(aSection);
    if (!section)
        return false;
    FLastContainer = nullptr;
    FLastSectionPtr = nullptr;
    doc.RemoveSection(*section);
    return true;
}
