#include "lottery/ContestSheet.h"

#include "lottery/ContestRules.h"
#include "lottery/TQuickXml.h"
#include "util/Exceptions.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

// A results sheet of the whole history is about 2 MB of XML; a part many times larger is not a
// results sheet but a compressed bomb, and is refused before it fills the memory.
constexpr zip_uint64_t kLargestPart = zip_uint64_t(64) << 20;
// The widest and longest sheet a spreadsheet may have (column XFD, row 1048576).
constexpr int kWidest = 16384;
constexpr int kLongest = 1048576;

const char* const kColumns[] = {"Concurso", "Bola1", "Bola2", "Bola3", "Bola4", "Bola5", "Bola6"};
const char* const kWinners = "Ganhadores 6 acertos";
const char* const kPrize = "Rateio 6 acertos";

struct TZipClose
{
    void operator()(zip_t* aZip) const { zip_discard(aZip); }
};
struct TZipFileClose
{
    void operator()(zip_file_t* aFile) const { zip_fclose(aFile); }
};
using TZip = std::unique_ptr<zip_t, TZipClose>;
using TZipFile = std::unique_ptr<zip_file_t, TZipFileClose>;

class TSheetReader
{
public:
    explicit TSheetReader(const QString& aFileName) : FFileName(aFileName) {}

    QStringList Lines();

private:
    [[noreturn]] void Fail(const QString& aReason) const
    {
        throw EInOutError(QStringLiteral("Não foi possível ler a planilha \"%1\": %2.").arg(FFileName, aReason));
    }
    bool Has(const QString& aPart) const
    {
        return zip_name_locate(FZip.get(), aPart.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
    }
    QByteArray Part(const QString& aPart) const;
    void XmlCheck(const QXmlStreamReader& aXml, const QString& aPart) const;
    // The quick reader gave up: the part is read again with QXmlStreamReader.
    struct TGaveUp
    {
    };
    void XmlCheck(const TQuickXml& aXml, const QString&) const
    {
        if (aXml.hasError())
            throw TGaveUp();
    }
    QString SheetPart();
    void SharedStringsRead();
    // Large parts are read by the quick reader, and again by QXmlStreamReader when it gives up;
    // aParse (called with the reader) starts over each time.
    template <class TParse> void PartParse(const QString& aPart, TParse aParse);
    template <class TXml> void SharedStringsParse(TXml& aXml, const QString& aPart);
    template <class TXml> void SheetParse(TXml& aXml, const QString& aPart);
    // The text of the element aXml stands on (<si>, <is>): its <t> pieces, phonetic runs left out.
    template <class TXml> QString RunsText(TXml& aXml, const QString& aPart) const;
    template <class TXml> QString CellValue(TXml& aXml, const QString& aPart) const;

    void RowEnd(int aRow, const QStringList& aCells);
    void LineSet(int aRow, const QString& aLine);

    QString FFileName;
    TZip FZip;
    QStringList FShared;
    QStringList FLines;              // the import lines, by row number less one
    std::vector<int> FWanted;        // the columns of a contest line; empty until the heading
    std::vector<bool> FWantedColumn; // by column: whether FWanted holds it
    int FFirstRow = 0;               // the first row that holds anything, and its cells
    QStringList FFirstCells;
};

// The 0-based column of a cell reference ("C5" is 2); -1 when it holds no column letters.
int ColumnOf(QStringView aReference)
{
    int column = 0;
    qsizetype letters = 0;
    for (const QChar ch : aReference) {
        const char16_t c = ch.unicode() >= u'a' && ch.unicode() <= u'z' ? ch.unicode() - 32 : ch.unicode();
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
        if (++letters > 3)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

// The 1-based row of a cell or row reference ("C5" and "5" give 5); 0 when it holds none.
int RowOf(QStringView aReference)
{
    qsizetype start = 0;
    while (start < aReference.size() && !aReference[start].isDigit())
        ++start;
    bool ok = false;
    const int row = aReference.sliced(start).toInt(&ok);
    return ok && row > 0 ? row : 0;
}

// A heading as the columns are matched: no blanks, ASCII letters in lower case.
QString HeadingKey(const QString& aText)
{
    QString key;
    for (const QChar ch : aText) {
        if (ch.isSpace())
            continue;
        key += ch.unicode() >= u'A' && ch.unicode() <= u'Z' ? QChar(ch.unicode() + 32) : ch;
    }
    return key;
}

// A number cell as the text import would hold it: whole numbers as written ("04", "004"), a
// whole number written as a decimal ("1216.0", "1.216E3") as its digits; anything else as it is.
QString NumberText(const QString& aValue)
{
    bool digits = !aValue.isEmpty();
    for (const QChar ch : aValue)
        digits = digits && ch >= u'0' && ch <= u'9';
    if (digits)
        return aValue;
    bool ok = false;
    const double value = aValue.toDouble(&ok);
    if (ok && std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return aValue;
}

// The element names the sheet reading looks for, compared without making a string per element.
bool IsName(const QXmlStreamReader& aXml, const char* aName)
{
    return aXml.name() == QLatin1String(aName);
}
bool IsName(const TQuickXml& aXml, const char* aName)
{
    return aXml.NameIs(aName);
}
QByteArray NameOf(const QXmlStreamReader& aXml)
{
    return aXml.name().toLatin1();
}
QByteArray NameOf(const TQuickXml& aXml)
{
    return aXml.NameBytes();
}

// The columns of a heading row, by HeadingKey; the first of two equal headings counts.
std::map<QString, int> ColumnsOf(const QStringList& aCells)
{
    std::map<QString, int> columns;
    for (int c = 0; c < aCells.size(); ++c)
        columns.emplace(HeadingKey(aCells[c]), c);
    return columns;
}

// The first column a contest needs that aColumns lacks; nullptr when it has them all.
const char* MissingColumn(const std::map<QString, int>& aColumns)
{
    for (const char* title : kColumns)
        if (!aColumns.count(HeadingKey(QString::fromUtf8(title))))
            return title;
    return nullptr;
}

QByteArray TSheetReader::Part(const QString& aPart) const
{
    const QByteArray name = aPart.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(FZip.get(), name.constData(), ZIP_FL_NOCASE, &stat) != 0)
        Fail(QStringLiteral("falta a parte %1").arg(aPart));
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kLargestPart)
        Fail(QStringLiteral("a parte %1 é grande demais para uma planilha de resultados (%2 bytes)")
                 .arg(aPart)
                 .arg(stat.size));
    const TZipFile file(zip_fopen(FZip.get(), name.constData(), ZIP_FL_NOCASE));
    if (!file)
        Fail(
            QStringLiteral("a parte %1 não pode ser lida: %2").arg(aPart, QString::fromUtf8(zip_strerror(FZip.get()))));
    // Read straight into a block of the declared size; the declared size may lie, so the bytes
    // are counted as they come and the block grows, up to the limit, when more arrive.
    QByteArray bytes;
    bytes.resize(qsizetype((stat.valid & ZIP_STAT_SIZE) ? stat.size : 0) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (zip_uint64_t(used) > kLargestPart)
                Fail(QStringLiteral("a parte %1 é grande demais para uma planilha de resultados").arg(aPart));
            bytes.resize(std::min<qsizetype>(std::max<qsizetype>(used * 2, 65536), qsizetype(kLargestPart) + 1));
        }
        const zip_int64_t read = zip_fread(file.get(), bytes.data() + used, zip_uint64_t(bytes.size() - used));
        if (read < 0)
            Fail(QStringLiteral("a parte %1 está danificada: %2")
                     .arg(aPart, QString::fromUtf8(zip_file_strerror(file.get()))));
        if (read == 0)
            break;
        used += qsizetype(read);
    }
    if (zip_uint64_t(used) > kLargestPart)
        Fail(QStringLiteral("a parte %1 é grande demais para uma planilha de resultados").arg(aPart));
    bytes.resize(used);
    return bytes;
}

void TSheetReader::XmlCheck(const QXmlStreamReader& aXml, const QString& aPart) const
{
    if (aXml.hasError())
        Fail(QStringLiteral("a parte %1 não é um XML válido (linha %2: %3)")
                 .arg(aPart)
                 .arg(aXml.lineNumber())
                 .arg(aXml.errorString()));
}

QString TSheetReader::SheetPart()
{
    // The first <sheet> of the workbook names its part through the workbook's relationships.
    const QString workbook = QStringLiteral("xl/workbook.xml");
    if (!Has(workbook))
        Fail(QStringLiteral("não é uma planilha do Excel (.xlsx): falta %1").arg(workbook));
    QString id;
    {
        QXmlStreamReader xml(Part(workbook));
        while (id.isEmpty() && !xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != u"sheet")
                continue;
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                    id = attribute.value().toString();
            if (id.isEmpty())
                id = QStringLiteral("?");
        }
        XmlCheck(xml, workbook);
    }
    if (id.isEmpty())
        Fail(QStringLiteral("a pasta de trabalho não tem nenhuma folha"));
    QString target;
    const QString relations = QStringLiteral("xl/_rels/workbook.xml.rels");
    if (Has(relations)) {
        QXmlStreamReader xml(Part(relations));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"Relationship" &&
                xml.attributes().value(QStringLiteral("Id")) == id)
                target = xml.attributes().value(QStringLiteral("Target")).toString();
        }
        XmlCheck(xml, relations);
    }
    if (target.isEmpty())
        return QStringLiteral("xl/worksheets/sheet1.xml");
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

template <class TXml> QString TSheetReader::RunsText(TXml& aXml, const QString& aPart) const
{
    const QByteArray element = NameOf(aXml);
    QString text;
    int phonetic = 0;
    while (!aXml.atEnd()) {
        aXml.readNext();
        if (aXml.isStartElement()) {
            if (IsName(aXml, "rPh"))
                ++phonetic;
            else if (IsName(aXml, "t") && phonetic == 0)
                text += aXml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (aXml.isEndElement()) {
            if (IsName(aXml, "rPh"))
                --phonetic;
            else if (IsName(aXml, element.constData()))
                break;
        }
    }
    XmlCheck(aXml, aPart);
    return text;
}

template <class TXml> void TSheetReader::SharedStringsParse(TXml& aXml, const QString& aPart)
{
    FShared.clear();
    while (!aXml.atEnd()) {
        aXml.readNext();
        if (aXml.isStartElement() && IsName(aXml, "si"))
            FShared.append(RunsText(aXml, aPart));
    }
    XmlCheck(aXml, aPart);
}

void TSheetReader::SharedStringsRead()
{
    const QString part = QStringLiteral("xl/sharedStrings.xml");
    if (!Has(part))
        return;
    PartParse(part, [&](auto& aXml) { SharedStringsParse(aXml, part); });
}

template <class TParse> void TSheetReader::PartParse(const QString& aPart, TParse aParse)
{
    const QByteArray bytes = Part(aPart);
    try {
        TQuickXml quick(bytes);
        aParse(quick);
    } catch (const TGaveUp&) {
        QXmlStreamReader xml(bytes);
        aParse(xml);
    }
}

template <class TXml> QString TSheetReader::CellValue(TXml& aXml, const QString& aPart) const
{
    const QString type = QStringView(aXml.attributes().value(QStringLiteral("t"))).toString();
    QString value;
    bool inlineText = false;
    while (!aXml.atEnd()) {
        aXml.readNext();
        if (aXml.isStartElement()) {
            if (IsName(aXml, "v")) {
                value = aXml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (IsName(aXml, "is")) {
                value = RunsText(aXml, aPart);
                inlineText = true;
            } else {
                aXml.skipCurrentElement(); // a formula, an extension
            }
        } else if (aXml.isEndElement() && IsName(aXml, "c")) {
            break;
        }
    }
    XmlCheck(aXml, aPart);
    if (type == u"s") {
        bool ok = false;
        const int index = value.trimmed().toInt(&ok);
        if (!ok || index < 0 || index >= FShared.size())
            Fail(QStringLiteral("uma célula da folha aponta para um texto compartilhado que não existe (%1)")
                     .arg(value));
        return FShared[index];
    }
    if (type == u"inlineStr" || type == u"str" || type == u"e" || inlineText)
        return value;
    return NumberText(value.trimmed());
}

template <class TXml> void TSheetReader::SheetParse(TXml& xml, const QString& aPart)
{
    FLines.clear();
    FWanted.clear();
    FWantedColumn.clear();
    FFirstRow = 0;
    int row = 0;
    int column = -1;
    bool inRow = false;
    QStringList cells;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (inRow && IsName(xml, "row")) {
                RowEnd(row, cells);
                inRow = false;
            }
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (IsName(xml, "row")) {
            const int given = RowOf(xml.attributes().value(QStringLiteral("r")));
            row = given > 0 ? given : row + 1;
            if (row > kLongest)
                Fail(QStringLiteral("a folha tem linhas demais"));
            column = -1;
            cells.resize(0);
            inRow = true;
        } else if (IsName(xml, "c") && inRow) {
            const int given = ColumnOf(xml.attributes().value(QStringLiteral("r")));
            column = given >= 0 ? given : column + 1;
            if (column >= kWidest)
                Fail(QStringLiteral("a linha %1 da folha tem colunas demais").arg(row));
            // Below the heading only the columns that make a contest are read.
            if (!FWanted.empty() &&
                (std::size_t(column) >= FWantedColumn.size() || !FWantedColumn[std::size_t(column)])) {
                xml.skipCurrentElement();
                continue;
            }
            QString value = CellValue(xml, aPart);
            // A cell becomes a field of a tab-separated line.
            for (QChar& ch : value)
                if (ch == u'\t' || ch == u'\r' || ch == u'\n')
                    ch = u' ';
            if (cells.size() <= column)
                cells.resize(column + 1);
            cells[column] = value;
        }
    }
    XmlCheck(xml, aPart);
}

void TSheetReader::RowEnd(int aRow, const QStringList& aCells)
{
    if (FWanted.empty()) {
        // The heading: the first row that names every column needed (a title may stand above
        // it). When no row does, the first row that holds anything says which column is missing.
        if (aCells.join(QString()).trimmed().isEmpty())
            return;
        if (FFirstRow == 0) {
            FFirstRow = aRow;
            FFirstCells = aCells;
        }
        const std::map<QString, int> columns = ColumnsOf(aCells);
        if (MissingColumn(columns))
            return;
        for (const char* title : kColumns)
            FWanted.push_back(columns.at(HeadingKey(QString::fromUtf8(title))));
        for (const char* title : {kWinners, kPrize}) {
            const auto found = columns.find(HeadingKey(QString::fromUtf8(title)));
            FWanted.push_back(found == columns.end() ? -1 : found->second);
        }
        for (const int c : FWanted)
            if (c >= 0) {
                if (FWantedColumn.size() <= std::size_t(c))
                    FWantedColumn.resize(std::size_t(c) + 1, false);
                FWantedColumn[std::size_t(c)] = true;
            }
        QStringList titles;
        for (const char* title : kColumns)
            titles.append(QString::fromUtf8(title));
        titles << QString::fromUtf8(kWinners) << QString::fromUtf8(kPrize);
        LineSet(aRow, titles.join(u'\t'));
        return;
    }
    // One line per row, at the row's own place: the import names a bad line by its number.
    QString line;
    bool empty = true;
    for (std::size_t f = 0; f < FWanted.size(); ++f) {
        const int c = FWanted[f];
        const QString field = c >= 0 && c < aCells.size() ? aCells[c].trimmed() : QString();
        empty = empty && field.isEmpty();
        if (f > 0)
            line += u'\t';
        line += field;
    }
    if (!empty)
        LineSet(aRow, line);
}

void TSheetReader::LineSet(int aRow, const QString& aLine)
{
    if (FLines.size() < aRow)
        FLines.resize(aRow);
    FLines[aRow - 1] = aLine;
}

QStringList TSheetReader::Lines()
{
    const QByteArray name = QFile::encodeName(FFileName);
    int error = 0;
    FZip.reset(zip_open(name.constData(), ZIP_RDONLY, &error));
    if (!FZip) {
        if (error == ZIP_ER_NOZIP || error == ZIP_ER_INCONS)
            Fail(QStringLiteral("não é uma planilha do Excel (.xlsx)"));
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const QString text = QString::fromUtf8(zip_error_strerror(&reason));
        zip_error_fini(&reason);
        Fail(text);
    }
    const QString sheet = SheetPart();
    SharedStringsRead();
    PartParse(sheet, [&](auto& aXml) { SheetParse(aXml, sheet); });
    if (FFirstRow == 0)
        Fail(QStringLiteral("a folha está vazia"));
    if (FWanted.empty())
        Fail(QStringLiteral("falta a coluna \"%1\" no cabeçalho (linha %2)")
                 .arg(QString::fromUtf8(MissingColumn(ColumnsOf(FFirstCells))))
                 .arg(FFirstRow));
    return FLines;
}

} // namespace

bool IsContestSheet(const QString& aFileName)
{
    return aFileName.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

QStringList ContestSheetRead(const QString& aFileName)
{
    if (!QFile::exists(aFileName))
        throw EInOutError(
            QStringLiteral("Não foi possível ler a planilha \"%1\": o arquivo não existe.").arg(aFileName));
    TSheetReader reader(aFileName);
    return reader.Lines();
}

QStringList ContestImportFileRead(const QString& aFileName)
{
    return IsContestSheet(aFileName) ? ContestSheetRead(aFileName) : ContestFileRead(aFileName);
}
