#include "lottery/BetRules.h"

#include "util/Exceptions.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

constexpr int kMinNumbers = 6;
constexpr int kMaxNumbers = 15;
constexpr int kHighest = 60;

// Checks the line and, when it is a bet, gives its numbers (values) in line order.
QString Examine(const QString& aLine, std::vector<int>* aValues)
{
    const int count = CountTokens(aLine, u';');
    if (count < kMinNumbers || count > kMaxNumbers) {
        if (count == 1)
            return QStringLiteral("tem 1 número; uma aposta tem de 6 a 15");
        return QStringLiteral("tem %1 números; uma aposta tem de 6 a 15").arg(count);
    }
    std::array<bool, kHighest + 1> seen{};
    for (const QStringView token : QStringView(aLine).split(u';')) {
        int value = 0;
        if (token.isEmpty())
            return QStringLiteral("há um número vazio (\";\" sobrando ou repetido)");
        // Plain digits are read here; signs, "$" hexadecimal and long texts by the program's conversion.
        if (!TryDigitsToInt(token, 2, value) && !TryStrToInt(token.toString(), value))
            return QStringLiteral("\"%1\" não é um número inteiro").arg(token);
        if (value < 1 || value > kHighest)
            return QStringLiteral("%1 está fora da faixa de 1 a 60").arg(token);
        if (seen[value])
            return QStringLiteral("o número %1 aparece mais de uma vez").arg(PadLike(value, kHighest));
        seen[value] = true;
        if (aValues)
            aValues->push_back(value);
    }
    return QString();
}

} // namespace

QString BetFromBoxes(const QStringList& aBoxes)
{
    QStringList numbers;
    for (const QString& box : aBoxes)
        if (!box.isEmpty())
            numbers.append(box);
    return numbers.join(u';');
}

QString BetProblem(const QString& aLine)
{
    return Examine(aLine, nullptr);
}

namespace {

QString StoredForm(std::vector<int> aValues)
{
    std::sort(aValues.begin(), aValues.end());
    QString stored(qsizetype(aValues.size()) * 3 - 1, Qt::Uninitialized);
    QChar* out = stored.data();
    for (std::size_t i = 0; i < aValues.size(); ++i) {
        if (i > 0)
            *out++ = u';';
        *out++ = QChar(u'0' + aValues[i] / 10);
        *out++ = QChar(u'0' + aValues[i] % 10);
    }
    return stored;
}

} // namespace

QString BetStoredForm(const QString& aLine)
{
    std::vector<int> values;
    if (!Examine(aLine, &values).isEmpty())
        return QString();
    return StoredForm(std::move(values));
}

TBetLines BetLinesCheck(const QStringList& aLines)
{
    TBetLines result;
    for (int i = 0; i < aLines.size(); ++i) {
        const QString& line = aLines[i];
        if (line.trimmed().isEmpty())
            continue;
        std::vector<int> values;
        const QString problem = Examine(line, &values);
        if (!problem.isEmpty()) {
            result.Rejected.push_back({i + 1, line, problem});
            continue;
        }
        result.Accepted.append(StoredForm(std::move(values)));
    }
    return result;
}

QStringList BetRejectionLines(const std::vector<TBetRejection>& aRejected)
{
    QStringList lines;
    for (const TBetRejection& rejection : aRejected)
        lines.append(QStringLiteral("linha %1 (%2): %3").arg(rejection.Line).arg(rejection.Text, rejection.Reason));
    return lines;
}

QString GroupNameProblem(const QString& aName)
{
    if (aName.isEmpty())
        return QStringLiteral("Escreva um nome para o grupo.");
    if (aName == u"None")
        return QStringLiteral("O nome \"None\" é reservado; escolha outro nome para o grupo.");
    if (aName == u"." || aName == u"..")
        return QStringLiteral("O nome \"%1\" não pode ser usado como nome de grupo.").arg(aName);
    for (const QChar ch : aName) {
        if (ch == u'=' || ch == u'<' || ch == u'>' || ch == u'|' || ch == u'/' || ch == u'\\')
            return QStringLiteral("O nome do grupo não pode conter o caractere \"%1\".").arg(ch);
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return QStringLiteral("O nome do grupo não pode conter caracteres de controle.");
    }
    // Apostas.inx is kept in Windows-1252: another character would come back as "?", and two
    // such names would become one group.
    if (DecodeWin1252(EncodeWin1252(aName)) != aName)
        return QStringLiteral("O nome do grupo contém um caractere que não pode ser gravado.");
    return QString();
}

QString GroupNameFromFile(const QString& aFileName)
{
    return GetToken(QFileInfo(aFileName).fileName(), 1, u'.');
}

QStringList BetFileRead(const QString& aFileName)
{
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Não foi possível ler o arquivo \"%1\": %2").arg(aFileName, file.errorString()));
    return SplitLines(DecodeText(file.readAll()));
}

QString ExportFileName(const QString& aFolder, const QString& aGroupName)
{
    return TrailingChar(aFolder, u'/', true) + aGroupName + QStringLiteral(".export");
}

void ExportFileWrite(const QString& aFolder, const QString& aGroupName, const QStringList& aLines)
{
    const QString problem = GroupNameProblem(aGroupName);
    if (!problem.isEmpty())
        throw Exception(problem);
    QByteArray bytes;
    for (const QString& line : aLines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    const QString fileName = ExportFileName(aFolder, aGroupName);
    QString error;
    if (!WriteFileAtomic(fileName, bytes, &error))
        throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(fileName, error));
}
