#include "lottery/ContestRules.h"

#include "util/Exceptions.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kDrawn = 6;

bool IsWholeNumber(const QString& aText, int& aValue)
{
    return TryStrToInt(aText.trimmed(), aValue);
}

// A text of the file as a message quotes it: cut when long, control characters shown as such,
// so that a binary file read by mistake gives a message that fits on a line.
QString Quoted(QStringView aText)
{
    constexpr qsizetype kLongest = 60;
    QString text = aText.size() > kLongest ? aText.first(kLongest).toString() + u'…' : aText.toString();
    for (QChar& ch : text)
        if (ch.unicode() < 0x20 && ch != u'\t')
            ch = QChar(0xFFFD);
    return text;
}

// A contest line starts with a whole contest number; headings and closing lines do not.
bool LooksLikeContest(const QString& aLine)
{
    int value = 0;
    return IsWholeNumber(aLine.section(u'\t', 0, 0), value);
}

} // namespace

QString NumbersFromBoxes(const QStringList& aBoxes)
{
    QStringList numbers;
    for (const QString& box : aBoxes) {
        if (box.isEmpty())
            return QStringLiteral("None");
        int value = 0;
        numbers.append(TryStrToInt(box, value) && value >= 0 ? PadLike(value, 60) : box);
    }
    return numbers.join(u';');
}

QString ContestBoxesProblem(const QStringList& aBoxes)
{
    if (aBoxes.size() != kDrawn)
        return QStringLiteral("Um concurso tem seis números sorteados.");
    std::array<int, 61> boxOf{};
    for (int i = 0; i < kDrawn; ++i) {
        const QString& box = aBoxes[i];
        int value = 0;
        if (box.trimmed().isEmpty())
            return QStringLiteral("Resultado, caixa %1: digite o número sorteado.").arg(i + 1);
        if (!IsWholeNumber(box, value))
            return QStringLiteral("Resultado, caixa %1: \"%2\" não é um número inteiro.").arg(i + 1).arg(Quoted(box));
        if (value < 1 || value > 60)
            return QStringLiteral("Resultado, caixa %1: o número %2 está fora da faixa de 1 a 60.")
                .arg(i + 1)
                .arg(Quoted(box.trimmed()));
        if (boxOf[std::size_t(value)] != 0)
            return QStringLiteral("Resultado, caixa %1: o número %2 já está na caixa %3.")
                .arg(i + 1)
                .arg(PadLike(value, 60))
                .arg(boxOf[std::size_t(value)]);
        boxOf[std::size_t(value)] = i + 1;
    }
    return QString();
}

QString ContestCellEdit(const TContestGrid& aGrid, int aRow, int aColumn, const QString& aText, QString& aValue)
{
    if (aColumn == 0) {
        int value = 0;
        if (!IsWholeNumber(aText, value) || value < 1 || value > 99999)
            return QStringLiteral("O número do concurso deve ser um número inteiro de 1 a 99999 (\"%1\" não é).")
                .arg(Quoted(aText));
        aValue = PadLike(value, 99999);
        for (int r = 0; r < aGrid.RowCount(); ++r)
            if (r != aRow && aGrid.Row(r).Number == aValue)
                return QStringLiteral("O concurso %1 já está na lista.").arg(aValue);
        return QString();
    }
    if (aColumn == 1) {
        const QStringList boxes = aText.split(u';');
        if (boxes.size() != kDrawn)
            return QStringLiteral("O resultado deve ter seis números de 1 a 60 separados por \";\" (\"%1\" tem %2).")
                .arg(Quoted(aText))
                .arg(boxes.size());
        const QString problem = ContestBoxesProblem(boxes);
        if (!problem.isEmpty())
            return problem;
        QStringList numbers;
        for (const QString& box : boxes) {
            int value = 0;
            IsWholeNumber(box, value);
            numbers.append(PadLike(value, 60));
        }
        aValue = numbers.join(u';');
        return QString();
    }
    aValue = aText;
    return QString();
}

QString FormatPrizeValue(const QString& aText)
{
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    QString text = aText.trimmed();
    // ",50" is how a value below one is shown; read it as "0,50".
    if (text.startsWith(u','))
        text.prepend(u'0');
    else if (text.startsWith(QStringLiteral("-,")))
        text.insert(1, u'0');
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' não é um valor numérico válido").arg(aText));
    QString formatted = locale.toString(value, 'f', 2);
    if (formatted.startsWith(QStringLiteral("0,")))
        formatted.remove(0, 1);
    else if (formatted.startsWith(QStringLiteral("-0,")))
        formatted.remove(1, 1);
    if (formatted == u"-,00")
        formatted = QStringLiteral(",00");
    return formatted;
}

namespace {

// A field of plain decimal digits (blanks around allowed), as nearly every import file has it.
bool PlainNumber(QStringView aField, int& aValue)
{
    return TryDigitsToInt(aField.trimmed(), 9, aValue);
}

// Why a line is not a contest, with the fields as the program's integer conversion reads them.
QString ContestLineProblem(const QStringList& aFields)
{
    int number = 0;
    if (!IsWholeNumber(aFields[0], number) || number < 1)
        return QStringLiteral("o número do concurso \"%1\" não é um número inteiro positivo").arg(Quoted(aFields[0]));
    if (aFields.size() < 1 + kDrawn)
        return QStringLiteral("faltam números sorteados (a linha tem %1 campos separados por tabulação)")
            .arg(aFields.size());
    std::array<bool, 61> seen{};
    for (int i = 1; i <= kDrawn; ++i) {
        int value = 0;
        if (!IsWholeNumber(aFields[i], value))
            return QStringLiteral("o número sorteado \"%1\" não é um número inteiro").arg(Quoted(aFields[i]));
        if (value < 1 || value > 60)
            return QStringLiteral("o número sorteado %1 está fora da faixa de 1 a 60").arg(Quoted(aFields[i]));
        if (seen[std::size_t(value)])
            return QStringLiteral("o número sorteado %1 aparece mais de uma vez").arg(PadLike(value, 60));
        seen[std::size_t(value)] = true;
    }
    return QString();
}

} // namespace

QString ContestImportLine(const QString& aLine, TContestRow& aRow)
{
    // Fields 1 to 9; further fields are ignored.
    std::array<QStringView, 9> fields;
    qsizetype count = 0;
    qsizetype start = 0;
    const QStringView line(aLine);
    while (count < qsizetype(fields.size())) {
        const qsizetype tab = line.indexOf(u'\t', start);
        fields[std::size_t(count++)] = tab < 0 ? line.sliced(start) : line.sliced(start, tab - start);
        if (tab < 0)
            break;
        start = tab + 1;
    }
    int values[1 + kDrawn] = {};
    bool plain = count >= 1 + kDrawn;
    std::uint64_t seen = 0;
    for (int i = 0; plain && i <= kDrawn; ++i) {
        plain = PlainNumber(fields[std::size_t(i)], values[i]);
        if (plain && i == 0)
            plain = values[0] >= 1;
        if (plain && i > 0) {
            // The range first: the mask has a bit for 1 to 60 only.
            plain = values[i] >= 1 && values[i] <= 60 && !(seen >> values[i] & 1);
            if (plain)
                seen |= std::uint64_t(1) << values[i];
        }
    }
    if (!plain) {
        // Hexadecimal and signed numbers are whole numbers too; anything else is refused.
        const QStringList all = aLine.split(u'\t');
        const QString problem = ContestLineProblem(all);
        if (!problem.isEmpty())
            return problem;
        for (int i = 0; i <= kDrawn; ++i)
            IsWholeNumber(all[i], values[i]);
    }
    if (values[0] <= 99999) {
        QString number(5, Qt::Uninitialized);
        for (int i = 4, v = values[0]; i >= 0; --i, v /= 10)
            number[i] = QChar(u'0' + v % 10);
        aRow.Number = number;
    } else {
        aRow.Number = PadLike(values[0], 99999);
    }
    QString numbers(kDrawn * 3 - 1, Qt::Uninitialized);
    QChar* out = numbers.data();
    for (int i = 1; i <= kDrawn; ++i) {
        if (i > 1)
            *out++ = u';';
        *out++ = QChar(u'0' + values[i] / 10);
        *out++ = QChar(u'0' + values[i] % 10);
    }
    aRow.Numbers = numbers;
    aRow.Winners = count > 7 ? fields[7].toString() : QString();
    aRow.Value = count > 8 ? fields[8].toString() : QString();
    aRow.Sorte.clear();
    return QString();
}

TContestImport ContestImportRun(const QStringList& aLines, TContestGrid& aGrid,
                                const std::function<bool(int, int)>& aProgress)
{
    TContestImport result;
    aGrid.Reserve(aGrid.RowCount() + int(aLines.size()));
    result.Log.reserve(aLines.size());
    int first = 0;
    int last = int(aLines.size()) - 1;
    while (first <= last && aLines[first].trimmed().isEmpty())
        ++first;
    while (last >= first && aLines[last].trimmed().isEmpty())
        --last;
    for (int i = first; i <= last; ++i) {
        if (aProgress && !aProgress(i, int(aLines.size()) - 1)) {
            result.Cancelled = true;
            break;
        }
        const QString& line = aLines[i];
        if (line.trimmed().isEmpty())
            continue;
        if ((i == first || i == last) && !LooksLikeContest(line))
            continue; // the heading, or a closing line such as "FIM"
        TContestRow row;
        const QString problem = ContestImportLine(line, row);
        if (!problem.isEmpty()) {
            result.ErrorLine = i + 1;
            if (result.Log.isEmpty())
                result.Error = QStringLiteral("O arquivo não contém nenhum concurso que se possa importar. Linha %1 "
                                              "(\"%2\"): %3.")
                                   .arg(i + 1)
                                   .arg(Quoted(line), problem);
            else
                result.Error = QStringLiteral("Linha %1 do arquivo (\"%2\"): %3. A importação parou nesta linha; os "
                                              "concursos lidos antes dela foram mantidos.")
                                   .arg(i + 1)
                                   .arg(Quoted(line), problem);
            break;
        }
        result.Log.append(row.Number + QStringLiteral(" - ") + row.Numbers + u';');
        if (aGrid.ContestRowInsert(row))
            ++result.Added;
        else
            ++result.Skipped;
    }
    if (result.Log.isEmpty() && result.Error.isEmpty() && !result.Cancelled)
        result.Error = QStringLiteral("O arquivo não contém nenhum concurso: cada concurso é uma linha com o número, "
                                      "os seis números sorteados, os ganhadores e o prêmio, separados por tabulação.");
    return result;
}

QStringList ContestFileRead(const QString& aFileName)
{
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Não foi possível ler o arquivo \"%1\": %2").arg(aFileName, file.errorString()));
    return SplitLines(DecodeText(file.readAll()));
}

QStringList LinkDefault()
{
    return {QStringLiteral("Acesse o site clicando no link abaixo"),
            QStringLiteral("Caso o link esteja desatualizado arraste do seu browser para cá para atualizar."),
            QStringLiteral("http://www1.caixa.gov.br/loterias/loterias/megasena/megasena_resultado.asp")};
}

QString LinkFileName(const QString& aProgramFolder, const QString& aConfigFolder, bool& aFallback)
{
    const QString inProgram = TrailingChar(aProgramFolder, u'/', true) + QStringLiteral("Link.txt");
    // A save replaces the file through a new one beside it: the folder itself must be writable.
    const QFileInfo folder(aProgramFolder);
    aFallback = !(folder.isDir() && folder.isWritable());
    if (!aFallback)
        return inProgram;
    return TrailingChar(aConfigFolder, u'/', true) + QStringLiteral("Link.txt");
}

QStringList LinkLoad(const QString& aFileName)
{
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        return LinkDefault();
    return SplitLines(DecodeText(file.readAll()));
}

void LinkSave(const QString& aFileName, const QStringList& aLines)
{
    QByteArray bytes;
    for (const QString& line : aLines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QString error;
    QDir().mkpath(QFileInfo(aFileName).absolutePath());
    if (!WriteFileAtomic(aFileName, bytes, &error))
        throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(aFileName, error));
}
